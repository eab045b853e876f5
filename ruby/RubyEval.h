// The evaluator component and the console that the interpreter's standard streams lead to.
#pragma once

#include <ruby.h>

#include <string>

#include "platform/Component.h"
#include "platform/StringList.h"
#include "ruby/HostValue.h"

namespace zor {

class TRubyEval : public TComponent {
public:
    // Starts the interpreter on first use; throws Exception when it cannot be started.
    explicit TRubyEval(TComponent* owner = nullptr);
    ~TRubyEval() override;

    // Runs the source under the interpreter's protection. A failed run leaves its message in
    // LastErrorText and an Empty result, or throws it when Exceptions is set. A result that
    // cannot be converted throws. Throws without running when called on a foreign thread.
    void Evaluate(const std::string& source, HostValue& result);
    // Evaluate on the joined text of Expression.
    void EvaluateExpression(HostValue& result);

    bool Succeeded() const noexcept { return ProtectState == 0; }
    // Everything written to the console since it was last emptied.
    static std::string ConsoleOutput();

    const TStringList& Expression() const noexcept { return Expression_; }
    void SetExpression(const TStringList& lines) { Expression_.Assign(lines); }

    int ProtectState = 0;
    bool Exceptions = false;
    std::string LastErrorText;

private:
    TStringList Expression_;
};

// The one-time start-up of the interpreter with its streams redirected to the console.
void StartInterpreter();

// Empties the console buffer and lets `list` mirror every later write; the list is not
// touched until the first write.
void AttachConsoleLines(TStringList& list);
void ClearConsole();
void DetachConsoleLines();

// The console object, 0 until the interpreter has been started.
VALUE ConsoleObjectValue();

}  // namespace zor
