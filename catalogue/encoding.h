#pragma once

#include <string>
#include <string_view>

namespace gypsomix::encoding {

enum class Utf8 { ascii, valid, invalid };

// Whether the bytes are plain ASCII, well-formed UTF-8 with a multi-byte sequence, or neither.
Utf8 classify_utf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8 and hold at least one multi-byte sequence.
inline bool is_utf8_text(std::string_view bytes) {
    return classify_utf8(bytes) == Utf8::valid;
}

// Appends UTF-8 bytes, each byte of a malformed sequence replaced by U+FFFD.
void append_utf8_repaired(std::string_view bytes, std::string& out);

// Appends the UTF-8 form of Windows-1252 bytes.
void append_cp1252_as_utf8(std::string_view bytes, std::string& out);

// Appends the UTF-8 form of one code point.
void append_utf8(char32_t code_point, std::string& out);

}  // namespace gypsomix::encoding
