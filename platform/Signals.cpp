// Signal dispositions through sigaction, the alternate stack through sigaltstack.
#include "platform/Signals.h"

#include <algorithm>

namespace zor {

namespace {
int SignalCount() { return SIGRTMAX + 1; }
}  // namespace

SignalDispositions SignalDispositions::Save() {
    SignalDispositions saved;
    const int count = SignalCount();
    saved.actions_.resize(static_cast<size_t>(count));
    saved.saved_.assign(static_cast<size_t>(count), false);
    for (int signal = 1; signal < count; ++signal)
        saved.saved_[static_cast<size_t>(signal)] =
            sigaction(signal, nullptr, &saved.actions_[static_cast<size_t>(signal)]) == 0;
    saved.altStackSaved_ = sigaltstack(nullptr, &saved.altStack_) == 0;
    return saved;
}

void SignalDispositions::Restore(const std::vector<int>& keep) const {
    for (int signal = 1; signal < static_cast<int>(actions_.size()); ++signal) {
        if (!saved_[static_cast<size_t>(signal)]) continue;
        if (std::find(keep.begin(), keep.end(), signal) != keep.end()) continue;
        sigaction(signal, &actions_[static_cast<size_t>(signal)], nullptr);
    }
    if (altStackSaved_) {
        stack_t stack = altStack_;
        // A disabled stack is put back as disabled; its recorded size means nothing then.
        if (stack.ss_flags & SS_DISABLE) stack = stack_t{nullptr, SS_DISABLE, 0};
        stack.ss_flags &= ~SS_ONSTACK;
        sigaltstack(&stack, nullptr);
    }
}

}  // namespace zor
