#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace gypsomix::encoding {

enum class Utf8 { ascii, valid, invalid };

// Whether the bytes are plain ASCII, well-formed UTF-8 with a multi-byte sequence, or neither.
Utf8 classify_utf8(std::string_view bytes);

// True when no byte is beyond ASCII.
bool is_ascii(std::string_view bytes);

// True when the bytes are well-formed UTF-8 and hold at least one multi-byte sequence.
inline bool is_utf8_text(std::string_view bytes) {
    return classify_utf8(bytes) == Utf8::valid;
}

// Classifies a text that arrives in pieces, as classify_utf8 classifies the whole of it.
class Utf8Classifier {
  public:
    // Takes the next piece; false once the text is known not to be UTF-8.
    bool add(std::string_view piece);
    // What the pieces taken make, the last one ending the text.
    Utf8 finish() const;

  private:
    std::array<char, 4> pending_{};  // a sequence the last piece began and did not end
    std::size_t pending_size_ = 0;
    bool multi_byte_ = false;
    bool invalid_ = false;
};

// Appends UTF-8 bytes, each byte of a malformed sequence replaced by U+FFFD.
void append_utf8_repaired(std::string_view bytes, std::string& out);

// Appends the UTF-8 form of Windows-1252 bytes.
void append_cp1252_as_utf8(std::string_view bytes, std::string& out);

// How a catalogue's texts are written. `ascii`: nothing beyond ASCII has been met, so the
// texts are UTF-8 as they are, whatever the rest of the file turns out to be.
enum class TextEncoding { ascii, cp1252, utf8, utf8_repaired };

// Appends the UTF-8 form of a text written in `encoding`.
void append_as_utf8(std::string_view bytes, TextEncoding encoding, std::string& out);

// Appends the UTF-8 form of one code point.
void append_utf8(char32_t code_point, std::string& out);

}  // namespace gypsomix::encoding
