#include "catalogue/file_access.h"

#include <fcntl.h>

#include <cerrno>
#include <system_error>

#include "catalogue/run_time_error.h"

namespace gypsomix {
namespace {

std::string quoted_path(const std::filesystem::path& path) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    std::string text = "« " + path.string() + " »";
    if (!ec && absolute != path) {
        text += " (" + absolute.lexically_normal().string() + ")";
    }
    return text;
}

}  // namespace

void throw_unreadable(const std::filesystem::path& path, int error) {
    const char* reason = "erreur de lecture";
    if (error == EACCES || error == EPERM) {
        reason = "accès refusé";
    } else if (error == EISDIR) {
        reason = "c'est un dossier, pas un fichier";
    }
    throw RunTimeError(ErrorNumber::file_not_found,
                       "Impossible de lire le fichier " + quoted_path(path) + " : " + reason + ".");
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
                           "Impossible de lire le fichier " + quoted_path(path) +
                               " : ce n'est pas un fichier ordinaire.");
    }
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR) {
            throw RunTimeError(ErrorNumber::file_not_found,
                               "Fichier introuvable : " + quoted_path(path) + ".");
        }
        throw_unreadable(path, error);
    }
    return fd;
}

std::string field_position(const std::filesystem::path& path, long long fields_read,
                           int record_length) {
    std::string text = "fichier « " + path.string() + " », ";
    if (record_length > 0) {
        text += "enregistrement " + std::to_string(fields_read / record_length + 1) + ", champ " +
                std::to_string(fields_read % record_length + 1);
    } else {
        text += "champ " + std::to_string(fields_read + 1);
    }
    return text;
}

void throw_past_end(const std::string& where) {
    throw RunTimeError(ErrorNumber::input_past_end,
                       "Lecture au-delà de la fin du fichier : " + where +
                           " manquant (enregistrement incomplet ou ligne vide en fin de fichier).");
}

void throw_out_of_range(std::string_view text, const std::string& where) {
    constexpr std::size_t kShown = 40;
    std::string shown(text.substr(0, kShown));
    if (text.size() > kShown) {
        shown += "…";
    }
    throw RunTimeError(ErrorNumber::overflow, "Dépassement de capacité : le nombre « " + shown +
                                                  " » (" + where +
                                                  ") dépasse les limites d'un nombre réel.");
}

}  // namespace gypsomix
