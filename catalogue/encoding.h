#pragma once

#include <string>
#include <string_view>

namespace gypsomix::encoding {

// True when the bytes are well-formed UTF-8 and hold at least one multi-byte sequence.
bool is_utf8_text(std::string_view bytes);

// Appends the UTF-8 form of Windows-1252 bytes.
void append_cp1252_as_utf8(std::string_view bytes, std::string& out);

// Appends the UTF-8 form of one code point.
void append_utf8(char32_t code_point, std::string& out);

}  // namespace gypsomix::encoding
