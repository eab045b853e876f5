// The C run-time's signal handlers; Windows has no alternate signal stack.
#include "platform/Signals.h"

#include <algorithm>

namespace zor {

namespace {
constexpr int RuntimeSignals[] = {SIGINT, SIGILL, SIGABRT, SIGFPE, SIGSEGV, SIGTERM, SIGBREAK};
}

SignalDispositions SignalDispositions::Save() {
    SignalDispositions saved;
    for (const int signal : RuntimeSignals) {
        // The run-time answers a handler only by replacing it, so it is put back at once.
        const auto handler = std::signal(signal, SIG_DFL);
        if (handler == SIG_ERR) continue;
        std::signal(signal, handler);
        saved.handlers_.push_back({signal, handler});
    }
    return saved;
}

void SignalDispositions::Restore(const std::vector<int>& keep) const {
    for (const auto& [signal, handler] : handlers_)
        if (std::find(keep.begin(), keep.end(), signal) == keep.end()) std::signal(signal, handler);
}

}  // namespace zor
