// The user's locale, as Windows keeps it.
#include "platform/Locale.h"

#include <windows.h>

namespace zor {

char EnvironmentDecimalSeparator() noexcept {
    char symbol[8] = {};
    const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol, sizeof symbol);
    // The length counts the terminating zero.
    return length == 2 ? symbol[0] : '.';
}

}  // namespace zor
