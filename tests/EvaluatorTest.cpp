// The evaluator: results, failures, console capture and the interpreter it starts.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/Exception.h"
#include "platform/StringList.h"
#include "ruby/RubyEval.h"
#include "tests/TestSupport.h"

using namespace zor;
using namespace std::string_literals;

using zortest::Lines;

namespace {

// A double-quoted Ruby literal of the bytes.
std::string RubyLiteral(const std::string& bytes) {
    std::string literal = "\"";
    for (unsigned char c : bytes) {
        literal += "\\x";
        literal += "0123456789ABCDEF"[c >> 4];
        literal += "0123456789ABCDEF"[c & 15];
    }
    return literal + "\"";
}

// An evaluator with a list attached for the length of one test.
class Evaluator : public testing::Test {
protected:
    void SetUp() override { AttachConsoleLines(lines); }
    void TearDown() override { DetachConsoleLines(); }

    HostValue Run(const std::string& source) {
        HostValue result;
        evaluator.Evaluate(source, result);
        return result;
    }

    TRubyEval evaluator;
    TStringList lines;
};

TEST_F(Evaluator, ASuccessfulEvaluationAnswersItsConvertedResult) {
    EXPECT_EQ(HostValue::Integer(2), Run("1+1"));
    EXPECT_TRUE(evaluator.Succeeded());
    EXPECT_EQ(0, evaluator.ProtectState);
    EXPECT_EQ("", evaluator.LastErrorText);
    EXPECT_EQ(HostValue(), Run(""));
    EXPECT_TRUE(evaluator.Succeeded());
}

TEST_F(Evaluator, AFailedEvaluationKeepsItsMessageAndAnswersEmpty) {
    struct Case {
        const char* source;
        std::string message;
    };
    const Case cases[] = {
        {"raise 'boom'", "boom"},    {"raise ArgumentError, ''", ""}, {"exit", "exit"},
        {"exit 3", "exit"},          {"abort 'gone'", "gone"},        {"throw :x", "uncaught throw :x"},
        {"undefined_name_here", ""},  // checked by prefix below
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HostValue(), Run(c.source)) << c.source;
        EXPECT_FALSE(evaluator.Succeeded()) << c.source;
        if (c.message.empty() && std::string(c.source).starts_with("undefined"))
            EXPECT_TRUE(evaluator.LastErrorText.starts_with(
                "undefined local variable or method `undefined_name_here'"))
                << evaluator.LastErrorText;
        else
            EXPECT_EQ(c.message, evaluator.LastErrorText) << c.source;
    }
    EXPECT_EQ(HostValue::Integer(2), Run("1+1"));
    EXPECT_EQ("", evaluator.LastErrorText);
}

TEST_F(Evaluator, ASyntaxErrorFailsWithTheInterpretersMessage) {
    EXPECT_EQ(HostValue(), Run("1 +* 2"));
    EXPECT_FALSE(evaluator.Succeeded());
    EXPECT_NE(std::string::npos, evaluator.LastErrorText.find("syntax error, ")) << evaluator.LastErrorText;

    evaluator.Exceptions = true;
    HostValue kept = HostValue::Integer(5);
    const std::string expected = evaluator.LastErrorText;
    EXPECT_THROW_MSG(evaluator.Evaluate("1 +* 2", kept), Exception, expected);
    EXPECT_EQ(HostValue::Integer(5), kept);
}

TEST_F(Evaluator, ErrorsWhoseTextCannotBeMadeAreReportedByClass) {
    Run("class ZorBadText < StandardError; def to_s; raise 'again'; end; end");
    Run("raise ZorBadText");
    EXPECT_FALSE(evaluator.Succeeded());
    EXPECT_EQ("ZorBadText", evaluator.LastErrorText);

    Run("class ZorOddText < StandardError; def to_s; 42; end; end");
    Run("raise ZorOddText");
    EXPECT_TRUE(evaluator.LastErrorText.starts_with("#<ZorOddText")) << evaluator.LastErrorText;
    EXPECT_EQ(HostValue::Integer(2), Run("1+1"));
}

TEST_F(Evaluator, AConversionFailureIsThrownAfterASuccessfulRun) {
    HostValue result;
    EXPECT_THROW_MSG(evaluator.Evaluate("[[1]]", result), Exception, "wrong argument type");
    EXPECT_TRUE(evaluator.Succeeded());
    EXPECT_EQ("", evaluator.LastErrorText);
}

TEST_F(Evaluator, EvaluateExpressionRunsTheJoinedLines) {
    TStringList source;
    source.Add("a = 20");
    source.Add("a + 22");
    evaluator.SetExpression(source);
    source.Clear();
    ASSERT_EQ(2, evaluator.Expression().Count());
    HostValue result;
    evaluator.EvaluateExpression(result);
    EXPECT_EQ(HostValue::Integer(42), result);
}

TEST_F(Evaluator, OutputIsSplitIntoTheAttachedList) {
    struct Case {
        std::string output;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a\nb", {"a", "b"}},       {"\n", {""}},     {"", {}}, {"x\r\ny\rz\n", {"x", "y", "z"}},
        {"a\n\rb", {"a", "", "b"}}, {"a\0b"s, {"a"}},
    };
    for (const auto& c : cases) {
        ClearConsole();
        Run("print " + RubyLiteral(c.output));
        EXPECT_EQ(c.output, TRubyEval::ConsoleOutput());
        EXPECT_EQ(c.lines, Lines(lines));
    }
    ClearConsole();
    Run("print \"a\\nb\"");
    EXPECT_EQ("a\r\nb\r\n", lines.Text());
}

TEST_F(Evaluator, WriteConvertsItsArgumentsAndAnswersTheByteCount) {
    EXPECT_EQ(HostValue::Integer(2), Run("$stdout.write(42)"));
    EXPECT_EQ(HostValue::Integer(6), Run("$stdout.write('ab', :c, nil, 1.0)"));
    EXPECT_EQ("42abc1.0", TRubyEval::ConsoleOutput());

    // An empty write leaves the buffer and the list as they are.
    TStringList kept;
    kept.Add("kept");
    AttachConsoleLines(kept);
    EXPECT_EQ(HostValue::Integer(0), Run("$stdout.write('')"));
    EXPECT_EQ(1, kept.Count());
    EXPECT_EQ("", TRubyEval::ConsoleOutput());
    Run("print 'new'");
    EXPECT_EQ(std::vector<std::string>{"new"}, Lines(kept));
    AttachConsoleLines(lines);

    // A value whose text cannot be made fails the evaluation that wrote it.
    Run("o = Object.new; def o.to_s; raise 'no text'; end; print o");
    EXPECT_FALSE(evaluator.Succeeded());
    EXPECT_EQ("no text", evaluator.LastErrorText);
}

TEST_F(Evaluator, TheConsoleServesTheInterpretersIoMachinery) {
    const char* program = R"(
        puts "puts"
        print "print", 1, "\n"
        p :p
        $stdout << "shift" << 2 << "\n"
        printf("%03d\n", 7)
        $stderr.puts "stderr"
        STDERR.class
        warn "warned"
        $stdout.flush.equal?($stdout) or raise 'flush'
        $stdout.sync or raise 'sync'
        ($stdout.sync = false) == false or raise 'sync='
        $stdout.fsync == 0 or raise 'fsync'
        $stdout.fileno.nil? or raise 'fileno'
        !$stdout.tty? && !$stdout.isatty or raise 'tty'
        $stdout.set_encoding('UTF-8').equal?($stdout) or raise 'set_encoding'
        $stdout.binmode.equal?($stdout) or raise 'binmode'
        $stdout.external_encoding.nil? && $stdout.internal_encoding.nil? or raise 'encodings'
        !$stdout.closed? or raise 'closed?'
        $stdout.equal?($stderr) && $stdout.equal?($stdin) or raise 'streams'
        $stdout.is_a?(IO) or raise 'IO'
        :done
    )";
    EXPECT_EQ(HostValue(), Run(program));
    ASSERT_TRUE(evaluator.Succeeded()) << evaluator.LastErrorText;
    EXPECT_EQ((std::vector<std::string>{"puts", "print1", ":p", "shift2", "007", "stderr", "warned"}),
              Lines(lines));
}

TEST_F(Evaluator, TheInterpreterHasItsBuiltInFeatures) {
    const std::pair<const char*, HostValue> cases[] = {
        {"$0", HostValue::Text("ruby")},
        {"GC.start; :ok.to_s", HostValue::Text("ok")},
        {"Time.now.year > 2000", HostValue::Boolean(true)},
        {"require 'json'; JSON.generate([1, 'a'])", HostValue::Text("[1,\"a\"]")},
        {"\"\\u00e9\".encode('ISO-8859-1')", HostValue::Text("\xE9")},
        {"Encoding.default_external.name", HostValue::Text("UTF-8")},
        {"$LOAD_PATH.size == $LOAD_PATH.uniq.size", HostValue::Boolean(true)},
    };
    for (const auto& [source, expected] : cases) {
        EXPECT_EQ(expected, Run(source)) << source;
        EXPECT_TRUE(evaluator.Succeeded()) << source << ": " << evaluator.LastErrorText;
    }
}

TEST_F(Evaluator, DeepRecursionFailsWithTheInterpretersStackError) {
    Run("def zor_deep(n) = zor_deep(n + 1); zor_deep(0)");
    EXPECT_FALSE(evaluator.Succeeded());
    EXPECT_EQ("stack level too deep", evaluator.LastErrorText);
    EXPECT_EQ(HostValue::Integer(2), Run("1+1"));
}

TEST_F(Evaluator, OutputAccumulatesAcrossEvaluationsUntilCleared) {
    Run("print 'one'");
    Run("puts 'two'");
    EXPECT_EQ("onetwo\n", TRubyEval::ConsoleOutput());
    EXPECT_EQ(std::vector<std::string>{"onetwo"}, Lines(lines));
    ClearConsole();
    EXPECT_EQ("", TRubyEval::ConsoleOutput());
    EXPECT_EQ(0, lines.Count());
    DetachConsoleLines();
    Run("print 'unseen by the list'");
    EXPECT_EQ(0, lines.Count());
    EXPECT_EQ("unseen by the list", TRubyEval::ConsoleOutput());
}

TEST_F(Evaluator, ASecondEvaluatorSharesTheInterpreterAndConsole) {
    const VALUE console = ConsoleObjectValue();
    ASSERT_NE(VALUE{0}, console);
    TRubyEval second;
    EXPECT_EQ(console, ConsoleObjectValue());
    HostValue result;
    second.Evaluate("print 'shared'; $stdout.equal?($stderr)", result);
    EXPECT_EQ(HostValue::Boolean(true), result);
    EXPECT_EQ(std::vector<std::string>{"shared"}, Lines(lines));
    EXPECT_FALSE(second.Exceptions);
    EXPECT_EQ(0, second.Expression().Count());
}

TEST_F(Evaluator, AnotherThreadIsRefusedAndTheInterpreterStaysUsable) {
    std::string message;
    std::thread other([&] {
        try {
            HostValue result;
            evaluator.Evaluate("1+1", result);
        } catch (const Exception& error) {
            message = error.Message();
        }
    });
    other.join();
    EXPECT_EQ("Ruby code can only be evaluated on the thread that started the Ruby interpreter", message);
    EXPECT_EQ(HostValue::Integer(2), Run("1+1"));
}

TEST_F(Evaluator, CaptureHoldsWithTheCollectorUnderStress) {
    Run("GC.stress = true; 40.times { |i| puts i; $stdout.write(i, \"\\r\") }; GC.stress = false");
    ASSERT_TRUE(evaluator.Succeeded()) << evaluator.LastErrorText;
    ASSERT_EQ(80, lines.Count());
    EXPECT_EQ("39", lines[78]);
    EXPECT_EQ("39", lines[79]);
    TStringList whole;
    whole.SetText(TRubyEval::ConsoleOutput());
    EXPECT_EQ(Lines(whole), Lines(lines));
}

}  // namespace
