// Helpers shared by the tests.
#pragma once

#include <gtest/gtest.h>
#include <ruby.h>

#include <string>
#include <vector>

#include "platform/Exception.h"
#include "platform/StringList.h"

// Expects `statement` to throw `type` (derived from zor::Exception) with exactly `message`.
#define EXPECT_THROW_MSG(statement, type, message)                           \
    do {                                                                     \
        try {                                                                \
            statement;                                                       \
            ADD_FAILURE() << "no " #type " thrown by " #statement;           \
        } catch (const type& error_) {                                       \
            EXPECT_EQ(std::string(message), error_.Message()) << #statement; \
        }                                                                    \
    } while (0)

namespace zortest {

inline std::vector<std::string> Lines(const zor::TStringList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.emplace_back(list[i]);
    return lines;
}

// The value of a Ruby expression, evaluated straight through the interpreter; the test fails
// when the evaluation does.
VALUE Eval(const char* source);

// The message of the interpreter error that the source raises ("" when it raises none).
std::string RaisedMessage(const char* source);

}  // namespace zortest
