#pragma once
// The records store text as Windows-1252 bytes; everything outside the
// records (drawing, JSON, the command line) speaks Unicode.

#include <optional>
#include <string>
#include <string_view>

namespace vantoro {

// The Unicode code point of one Windows-1252 byte. The five bytes that the
// code page leaves undefined map to the C1 control of the same number, so
// that every byte survives a round trip.
char32_t Cp1252ToUnicode(unsigned char byte);

std::string Cp1252ToUtf8(std::string_view bytes);

// Nothing when the text is not valid UTF-8 or holds a character that
// Windows-1252 cannot store.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

}  // namespace vantoro
