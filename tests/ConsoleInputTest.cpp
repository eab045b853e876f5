// gets and getc of the console, reading a pipe placed on standard input.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "ruby/RubyEval.h"
#include "tests/TestSupport.h"

using namespace zor;
using namespace std::string_literals;

namespace {

// Puts a pipe holding exactly `content` on file descriptor 0.
void FeedStandardInput(const std::string& content) {
    int fds[2];
    ASSERT_EQ(0, pipe(fds));
    ASSERT_EQ(static_cast<ssize_t>(content.size()), write(fds[1], content.data(), content.size()));
    close(fds[1]);
    if (fds[0] != STDIN_FILENO) {
        ASSERT_EQ(STDIN_FILENO, dup2(fds[0], STDIN_FILENO));
        close(fds[0]);
    }
}

class ConsoleInput : public testing::Test {
protected:
    HostValue Run(const std::string& source) {
        HostValue result;
        evaluator.Evaluate(source, result);
        EXPECT_TRUE(evaluator.Succeeded()) << source << ": " << evaluator.LastErrorText;
        return result;
    }

    TRubyEval evaluator;
};

TEST_F(ConsoleInput, GetsAnswersEachLineWithOneLineFeed) {
    FeedStandardInput(
        "abc\r\nxyz\n\n\x04"
        "ctl\na\0b\nlast"s);
    EXPECT_EQ(HostValue::Text("abc\n"), Run("gets"));
    EXPECT_EQ(HostValue::Text("abc\n"), Run("$_"));
    EXPECT_EQ(HostValue::Text("xyz\n"), Run("$stdin.gets"));
    EXPECT_EQ(HostValue::Text("\n"), Run("gets"));  // an empty line is not the end
    EXPECT_EQ(HostValue(), Run("gets"));            // a line starting with the byte 4
    EXPECT_EQ(HostValue::Text("a\0b\n"s), Run("gets"));
    EXPECT_EQ(HostValue::Text("last\n"), Run("gets"));
    EXPECT_EQ(HostValue(), Run("gets"));
    EXPECT_EQ(HostValue(), Run("$_"));
}

TEST_F(ConsoleInput, AReadingLoopSeesEveryLinePastAnEmptyOne) {
    FeedStandardInput("one\n\nthree\n");
    EXPECT_EQ(HostValue::Text("one|.three|"),
              Run("s = +''; while line = gets; s << (line == \"\\n\" ? '.' : line.chomp + '|'); end; s"));
}

TEST_F(ConsoleInput, LinesCarryTheDefaultExternalEncoding) {
    FeedStandardInput("\xC3\xA9\n");
    EXPECT_EQ(HostValue::Boolean(true),
              Run("l = gets; l.encoding == Encoding::UTF_8 && l.chomp == \"\\u00e9\""));
}

TEST_F(ConsoleInput, GetcAnswersBytesAndNilForZeroAndTheEnd) {
    FeedStandardInput("A\xFF\0"s);
    EXPECT_EQ(HostValue::Integer(65), Run("$stdin.getc"));
    EXPECT_EQ(HostValue::Integer(255), Run("$stdin.getc"));
    EXPECT_EQ(HostValue(), Run("$stdin.getc"));
    EXPECT_EQ(HostValue(), Run("$stdin.getc"));
}

TEST_F(ConsoleInput, AnUnreadableStandardInputAnswersNil) {
    const int saved = dup(STDIN_FILENO);
    close(STDIN_FILENO);
    EXPECT_EQ(HostValue(), Run("gets"));
    EXPECT_EQ(HostValue(), Run("$stdin.getc"));
    if (saved >= 0) {
        dup2(saved, STDIN_FILENO);
        close(saved);
    }
    EXPECT_EQ(HostValue::Integer(2), Run("1+1"));
}

}  // namespace
