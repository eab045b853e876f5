// The environment's numeric locale, opened as a locale object of its own.
#include "platform/Locale.h"

#include <langinfo.h>
#include <locale.h>

#include <cstring>

namespace zor {

char EnvironmentDecimalSeparator() noexcept {
    locale_t numeric = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (numeric == static_cast<locale_t>(0)) return '.';
    const char* symbol = nl_langinfo_l(RADIXCHAR, numeric);
    const char separator = symbol != nullptr && std::strlen(symbol) == 1 ? symbol[0] : '.';
    freelocale(numeric);
    return separator;
}

}  // namespace zor
