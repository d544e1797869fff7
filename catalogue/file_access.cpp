#include "catalogue/file_access.h"

#include <fcntl.h>

#include <cerrno>
#include <system_error>

#include "catalogue/run_time_error.h"

namespace gypsomix {
namespace {

Message quoted_path(const std::filesystem::path& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    if (!ec && absolute != path) {
        return core_text("RunTimeError", "« %1 » (%2)")
            .with({value_text(path.string()), value_text(absolute.lexically_normal().string())});
    }
    return core_text("RunTimeError", "« %1 »").with({value_text(path.string())});
}

}  // namespace

void throw_unreadable(const std::filesystem::path& path, int error) {
    Message reason = core_text("RunTimeError", "erreur de lecture");
    if (error == EACCES || error == EPERM) {
        reason = core_text("RunTimeError", "accès refusé");
    } else if (error == EISDIR) {
        reason = core_text("RunTimeError", "c'est un dossier, pas un fichier");
    }
    throw RunTimeError(ErrorNumber::file_not_found,
                       core_text("RunTimeError", "Impossible de lire le fichier %1 : %2.")
                           .with({quoted_path(path), std::move(reason)}));
}

int open_catalogue_file(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status)) {
        throw_unreadable(path, EISDIR);
    }
    // A named pipe would block and a device may never end: only plain files are catalogues.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        throw RunTimeError(ErrorNumber::file_not_found,
                           core_text("RunTimeError",
                                     "Impossible de lire le fichier %1 : ce n'est pas un fichier "
                                     "ordinaire.")
                               .with({quoted_path(path)}));
    }
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            throw RunTimeError(
                ErrorNumber::file_not_found,
                core_text("RunTimeError", "Fichier introuvable : %1.").with({quoted_path(path)}));
        }
        throw_unreadable(path, error);
    }
    return fd;
}

Message field_place(const std::filesystem::path& path, long long fields_read, int record_length) {
    if (record_length > 0) {
        return core_text("RunTimeError", "fichier « %1 », enregistrement %2, champ %3")
            .with({value_text(path.string()),
                   value_text(std::to_string(fields_read / record_length + 1)),
                   value_text(std::to_string(fields_read % record_length + 1))});
    }
    return core_text("RunTimeError", "fichier « %1 », champ %2")
        .with({value_text(path.string()), value_text(std::to_string(fields_read + 1))});
}

std::string field_position(const std::filesystem::path& path, long long fields_read,
                           int record_length) {
    return field_place(path, fields_read, record_length).french();
}

void throw_past_end(const std::string& where) {
    throw_past_end(value_text(where));
}

void throw_out_of_range(std::string_view text, const std::string& where) {
    throw_out_of_range(text, value_text(where));
}

void throw_past_end(const Message& where) {
    throw RunTimeError(ErrorNumber::input_past_end,
                       core_text("RunTimeError",
                                 "Lecture au-delà de la fin du fichier : %1 manquant "
                                 "(enregistrement incomplet ou ligne vide en fin de fichier).")
                           .with({where}));
}

void throw_out_of_range(std::string_view text, const Message& where) {
    constexpr std::size_t kShown = 40;
    std::string shown(text.substr(0, kShown));
    if (text.size() > kShown) {
        shown += "…";
    }
    throw RunTimeError(ErrorNumber::overflow,
                       core_text("RunTimeError",
                                 "Dépassement de capacité : le nombre « %1 » (%2) dépasse les "
                                 "limites d'un nombre réel.")
                           .with({value_text(shown), where}));
}

}  // namespace gypsomix
