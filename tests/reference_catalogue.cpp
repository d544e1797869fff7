#include "reference_catalogue.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "catalogue/encoding.h"
#include "catalogue/file_access.h"
#include "catalogue/number_syntax.h"

namespace gypsomix::reference {
namespace {

enum : unsigned char { kDelimiter = 1, kExponentMark = 2, kBlank = 4 };

constexpr auto kClasses = [] {
    std::array<unsigned char, 256> classes{};
    classes[','] = classes['\r'] = classes['\n'] = kDelimiter;
    classes['e'] = classes['E'] = kExponentMark;
    classes[' '] = classes['\t'] = kBlank;
    return classes;
}();

unsigned char class_of(char c) {
    return kClasses[static_cast<unsigned char>(c)];
}

std::string_view without_trailing_blanks(std::string_view text) {
    while (!text.empty() && class_of(text.back()) == kBlank) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

void FieldReader::open(const std::filesystem::path& path) {
    path_ = path;
    const int fd = open_catalogue_file(path);
    // The whole file in one buffer, read on past its size in case it is growing.
    std::error_code ec;
    const auto expected = std::filesystem::file_size(path, ec);
    std::size_t capacity = (ec ? 0 : static_cast<std::size_t>(expected)) + 1;
    data_ = std::make_unique_for_overwrite<char[]>(capacity);
    size_ = 0;
    for (;;) {
        const ssize_t got = ::read(fd, data_.get() + size_, capacity - size_);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw_unreadable(path, error);
        }
        size_ += static_cast<std::size_t>(got);
        if (got == 0) {
            break;
        }
        if (size_ == capacity) {
            auto larger = std::make_unique_for_overwrite<char[]>(capacity * 2);
            std::memcpy(larger.get(), data_.get(), size_);
            data_ = std::move(larger);
            capacity *= 2;
        }
    }
    ::close(fd);
    data_[size_] = '\n';  // a line end after the data: the scanner needs no bounds test
    pos_ = 0;
    const std::string_view bytes(data_.get(), size_);
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        pos_ = 3;
        const auto kind = encoding::classify_utf8(bytes.substr(3));
        text_encoding_ =
            kind == encoding::Utf8::invalid ? TextEncoding::utf8_repaired : TextEncoding::utf8;
    } else {
        text_encoding_ = encoding::is_utf8_text(bytes) ? TextEncoding::utf8 : TextEncoding::cp1252;
    }
}

std::string FieldReader::where() const {
    return field_position(path_, fields_read_, record_length_);
}

FieldReader::RawField FieldReader::next_raw() {
    const char* d = data_.get();
    const std::size_t n = size_;
    std::size_t p = pos_;
    while (p < n && class_of(d[p]) == kBlank) {
        ++p;
    }
    if (p >= n) {
        pos_ = n;
        throw_past_end(where());
    }
    const auto consume_delimiter = [&] {
        if (p < n) {
            if (d[p] == '\r' && p + 1 < n && d[p + 1] == '\n') {
                ++p;
            }
            ++p;
        }
    };
    RawField field{Kind::empty, {}, false};
    if (class_of(d[p]) == kDelimiter) {
        consume_delimiter();
    } else if (d[p] == '"') {
        const std::size_t start = p + 1;
        const void* quote = start < n ? std::memchr(d + start, '"', n - start) : nullptr;
        const std::size_t end = quote ? static_cast<const char*>(quote) - d : n;
        field.kind = Kind::quoted;
        field.text = std::string_view(d + start, end - start);
        p = quote ? end + 1 : n;
        while (class_of(d[p]) != kDelimiter) {
            ++p;
        }
        consume_delimiter();
    } else {
        const std::size_t start = p;
        unsigned char seen = 0;
        for (unsigned char c; (c = class_of(d[p])) != kDelimiter; ++p) {
            seen |= c;
        }
        field.kind = Kind::unquoted;
        field.text = std::string_view(d + start, p - start);
        field.may_overflow = (seen & kExponentMark) != 0 || field.text.size() > 300;
        consume_delimiter();
    }
    pos_ = p;
    return field;
}

std::string FieldReader::decode(std::string_view bytes) const {
    std::string text;
    switch (text_encoding_) {
        case TextEncoding::utf8:
            text = bytes;
            break;
        case TextEncoding::utf8_repaired:
            encoding::append_utf8_repaired(bytes, text);
            break;
        case TextEncoding::cp1252:
            encoding::append_cp1252_as_utf8(bytes, text);
            break;
    }
    return text;
}

FieldValue FieldReader::read_field() {
    const RawField raw = next_raw();
    FieldValue value;
    switch (raw.kind) {
        case Kind::empty:
            break;
        case Kind::quoted:
            value = decode(raw.text);
            break;
        case Kind::unquoted: {
            const std::string_view text = without_trailing_blanks(raw.text);
            const NumberScan scan = scan_number(text);
            if (scan.stop == NumberStop::out_of_range) {
                throw_out_of_range(text, where());
            }
            if (scan.stop == NumberStop::complete) {
                value = scan.value;
            } else {
                value = decode(text);
            }
            break;
        }
    }
    ++fields_read_;
    return value;
}

void FieldReader::skip_field() {
    const RawField raw = next_raw();
    if (raw.kind == Kind::unquoted && raw.may_overflow) {
        const std::string_view text = without_trailing_blanks(raw.text);
        if (scan_number(text).stop == NumberStop::out_of_range) {
            throw_out_of_range(text, where());
        }
    }
    ++fields_read_;
}

namespace {

std::string entry_name(FieldValue&& value) {
    std::string name =
        std::holds_alternative<std::string>(value) ? std::move(std::get<std::string>(value))
        : std::holds_alternative<double>(value) ? general_format(std::get<double>(value), 15, ".")
                                                : std::string();
    const auto last = name.find_last_not_of(' ');
    if (last == std::string::npos) {
        return {};
    }
    name.erase(last + 1);
    name.erase(0, name.find_first_not_of(' '));
    return name;
}

void open_catalogue(FieldReader& reader, const std::filesystem::path& file, int fields_per_record) {
    if (fields_per_record < 1) {
        throw std::invalid_argument("a catalogue record has at least one field");
    }
    reader.set_record_length(fields_per_record);
    reader.open(file);
}

}  // namespace

std::vector<Entry> list_entries(const std::filesystem::path& file, int fields_per_record) {
    FieldReader reader;
    open_catalogue(reader, file, fields_per_record);
    std::vector<Entry> entries;
    int ordinal = 0;
    while (!reader.at_end()) {
        std::string name = entry_name(reader.read_field());
        for (int i = 1; i < fields_per_record; ++i) {
            reader.skip_field();
        }
        entries.push_back({std::move(name), ordinal++});
    }
    return entries;
}

std::optional<std::vector<FieldValue>> fetch_record(const std::filesystem::path& file,
                                                    int fields_per_record, int ordinal) {
    FieldReader reader;
    open_catalogue(reader, file, fields_per_record);
    std::optional<std::vector<FieldValue>> found;
    for (int counter = 0; !reader.at_end(); ++counter) {
        if (counter == ordinal) {
            std::vector<FieldValue> fields;
            for (int i = 0; i < fields_per_record; ++i) {
                fields.push_back(reader.read_field());
            }
            found = std::move(fields);
        } else {
            for (int i = 0; i < fields_per_record; ++i) {
                reader.skip_field();
            }
        }
    }
    return found;
}

}  // namespace gypsomix::reference
