#include "catalogue/field_reader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "catalogue/decimal.h"
#include "catalogue/encoding.h"

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
    throw RunTimeError(kFileNotFound,
                       "Impossible de lire le fichier " + quoted_path(path) + " : " + reason + ".");
}

bool is_delimiter(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

// A plain loop: find_first_of("eE") calls memchr once per character.
bool has_exponent_mark(std::string_view text) {
    for (const char c : text) {
        if (c == 'e' || c == 'E') {
            return true;
        }
    }
    return false;
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
        throw RunTimeError(kFileNotFound, "Impossible de lire le fichier " + quoted_path(path) +
                                              " : ce n'est pas un fichier ordinaire.");
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            throw RunTimeError(kFileNotFound, "Fichier introuvable : " + quoted_path(path) + ".");
        }
        cannot_read(path, error);
    }

    // One read of the whole file; read on past the expected size in case it is growing.
    std::size_t expected = 0;
    if (const auto size = std::filesystem::file_size(path, ec); !ec) {
        expected = static_cast<std::size_t>(size);
    }
    std::size_t used = 0;
    data_.resize(expected + 1);
    for (;;) {
        const std::size_t got = std::fread(data_.data() + used, 1, data_.size() - used, file.get());
        used += got;
        if (used < data_.size()) {
            break;
        }
        data_.resize(data_.size() * 2);
    }
    if (std::ferror(file.get())) {
        const int error = errno;
        close();
        cannot_read(path, error);
    }
    data_.resize(used);

    if (data_.compare(0, 3, kBom) == 0) {
        pos_ = 3;
        const auto kind = encoding::classify_utf8(std::string_view(data_).substr(3));
        text_encoding_ =
            kind == encoding::Utf8::invalid ? TextEncoding::utf8_repaired : TextEncoding::utf8;
    } else {
        text_encoding_ = encoding::is_utf8_text(data_) ? TextEncoding::utf8 : TextEncoding::cp1252;
    }
}

void FieldReader::close() {
    data_.clear();
    data_.shrink_to_fit();
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

FieldReader::RawField FieldReader::next_raw() {
    const char* d = data_.data();
    const std::size_t n = data_.size();
    std::size_t p = pos_;
    while (p < n && (d[p] == ' ' || d[p] == '\t')) {
        ++p;
    }
    if (p >= n) {
        pos_ = p;
        throw RunTimeError(
            kInputPastEnd,
            "Lecture au-delà de la fin du fichier : " + where() +
                " manquant (enregistrement incomplet ou ligne vide en fin de fichier).");
    }

    const auto consume_delimiter = [&] {
        if (p < n) {
            if (d[p] == '\r') {
                ++p;
                if (p < n && d[p] == '\n') {
                    ++p;
                }
            } else {
                ++p;  // a comma or a lone LF
            }
        }
    };

    RawField field{Kind::empty, {}};
    if (d[p] == '\r' || d[p] == '\n' || d[p] == ',') {
        consume_delimiter();
    } else if (d[p] == '"') {
        const std::size_t start = p + 1;
        const void* quote = start < n ? std::memchr(d + start, '"', n - start) : nullptr;
        const std::size_t end = quote ? static_cast<const char*>(quote) - d : n;
        field = {Kind::quoted, std::string_view(d + start, end - start)};
        p = quote ? end + 1 : n;
        while (p < n && !is_delimiter(d[p])) {
            ++p;
        }
        consume_delimiter();
    } else {
        const std::size_t start = p;
        while (p < n && !is_delimiter(d[p])) {
            ++p;
        }
        std::size_t end = p;
        while (end > start && (d[end - 1] == ' ' || d[end - 1] == '\t')) {
            --end;
        }
        field = {Kind::unquoted, std::string_view(d + start, end - start)};
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
    throw RunTimeError(kOverflow, "Dépassement de capacité : le nombre « " + shown + " » (" +
                                      where + ") dépasse les limites d'un nombre réel.");
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
        case Kind::unquoted:
            if (decimal::is_invariant_number(raw.text)) {
                double number = 0;
                if (!decimal::to_double(raw.text, number)) {
                    out_of_range(raw.text, where());
                }
                value = number;
            } else {
                value = decode(raw.text);
            }
            break;
    }
    ++fields_read_;
    return value;
}

void FieldReader::skip_field() {
    const RawField raw = next_raw();
    // Only an exponent or a very long digit string can leave the double range.
    if (raw.kind == Kind::unquoted && (raw.text.size() > 300 || has_exponent_mark(raw.text)) &&
        decimal::is_invariant_number(raw.text)) {
        double number = 0;
        if (!decimal::to_double(raw.text, number)) {
            out_of_range(raw.text, where());
        }
    }
    ++fields_read_;
}

}  // namespace gypsomix
