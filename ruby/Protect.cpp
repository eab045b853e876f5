// Reading a pending interpreter error without letting a second error escape.
#include "ruby/Protect.h"

namespace zor {

namespace {

std::string StringBytesOf(VALUE text) {
    return std::string(RSTRING_PTR(text), static_cast<size_t>(RSTRING_LEN(text)));
}

}  // namespace

std::string TakePendingErrorText() {
    const VALUE error = rb_errinfo();
    rb_set_errinfo(Qnil);
    VALUE text = Qnil;
    auto asText = [error]() noexcept { return RB_TYPE_P(error, T_STRING) ? error : rb_obj_as_string(error); };
    if (Protect(asText, text) == 0 && RB_TYPE_P(text, T_STRING)) return StringBytesOf(text);
    rb_set_errinfo(Qnil);
    auto className = [error]() noexcept { return rb_class_name(rb_obj_class(error)); };
    if (Protect(className, text) == 0 && RB_TYPE_P(text, T_STRING)) return StringBytesOf(text);
    rb_set_errinfo(Qnil);
    return {};
}

void RaiseGuardFailure(GuardResult result) {
    if (result == GuardResult::OutOfMemory) rb_memerror();
    rb_raise(rb_eRuntimeError, "internal error in the plug-in");
}

}  // namespace zor

namespace zor {

VALUE ProtectedEval(const char* source, int& state) { return rb_eval_string_protect(source, &state); }

}  // namespace zor
