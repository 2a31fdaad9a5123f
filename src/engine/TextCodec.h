#pragma once
// The program keeps its texts in UTF-8; the files and the wire of the mill family's
// older tools speak Windows-1252 (and occasionally UTF-16). These conversions are the
// only place where the two meet.
#include <string>
#include <string_view>

namespace vantorel {

// True when every byte is 7-bit, so the UTF-8 and the 8-bit forms of the text coincide.
bool IsPlainAscii(std::string_view text);

std::string Cp1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 form, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// UTF-16 little-endian bytes (an even count) to UTF-8; lone surrogates become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes);

// Malformed sequences become U+FFFD, so that a stranger's bytes are always valid text.
std::string SanitizeUtf8(std::string_view bytes);

} // namespace vantorel
