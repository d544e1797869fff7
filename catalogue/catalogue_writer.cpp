#include "catalogue/catalogue_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "catalogue/encoding.h"
#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

const std::string_view kBom = "\xEF\xBB\xBF";

// ---- Reading what the file holds now ----

struct FileBytes {
    std::string bytes;
    int error = 0;  // errno of the failure; 0 when read
};

FileBytes read_bytes(const std::filesystem::path& file) {
    FileBytes read;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        read.error = errno;
        return read;
    }
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        read.error = EISDIR;
    }
    std::array<char, 65536> buffer;
    while (read.error == 0) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n > 0) {
            read.bytes.append(buffer.data(), static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            read.error = errno;
        }
    }
    ::close(fd);
    return read;
}

// The file as a caster finds it, whatever folder the program was started in.
Message quoted_path(const std::filesystem::path& file) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(file, ec);
    return core_text("RunTimeError", "« %1 »")
        .with({value_text((ec ? file : absolute.lexically_normal()).string())});
}

std::string readable_bytes(const std::filesystem::path& file) {
    FileBytes read = read_bytes(file);
    if (read.error == ENOENT || read.error == ENOTDIR) {
        throw RunTimeError(
            ErrorNumber::file_not_found,
            core_text("RunTimeError", "Fichier introuvable : %1.").with({quoted_path(file)}));
    }
    if (read.error != 0) {
        throw RunTimeError(
            ErrorNumber::file_not_found,
            core_text("RunTimeError", "Impossible de lire le fichier %1 : %2")
                .with({quoted_path(file),
                       read.error == EISDIR
                           ? core_text("RunTimeError", "c'est un dossier.")
                           : core_text("RunTimeError", "accès refusé ou erreur de lecture.")}));
    }
    return std::move(read.bytes);
}

// ---- Texts ----

// The code point of each Windows-1252 byte 0x80..0x9F, taken from the reader's own decoding so
// that writing is its exact inverse.
const std::array<char32_t, 32>& high_controls() {
    static const std::array<char32_t, 32> table = [] {
        std::array<char32_t, 32> codes{};
        for (unsigned byte = 0x80; byte < 0xA0; ++byte) {
            std::string utf8;
            encoding::append_cp1252_as_utf8(std::string(1, static_cast<char>(byte)), utf8);
            const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
            codes[byte - 0x80] =
                utf8.size() == 2
                    ? char32_t((p[0] & 0x1F) << 6 | (p[1] & 0x3F))
                    : char32_t((p[0] & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
        }
        return codes;
    }();
    return table;
}

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int cp1252_byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return static_cast<int>(code);
    }
    const auto& high = high_controls();
    for (std::size_t i = 0; i < high.size(); ++i) {
        if (high[i] == code) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// The code point at text[i] of well-formed UTF-8, and its length in bytes.
char32_t decode_at(std::string_view text, std::size_t i, std::size_t& length) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data() + i);
    if (p[0] < 0x80) {
        length = 1;
        return p[0];
    }
    length = p[0] >= 0xF0 ? 4 : p[0] >= 0xE0 ? 3 : 2;
    char32_t code = p[0] & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        code = code << 6 | (p[k] & 0x3F);
    }
    return code;
}

// A text as a caster reads it in a message: its first 40 characters.
Message shown(std::string_view text) {
    constexpr std::size_t kShown = 40;
    if (encoding::classify_utf8(text) == encoding::Utf8::invalid) {
        return value_text("…");
    }
    std::size_t end = 0;
    for (std::size_t count = 0; end < text.size() && count < kShown; ++count) {
        std::size_t length = 0;
        decode_at(text, end, length);
        end += length;
    }
    std::string result(text.substr(0, end));
    if (end < text.size()) {
        result += "…";
    }
    return core_text("RunTimeError", "« %1 »").with({value_text(result)});
}

std::string code_point_name(char32_t code) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    int shift = 12;  // four digits at least, as U+00E9
    while (shift < 28 && (code >> (shift + 4)) != 0) {
        shift += 4;
    }
    for (; shift >= 0; shift -= 4) {
        hex += digits[(code >> shift) & 0xF];
    }
    return "U+" + hex;
}

class TextWriter {
  public:
    TextWriter(CatalogueEncoding encoding, std::string& out) : encoding_(encoding), out_(out) {}

    [[noreturn]] void refuse(Message why, bool encoding_cannot_hold = false) const {
        throw CatalogueTextError(core_text("RunTimeError",
                                           "Appel de procédure ou argument incorrect : "
                                           "enregistrement %1, champ %2 : %3.")
                                     .with({value_text(std::to_string(record_)),
                                            value_text(std::to_string(field_)), std::move(why)}),
                                 record_, field_, encoding_cannot_hold);
    }

    void at(int record, int field) {
        record_ = record;
        field_ = field;
    }

    void number(double value) {
        if (!std::isfinite(value)) {
            refuse(core_text("RunTimeError",
                             "un nombre infini ou indéterminé ne s'écrit pas dans un catalogue"));
        }
        out_ += general_format(value, 15, ".");
    }

    void text(std::string_view text) {
        if (encoding::classify_utf8(text) == encoding::Utf8::invalid) {
            refuse(core_text("RunTimeError", "le texte n'est pas de l'UTF-8 valide"));
        }
        if (text.find('"') != std::string_view::npos) {
            refuse(core_text("RunTimeError",
                             "le texte %1 contient un guillemet droit (\"), qui le "
                             "couperait à la relecture")
                       .with({shown(text)}));
        }
        if (text.find_first_of("\r\n") != std::string_view::npos) {
            refuse(core_text("RunTimeError", "le texte %1 contient un saut de ligne")
                       .with({shown(text)}));
        }
        out_ += '"';
        if (encoding_ == CatalogueEncoding::windows_1252) {
            windows_1252(text);
        } else {
            out_ += text;
        }
        out_ += '"';
    }

    // Where the first text beyond ASCII stands, for a file the reader would take for UTF-8.
    int first_accented_record = 0;
    int first_accented_field = 0;
    std::string first_accented;

  private:
    void windows_1252(std::string_view text) {
        for (std::size_t i = 0; i < text.size();) {
            std::size_t length = 0;
            const char32_t code = decode_at(text, i, length);
            const int byte = cp1252_byte(code);
            if (byte < 0) {
                std::string character(text.substr(i, length));
                refuse(core_text("RunTimeError",
                                 "le caractère « %1 » (%2) du texte %3 ne s'écrit pas en "
                                 "Windows-1252")
                           .with({value_text(character), value_text(code_point_name(code)),
                                  shown(text)}),
                       true);
            }
            if (byte >= 0x80 && first_accented_record == 0) {
                first_accented_record = record_;
                first_accented_field = field_;
                first_accented = text;
            }
            out_ += static_cast<char>(byte);
            i += length;
        }
    }

    CatalogueEncoding encoding_;
    std::string& out_;
    int record_ = 0;
    int field_ = 0;
};

const char* line_end_text(CatalogueLineEnd line_end) {
    switch (line_end) {
        case CatalogueLineEnd::lf:
            return "\n";
        case CatalogueLineEnd::cr:
            return "\r";
        case CatalogueLineEnd::crlf:
            break;
    }
    return "\r\n";
}

// ---- Writing ----

[[noreturn]] void cannot_write(const std::filesystem::path& file, int error) {
    Message reason;
    switch (error) {
        case EACCES:
        case EPERM:
            reason =
                core_text("RunTimeError", "accès refusé (dossier ou fichier en lecture seule)");
            break;
        case EROFS:
            reason = core_text("RunTimeError", "le support est en lecture seule");
            break;
        case ENOSPC:
        case EDQUOT:
            reason = core_text("RunTimeError", "le disque est plein");
            break;
        case EFBIG:
            reason = core_text("RunTimeError", "le fichier serait trop grand");
            break;
        case ENOENT:
        case ENOTDIR:
            reason = core_text("RunTimeError", "le dossier n'existe pas");
            break;
        case EISDIR:
            reason = core_text("RunTimeError", "c'est un dossier, pas un fichier");
            break;
        default:
            reason = core_text("RunTimeError", "erreur d'écriture (errno %1)")
                         .with({value_text(std::to_string(error))});
    }
    throw RunTimeError(ErrorNumber::path_access,
                       core_text("RunTimeError",
                                 "Erreur d'accès au chemin/fichier : impossible d'enregistrer %1 : "
                                 "%2. Le fichier est resté tel qu'il était.")
                           .with({quoted_path(file), std::move(reason)}));
}

// Writes `bytes` to a new file beside `file`, on the disk, and returns its path; the permissions
// are `mode` when given. Returns the errno of a failure, with nothing left behind.
int write_beside(const std::filesystem::path& file, std::string_view bytes, const mode_t* mode,
                 std::filesystem::path& written) {
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        // Hidden beside the file, on the same disk, so the rename cannot cross file systems.
        written = file.parent_path() /
                  ("." + file.filename().string() + "." + std::to_string(::getpid()) + "-" +
                   std::to_string(attempt) + ".tmp");
        fd = ::open(written.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return errno;
        }
    }
    if (fd < 0) {
        return EEXIST;
    }
    int error = 0;
    if (mode && ::fchmod(fd, *mode) != 0) {
        error = errno;
    }
    for (std::size_t done = 0; error == 0 && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n >= 0) {
            done += static_cast<std::size_t>(n);
        } else if (errno != EINTR) {
            error = errno;
        }
    }
    // A rename that reaches the disk before the data would leave an empty catalogue after a
    // power cut.
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(written.c_str());
    }
    return error;
}

void sync_folder(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// `bytes` in place of `file`, all at once: a reader sees either the old file or the new one.
int replace_file(const std::filesystem::path& file, std::string_view bytes, const mode_t* mode,
                 std::filesystem::path& pending) {
    const int error = write_beside(file, bytes, mode, pending);
    if (error != 0) {
        return error;
    }
    if (::rename(pending.c_str(), file.c_str()) != 0) {
        const int renamed = errno;
        ::unlink(pending.c_str());
        return renamed;
    }
    pending.clear();
    return 0;
}

}  // namespace

CatalogueEncoding catalogue_encoding(const std::filesystem::path& file) {
    const std::string bytes = readable_bytes(file);
    if (std::string_view(bytes).starts_with(kBom)) {
        return CatalogueEncoding::utf8_bom;
    }
    return encoding::is_utf8_text(bytes) ? CatalogueEncoding::utf8
                                         : CatalogueEncoding::windows_1252;
}

CatalogueLineEnd catalogue_line_end(const std::filesystem::path& file) {
    const std::string bytes = readable_bytes(file);
    const std::size_t at = bytes.find_first_of("\r\n");
    if (at == std::string::npos || bytes.compare(at, 2, "\r\n") == 0) {
        return CatalogueLineEnd::crlf;
    }
    return bytes[at] == '\r' ? CatalogueLineEnd::cr : CatalogueLineEnd::lf;
}

std::string catalogue_text(const std::vector<std::vector<FieldValue>>& records,
                           CatalogueEncoding encoding, CatalogueLineEnd line_end) {
    std::string out;
    if (encoding == CatalogueEncoding::utf8_bom) {
        out += kBom;
    }
    TextWriter writer(encoding, out);
    const std::size_t length = records.empty() ? 0 : records.front().size();
    for (std::size_t r = 0; r < records.size(); ++r) {
        const auto& record = records[r];
        writer.at(static_cast<int>(r + 1), 1);
        // The reader counts fields, not lines: a record of another length shifts every record
        // after it.
        if (record.empty()) {
            writer.refuse(core_text("RunTimeError", "un enregistrement a au moins un champ"));
        }
        if (record.size() != length) {
            writer.refuse(
                core_text("RunTimeError", "l'enregistrement a %1 champs, le premier en a %2")
                    .with({value_text(std::to_string(record.size())),
                           value_text(std::to_string(length))}));
        }
        for (std::size_t f = 0; f < record.size(); ++f) {
            writer.at(static_cast<int>(r + 1), static_cast<int>(f + 1));
            if (f > 0) {
                out += ',';
            }
            if (const auto* number = std::get_if<double>(&record[f])) {
                writer.number(*number);
            } else if (const auto* text = std::get_if<std::string>(&record[f])) {
                writer.text(*text);
            }
        }
        out += line_end_text(line_end);
    }
    // Windows-1252 bytes that happen to make valid UTF-8 (« Ã© ») are read back as UTF-8.
    if (encoding == CatalogueEncoding::windows_1252 && encoding::is_utf8_text(out)) {
        writer.at(writer.first_accented_record, writer.first_accented_field);
        writer.refuse(core_text("RunTimeError",
                                "en Windows-1252, le fichier serait relu comme de "
                                "l'UTF-8 et le texte %1 changerait")
                          .with({shown(writer.first_accented)}),
                      true);
    }
    return out;
}

void write_catalogue(const std::filesystem::path& file,
                     const std::vector<std::vector<FieldValue>>& records,
                     CatalogueEncoding encoding, CatalogueLineEnd line_end) {
    const std::string text = catalogue_text(records, encoding, line_end);

    struct stat status {};
    const bool exists = ::stat(file.c_str(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode)) {
        cannot_write(file, EISDIR);
    }
    const mode_t mode = status.st_mode & 07777;
    const mode_t* kept_mode = exists ? &mode : nullptr;

    // The new catalogue is on the disk before anything else changes, so a full disk stops here.
    std::filesystem::path pending;
    if (const int error = write_beside(file, text, kept_mode, pending)) {
        cannot_write(file, error);
    }
    const auto give_up = [&](int error) {
        ::unlink(pending.c_str());
        cannot_write(file, error);
    };
    if (exists) {
        FileBytes previous = read_bytes(file);
        if (previous.error != 0) {
            give_up(previous.error);
        }
        std::filesystem::path backup = file;
        backup += ".bak";
        std::filesystem::path backup_pending;
        if (const int error = replace_file(backup, previous.bytes, kept_mode, backup_pending)) {
            give_up(error);
        }
    }
    if (::rename(pending.c_str(), file.c_str()) != 0) {
        give_up(errno);
    }
    sync_folder(file);
}

}  // namespace gypsomix
