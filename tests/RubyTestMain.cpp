// main() of the test programs that use the interpreter: one interpreter for the whole run,
// started on the main thread before any test.
#include <gtest/gtest.h>

#include "ruby/RubyEval.h"
#include "tests/TestSupport.h"

namespace zortest {

VALUE Eval(const char* source) {
    int state = 0;
    const VALUE value = rb_eval_string_protect(source, &state);
    if (state != 0) {
        rb_set_errinfo(Qnil);
        ADD_FAILURE() << "evaluation failed: " << source;
        return Qnil;
    }
    return value;
}

std::string RaisedMessage(const char* source) {
    int state = 0;
    rb_eval_string_protect(source, &state);
    if (state == 0) return {};
    const VALUE error = rb_errinfo();
    rb_set_errinfo(Qnil);
    const VALUE text = rb_obj_as_string(error);
    return std::string(RSTRING_PTR(text), static_cast<size_t>(RSTRING_LEN(text)));
}

}  // namespace zortest

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    zor::StartInterpreter();
    return RUN_ALL_TESTS();
}
