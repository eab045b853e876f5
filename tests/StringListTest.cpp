// The split, join and assignment rules of the line list, and the incremental split.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/StringList.h"
#include "tests/TestSupport.h"

using zor::LineSplitter;
using zor::TStringList;
using namespace std::string_literals;

using zortest::Lines;

namespace {

struct SplitCase {
    std::string text;
    std::vector<std::string> lines;
};

TEST(StringList, SplitRuleEndsLinesAtCrLfLoneLfAndLoneCrAndStopsAtZero) {
    const std::vector<SplitCase> cases = {
        {"", {}},
        {"\n", {""}},
        {"\r\n", {""}},
        {"\r", {""}},
        {"a\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"x\r\ny\rz\n", {"x", "y", "z"}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {"a\n\n", {"a", ""}},
        {"a\0b"s, {"a"}},
        {"\0b"s, {}},
        {"a\n\0b\n"s, {"a"}},
        {"a\r\0"s, {"a"}},
    };
    for (const auto& c : cases) {
        TStringList list;
        list.Add("stale");
        list.SetText(c.text);
        EXPECT_EQ(c.lines, Lines(list)) << "text of " << c.text.size() << " bytes: " << c.text;
    }
}

TEST(StringList, JoinRuleEndsEveryLineWithCrLf) {
    TStringList list;
    EXPECT_EQ("", list.Text());
    list.Add("a");
    list.Add("");
    list.Add("b\0c"s);
    EXPECT_EQ("a\r\n\r\nb\0c\r\n"s, list.Text());
}

TEST(StringList, AssignCopiesTheSourceLines) {
    TStringList source;
    source.Add("one");
    source.Add("two");
    TStringList target;
    target.Add("old");
    target.Assign(source);
    EXPECT_EQ(Lines(source), Lines(target));
    source.Add("three");
    EXPECT_EQ(2, target.Count());
    target.Assign(target);
    EXPECT_EQ(2, target.Count());
}

// After every piece, the incrementally fed list must equal the split of everything so far.
TEST(LineSplitter, AgreesWithTheWholeTextSplitAfterEveryPiece) {
    std::mt19937 random(20261211);
    const char alphabet[] = {'a', 'b', '\r', '\n', '\r', '\n', '\0'};
    for (int run = 0; run < 3000; ++run) {
        TStringList incremental;
        LineSplitter splitter;
        std::string whole;
        const int pieces = static_cast<int>(random() % 12);
        for (int p = 0; p < pieces; ++p) {
            std::string piece;
            const int length = static_cast<int>(random() % 6);
            for (int i = 0; i < length; ++i) {
                // Zero bytes are rarer so that most runs go on past the first few pieces.
                const unsigned pick = random() % (run % 2 ? sizeof alphabet : sizeof alphabet - 1);
                piece.push_back(alphabet[pick]);
            }
            whole += piece;
            splitter.Feed(piece, incremental);
            TStringList naive;
            naive.SetText(whole);
            ASSERT_EQ(Lines(naive), Lines(incremental)) << "run " << run << ", piece " << p;
        }
    }
}

TEST(LineSplitter, ResetStartsAFreshText) {
    TStringList list;
    LineSplitter splitter;
    splitter.Feed("a\r", list);
    list.Clear();
    splitter.Reset();
    splitter.Feed("\nb", list);
    EXPECT_EQ((std::vector<std::string>{"", "b"}), Lines(list));
}

}  // namespace
