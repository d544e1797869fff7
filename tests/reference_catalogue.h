#pragma once

// The catalogue reader as it was before it was rewritten for speed: the whole file read into
// memory, then parsed a byte at a time, each name its own string. Kept only to check, in the
// tests and the differential fuzz target, that the fast reader lists, fetches and fails exactly
// like it.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/field_value.h"

namespace gypsomix::reference {

class FieldReader {
  public:
    void open(const std::filesystem::path& path);
    bool at_end() const { return pos_ >= size_; }
    FieldValue read_field();
    void skip_field();
    void set_record_length(int fields_per_record) { record_length_ = fields_per_record; }

  private:
    enum class Kind { empty, quoted, unquoted };
    struct RawField {
        Kind kind;
        std::string_view text;
        bool may_overflow;
    };
    RawField next_raw();
    std::string decode(std::string_view bytes) const;
    std::string where() const;

    std::filesystem::path path_;
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t pos_ = 0;
    enum class TextEncoding { cp1252, utf8, utf8_repaired };
    TextEncoding text_encoding_ = TextEncoding::cp1252;
    long long fields_read_ = 0;
    int record_length_ = 0;
};

struct Entry {
    std::string name;
    int ordinal;
};

std::vector<Entry> list_entries(const std::filesystem::path& file, int fields_per_record);

std::optional<std::vector<FieldValue>> fetch_record(const std::filesystem::path& file,
                                                    int fields_per_record, int ordinal);

}  // namespace gypsomix::reference
