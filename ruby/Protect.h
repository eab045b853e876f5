// The one crossing between C++ and the interpreter's error handling, in both directions.
//
// The interpreter reports errors by longjmp. Into Ruby: Protect runs a body under the
// interpreter's protection, so a raised error lands there as a status instead of unwinding
// C++ frames. Out of Ruby: Guard runs C++ work for a function the interpreter calls and
// turns any C++ exception into a status, which the caller raises as an interpreter error
// once no C++ object is alive. Bodies given to Protect must hold no C++ object with a
// destructor while they call the interpreter.
#pragma once

#include <ruby.h>

#include <string>
#include <type_traits>

namespace zor {

namespace detail {
template <class Body>
VALUE ProtectTrampoline(VALUE body) {
    return (*reinterpret_cast<Body*>(body))();
}
}  // namespace detail

// Runs body() under protection; answers the interpreter's status (0: completed) and stores
// the body's value in `result` when it completed. After a nonzero status the error is
// pending: take it with TakePendingErrorText.
template <class Body>
int Protect(Body& body, VALUE& result) {
    static_assert(std::is_trivially_destructible_v<Body>, "a jump would skip its destructor");
    static_assert(noexcept(body()), "no C++ exception may cross an interpreter frame");
    int state = 0;
    const VALUE value = rb_protect(&detail::ProtectTrampoline<Body>, reinterpret_cast<VALUE>(&body), &state);
    if (state == 0) result = value;
    return state;
}

template <class Body>
int Protect(Body& body) {
    VALUE ignored = Qnil;
    return Protect(body, ignored);
}

// The text of the pending interpreter error, which is cleared. When the error's own
// conversion to text fails, its class name; failing that, the empty text.
std::string TakePendingErrorText();

enum class GuardResult { Completed, OutOfMemory, Failed };

template <class Body>
GuardResult Guard(Body&& body) noexcept {
    try {
        body();
        return GuardResult::Completed;
    } catch (const std::bad_alloc&) {
        return GuardResult::OutOfMemory;
    } catch (...) {
        return GuardResult::Failed;
    }
}

// Raises the interpreter error for a guard that did not complete. Call it only from a frame
// that holds no C++ object with a destructor.
[[noreturn]] void RaiseGuardFailure(GuardResult result);

}  // namespace zor

namespace zor {

// rb_eval_string_protect: runs the source under the interpreter's own protection and stores
// its status (0: completed) in `state`.
VALUE ProtectedEval(const char* source, int& state);

}  // namespace zor
