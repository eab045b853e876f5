// Messages of the component class library that reach the host unchanged: its German texts,
// in the system's code page: Windows-1252 on Windows, UTF-8 elsewhere.
#pragma once

#include <string>
#include <string_view>

// The one letter beyond ASCII that the texts use.
#if defined(_WIN32)
#define ZOR_TEXT_U_UMLAUT "\xFC"
#else
#define ZOR_TEXT_U_UMLAUT "\xC3\xBC"
#endif

namespace zor::texts {

// Exhausted memory.
inline constexpr const char* OutOfMemory = "Zu wenig Arbeitsspeicher";
// A variant array could not be created.
inline constexpr const char* VariantArrayCreate = "Fehler beim Erzeugen von Variante oder sicherem Array";
// An operation that a variant of this type does not support.
inline constexpr const char* InvalidVariantOperation = "Ung" ZOR_TEXT_U_UMLAUT "ltige Variant-Operation";

// A variant of type `from` could not be converted to type `to`.
inline std::string VariantTypeCouldNotConvert(std::string_view from, std::string_view to) {
    std::string text = "Variante des Typs (";
    text += from;
    text += ") konnte nicht in Typ (";
    text += to;
    text += ") konvertiert werden";
    return text;
}

// A text that is not an integer.
inline std::string NotAValidInteger(std::string_view text) {
    std::string message = "'";
    message += text;
    message += "' ist kein g" ZOR_TEXT_U_UMLAUT "ltiger Integerwert";
    return message;
}

}  // namespace zor::texts
