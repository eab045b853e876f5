// A small demonstration: starts the evaluator, runs a Ruby file and prints what the code
// wrote to its console and the value it returned.
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/Exception.h"
#include "platform/StringList.h"
#include "ruby/HostValue.h"
#include "ruby/HostValueText.h"
#include "ruby/RubyEval.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: zordemo FILE.rb\n";
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::cerr << "zordemo: cannot read " << argv[1] << "\n";
        return 2;
    }
    std::ostringstream source;
    source << file.rdbuf();

    try {
        zor::TRubyEval evaluator;
        zor::TStringList lines;
        zor::HostValue result;
        zor::AttachConsoleLines(lines);
        evaluator.Evaluate(source.str(), result);
        zor::DetachConsoleLines();
        std::cout << "console:\n" << lines.Text() << "result: ";
        if (evaluator.Succeeded()) {
            std::cout << zor::HostValueToText(result) << "\n";
            return 0;
        }
        std::cout << "(failed)\nerror: " << evaluator.LastErrorText << "\n";
        return 1;
    } catch (const zor::Exception& error) {
        std::cerr << "zordemo: " << error.Message() << "\n";
        return 1;
    }
}
