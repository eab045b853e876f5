// The console's incremental line list against the split of the whole text, after every piece.
// Each input byte is a piece length (high bits) or a byte drawn mostly from CR, LF and 0.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/StringList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const char alphabet[] = {'\r', '\n', '\0', 'a', '\r', '\n', 'b', '\xff'};
    zor::TStringList incremental;
    zor::LineSplitter splitter;
    std::string whole;
    size_t i = 0;
    while (i < size) {
        const size_t length = data[i++] % 9;
        std::string piece;
        for (size_t j = 0; j < length && i < size; ++j, ++i)
            piece.push_back(alphabet[data[i] % sizeof alphabet]);
        whole += piece;
        splitter.Feed(piece, incremental);
        zor::TStringList naive;
        naive.SetText(whole);
        if (!(naive == incremental)) std::abort();
    }
    return 0;
}
