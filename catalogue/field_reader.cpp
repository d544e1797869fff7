#include "catalogue/field_reader.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "catalogue/encoding.h"
#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::string quoted_path(const std::filesystem::path& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    std::string text = "« " + path.string() + " »";
    if (!ec && absolute != path) {
        text += " (" + absolute.lexically_normal().string() + ")";
    }
    return text;
}

[[noreturn]] void cannot_read(const std::filesystem::path& path, int error) {
    const char* reason = "erreur de lecture";
    if (error == EACCES || error == EPERM) {
        reason = "accès refusé";
    } else if (error == EISDIR) {
        reason = "c'est un dossier, pas un fichier";
    }
    throw RunTimeError(ErrorNumber::file_not_found,
                       "Impossible de lire le fichier " + quoted_path(path) + " : " + reason + ".");
}

// Byte classes for the field scanner.
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

const char kBom[] = "\xEF\xBB\xBF";

}  // namespace

void FieldReader::open(const std::filesystem::path& path) {
    close();
    path_ = path;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) {
        cannot_read(path, EISDIR);
    }
    // A named pipe would block and a device may never end: only plain files are catalogues.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw RunTimeError(ErrorNumber::file_not_found,
                           "Impossible de lire le fichier " + quoted_path(path) +
                               " : ce n'est pas un fichier ordinaire.");
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            throw RunTimeError(ErrorNumber::file_not_found,
                               "Fichier introuvable : " + quoted_path(path) + ".");
        }
        cannot_read(path, error);
    }

    // One read of the whole file; read on past the expected size in case it is growing.
    std::size_t expected = 0;
    if (const auto size = std::filesystem::file_size(path, ec); !ec) {
        expected = static_cast<std::size_t>(size);
    }
    std::size_t capacity = expected + 1;
    data_ = std::make_unique_for_overwrite<char[]>(capacity);
    size_ = 0;
    for (;;) {
        size_ += std::fread(data_.get() + size_, 1, capacity - size_, file.get());
        if (size_ < capacity) {
            break;
        }
        auto larger = std::make_unique_for_overwrite<char[]>(capacity * 2);
        std::memcpy(larger.get(), data_.get(), size_);
        data_ = std::move(larger);
        capacity *= 2;
    }
    if (std::ferror(file.get())) {
        const int error = errno;
        close();
        cannot_read(path, error);
    }

    // The spare byte after the data is a line end, so the scanner needs no bounds test.
    data_[size_] = '\n';
    const std::string_view bytes(data_.get(), size_);
    if (bytes.starts_with(kBom)) {
        pos_ = 3;
        const auto kind = encoding::classify_utf8(bytes.substr(3));
        text_encoding_ =
            kind == encoding::Utf8::invalid ? TextEncoding::utf8_repaired : TextEncoding::utf8;
    } else {
        text_encoding_ = encoding::is_utf8_text(bytes) ? TextEncoding::utf8 : TextEncoding::cp1252;
    }
}

void FieldReader::close() {
    data_.reset();
    size_ = 0;
    pos_ = 0;
    text_encoding_ = TextEncoding::cp1252;
    fields_read_ = 0;
}

std::string FieldReader::where() const {
    std::string text = "fichier « " + path_.string() + " », ";
    if (record_length_ > 0) {
        text += "enregistrement " + std::to_string(fields_read_ / record_length_ + 1) + ", champ " +
                std::to_string(fields_read_ % record_length_ + 1);
    } else {
        text += "champ " + std::to_string(fields_read_ + 1);
    }
    return text;
}

// Inlined into its two callers: the call itself was a fifth of its cost per field.
[[gnu::always_inline]] inline FieldReader::RawField FieldReader::next_raw() {
    const char* d = data_.get();
    const std::size_t n = size_;
    std::size_t p = pos_;
    while (p < n && class_of(d[p]) == kBlank) {
        ++p;
    }
    if (p >= n) {
        pos_ = n;
        throw RunTimeError(
            ErrorNumber::input_past_end,
            "Lecture au-delà de la fin du fichier : " + where() +
                " manquant (enregistrement incomplet ou ligne vide en fin de fichier).");
    }

    const auto consume_delimiter = [&] {
        if (p < n) {
            if (d[p] == '\r' && p + 1 < n && d[p + 1] == '\n') {
                ++p;
            }
            ++p;  // a comma, a CR or an LF
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
        // Trailing blanks are trimmed by the callers that look at the text.
        field.kind = Kind::unquoted;
        field.text = std::string_view(d + start, p - start);
        // Only an exponent or a very long digit string can leave the double range.
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

namespace {

[[noreturn]] void out_of_range(std::string_view text, const std::string& where) {
    constexpr std::size_t kShown = 40;
    std::string shown(text.substr(0, kShown));
    if (text.size() > kShown) {
        shown += "…";
    }
    throw RunTimeError(ErrorNumber::overflow, "Dépassement de capacité : le nombre « " + shown +
                                                  " » (" + where +
                                                  ") dépasse les limites d'un nombre réel.");
}

}  // namespace

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
            // The whole text in the invariant form is a number; anything else is a text.
            const std::string_view text = without_trailing_blanks(raw.text);
            const NumberScan scan = scan_number(text);
            if (scan.stop == NumberStop::out_of_range) {
                out_of_range(text, where());
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
            out_of_range(text, where());
        }
    }
    ++fields_read_;
}

}  // namespace gypsomix
