#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "catalogue/field_value.h"
#include "catalogue/run_time_error.h"

namespace gypsomix {

// Reads a catalogue file as one sequence of comma-delimited fields. The whole file is read into
// memory by open(); fields are parsed from that buffer. Windows-1252 files are decoded to UTF-8;
// a file with a UTF-8 byte-order mark, or valid UTF-8 holding a multi-byte sequence, is UTF-8.
class FieldReader {
  public:
    // Throws RunTimeError 53 when the file is missing or cannot be read.
    void open(const std::filesystem::path& path);
    bool at_end() const { return pos_ >= size_; }
    // Bytes read by open().
    std::size_t size() const { return size_; }
    // Throws RunTimeError 62 at the end of the file, 6 for a number beyond the double range.
    FieldValue read_field();
    // Consumes the next field like read_field() with the same errors, without building its value.
    void skip_field();
    void close();

    // Only used to say "record R, field F" in error messages; 0 means fields are counted flat.
    void set_record_length(int fields_per_record) { record_length_ = fields_per_record; }

  private:
    enum class Kind { empty, quoted, unquoted };
    struct RawField {
        Kind kind;
        std::string_view text;
        bool may_overflow;  // unquoted text that could be a number beyond the double range
    };
    inline RawField next_raw();
    std::string decode(std::string_view bytes) const;
    std::string where() const;

    std::filesystem::path path_;
    std::unique_ptr<char[]> data_;  // not zero-filled: fread overwrites it
    std::size_t size_ = 0;
    std::size_t pos_ = 0;
    // A file marked UTF-8 that holds malformed bytes gets them replaced by U+FFFD.
    enum class TextEncoding { cp1252, utf8, utf8_repaired };
    TextEncoding text_encoding_ = TextEncoding::cp1252;
    long long fields_read_ = 0;
    int record_length_ = 0;
};

}  // namespace gypsomix
