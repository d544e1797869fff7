#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "catalogue/encoding.h"
#include "catalogue/field_value.h"
#include "catalogue/number_syntax.h"
#include "catalogue/run_time_error.h"

namespace gypsomix {

// Reads a catalogue file as one sequence of comma-delimited fields. The file goes through one
// small buffer, reused from one chunk to the next, so reading a large catalogue touches little
// fresh memory. Windows-1252 files are decoded to UTF-8; a file with a UTF-8 byte-order mark,
// or valid UTF-8 holding a multi-byte sequence, is UTF-8. Which one is only looked at once a
// text with a byte beyond ASCII is met.
class FieldReader {
  public:
    FieldReader();
    ~FieldReader();
    FieldReader(const FieldReader&) = delete;
    FieldReader& operator=(const FieldReader&) = delete;

    // Throws RunTimeError 53 when the file is missing or cannot be read.
    void open(const std::filesystem::path& path);
    bool at_end() { return pos_ >= end_ && at_end_of_data(); }
    // The file's size when it was opened.
    std::uintmax_t size() const { return size_; }
    // Throws RunTimeError 62 at the end of the file, 6 for a number beyond the double range,
    // and 53 when the file cannot be read further.
    FieldValue read_field();
    // Consumes the next field like read_field() with the same errors, without building its value.
    void skip_field();
    void close();

    // Only used to say "record R, field F" in error messages; 0 means fields are counted flat.
    void set_record_length(int fields_per_record) { record_length_ = fields_per_record; }

    // For the catalogue's listing: the next field as it names its record, trimmed of spaces and
    // still in the file's encoding. A number is in its written form, which is ASCII; a text is a
    // view into the reader's buffer, which can be read sixteen bytes at a time past its end.
    // Either lasts until the next call on the reader.
    struct Name {
        std::string_view text;
        bool number;
    };
    Name read_name();
    // The file's encoding, found out first when `text` is the first text beyond ASCII the
    // caller meets; encoding::TextEncoding::ascii as long as none has been.
    encoding::TextEncoding encoding_for(std::string_view text);
    // The quick way with a plain record: a name in quotes, then `count` fields none of which is
    // quoted, all within a few hundred bytes. Consumes them at once, `name` getting the name's
    // text as read_name() would, and returns true; otherwise consumes nothing and returns false,
    // for the fields to be read one at a time. Without `name`, the same with `count` fields.
    bool read_plain_record(int count, std::string_view* name);

  private:
    enum class Kind { empty, quoted, unquoted, more };
    struct RawField {
        Kind kind;
        std::string_view text;
        bool may_overflow;  // unquoted text that could be a number beyond the double range
    };
    RawField next_raw();
    inline RawField try_raw();
    bool at_end_of_data();
    void fill();
    [[noreturn]] void fail_reading(int error);
    void decide_encoding();
    std::string decode(std::string_view bytes);
    Message where() const;
    NumberScan scan_unquoted(std::string_view& text) const;

    std::filesystem::path path_;
    int fd_ = -1;
    std::uintmax_t size_ = 0;
    // The bytes read and not yet consumed are [pos_, end_) of the buffer, which has a zeroed
    // margin after end_ for reads sixteen bytes at a time.
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = true;
    bool has_bom_ = false;
    // Found out at the first text beyond ASCII. A file marked UTF-8 that holds malformed bytes
    // gets them replaced by U+FFFD.
    encoding::TextEncoding text_encoding_ = encoding::TextEncoding::ascii;
    long long fields_read_ = 0;
    int record_length_ = 0;
    std::string number_text_;  // a numeric name as written
};

}  // namespace gypsomix
