// Messages of the component class library that reach the host unchanged: its German texts,
// in the system's code page (UTF-8 on these platforms).
#pragma once

#include <string>
#include <string_view>

namespace zor::texts {

// Exhausted memory.
inline constexpr const char* OutOfMemory = "Zu wenig Arbeitsspeicher";
// A variant array could not be created.
inline constexpr const char* VariantArrayCreate = "Fehler beim Erzeugen von Variante oder sicherem Array";
// An operation that a variant of this type does not support.
inline constexpr const char* InvalidVariantOperation = "Ung\xC3\xBCltige Variant-Operation";

// A variant of type `from` could not be converted to type `to`.
inline std::string VariantTypeCouldNotConvert(std::string_view from, std::string_view to) {
    std::string text = "Variante des Typs (";
    text += from;
    text += ") konnte nicht in Typ (";
    text += to;
    text += ") konvertiert werden";
    return text;
}

}  // namespace zor::texts
