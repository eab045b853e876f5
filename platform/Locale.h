// The number conventions of the locale that the process's environment selects.
#pragma once

namespace zor {

// The decimal symbol of the locale that LC_ALL, LC_NUMERIC or LANG selects for numbers, when
// it is exactly one byte; otherwise ".". The process's own locale is neither read nor changed.
char EnvironmentDecimalSeparator() noexcept;

}  // namespace zor
