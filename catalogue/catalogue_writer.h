#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/field_value.h"
#include "catalogue/run_time_error.h"

namespace gypsomix {

enum class CatalogueEncoding { windows_1252, utf8, utf8_bom };

// How records end. Catalogues are written with CR LF; a file written by a Linux editor keeps its
// own line ends when it is written again.
enum class CatalogueLineEnd { crlf, lf, cr };

// The encoding the reader reads `file` in (its own rule: a byte-order mark, valid UTF-8 with an
// accented letter, else Windows-1252). Throws RunTimeError 53 when the file cannot be read.
CatalogueEncoding catalogue_encoding(const std::filesystem::path& file);

// The line end the file's first record ends with; CR LF when no line ends. Throws RunTimeError 53
// when the file cannot be read.
CatalogueLineEnd catalogue_line_end(const std::filesystem::path& file);

// A text that catalogue_text cannot write, with where it stands.
class CatalogueTextError : public RunTimeError {
  public:
    CatalogueTextError(Message description, int record, int field, bool encoding_cannot_hold)
        : RunTimeError(ErrorNumber::invalid_argument, std::move(description)),
          record_(record),
          field_(field),
          encoding_cannot_hold_(encoding_cannot_hold) {}

    // From 1.
    int record() const noexcept { return record_; }
    int field() const noexcept { return field_; }
    // The text is sound but the encoding cannot hold it: written in UTF-8, it could be.
    bool encoding_cannot_hold() const noexcept { return encoding_cannot_hold_; }

  private:
    int record_;
    int field_;
    bool encoding_cannot_hold_;
};

// A catalogue's bytes. Records one per line, each ended by CR LF, fields separated by ",".
// A text is written between double quotes. A number is written as value_to_text writes it with
// the invariant format (`.`, no grouping: "1.72", "38", "1E-05"). Windows-1252 is written for
// windows_1252, UTF-8 for utf8, and UTF-8 after EF BB BF for utf8_bom.
// Throws RunTimeError 5 (its description naming the record from 1 and the field from 1) for a
// text that holds a double quote, a CR or an LF, or a character that the encoding cannot hold;
// also for a number that is not finite, a record of no field or of another length than the
// first, and Windows-1252 bytes that the reader would take for UTF-8. The error is a
// CatalogueTextError.
std::string catalogue_text(const std::vector<std::vector<FieldValue>>& records,
                           CatalogueEncoding encoding,
                           CatalogueLineEnd line_end = CatalogueLineEnd::crlf);

// catalogue_text written atomically: a temporary file beside `file`, then renamed over it, with
// the previous file kept as `file` + ".bak". Throws RunTimeError 5 as above, and 75 (« Erreur
// d'accès au chemin/fichier ») when the file cannot be written; `file` is then unchanged.
void write_catalogue(const std::filesystem::path& file,
                     const std::vector<std::vector<FieldValue>>& records,
                     CatalogueEncoding encoding,
                     CatalogueLineEnd line_end = CatalogueLineEnd::crlf);

}  // namespace gypsomix
