// The settings reader against a plain line-by-line model of its conventions. Input: the
// section name, a line feed, the key, a line feed, then the file's text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "platform/ProfileReader.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Trim(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
    return text.substr(first, last - first);
}

// The conventions, spelled out one line at a time.
std::string Model(const std::string& text, const std::string& section, const std::string& key,
                  const std::string& fallback) {
    std::istringstream lines(text);
    std::string line;
    int state = 0;  // 0 before the section, 1 inside it
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            if (state == 1) break;
            std::string name = line.substr(1);
            const size_t close = name.find(']');
            if (close != std::string::npos) name = name.substr(0, close);
            if (Lower(Trim(name)) == Lower(Trim(section))) state = 1;
            continue;
        }
        if (state != 1) continue;
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        if (Lower(Trim(line.substr(0, equals))) != Lower(Trim(key))) continue;
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        return value.substr(0, zor::ProfileValueLimit);
    }
    return fallback.substr(0, zor::ProfileValueLimit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t first = input.find('\n');
    if (first == std::string::npos) return 0;
    const size_t second = input.find('\n', first + 1);
    if (second == std::string::npos) return 0;
    const std::string section = input.substr(0, first);
    const std::string key = input.substr(first + 1, second - first - 1);
    const std::string text = input.substr(second + 1);
    zor::ProfileFile file;
    file.LoadText(text);
    const std::string value = file.ReadString(section, key, "default");
    if (value.size() > zor::ProfileValueLimit) std::abort();
    if (value != Model(text, section, key, "default")) std::abort();
    return 0;
}
