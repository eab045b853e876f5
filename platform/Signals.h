// Saving and restoring the process's signal dispositions around code that replaces them.
#pragma once

#include <csignal>
#include <utility>
#include <vector>

namespace zor {

class SignalDispositions {
public:
    // Records every signal's disposition and the alternate signal stack.
    static SignalDispositions Save();
    // Puts back what Save recorded, except for the signals in `keep`.
    void Restore(const std::vector<int>& keep) const;

private:
#if defined(_WIN32)
    std::vector<std::pair<int, void (*)(int)>> handlers_;
#else
    std::vector<struct sigaction> actions_;
    std::vector<bool> saved_;
    stack_t altStack_{};
    bool altStackSaved_ = false;
#endif
};

}  // namespace zor
