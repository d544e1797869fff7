#pragma once

#include <stdexcept>
#include <string>
#include <utility>

#include "catalogue/message.h"

namespace gypsomix {

// The numbers of the run-time report. They never change meaning, so a caster can quote one when
// asking for help, and the help can tell a damaged catalogue (53, 62) from bad figures (6, 13).
enum class ErrorNumber : int {
    invalid_argument = 5,  // "Appel de procédure ou argument incorrect"
    overflow = 6,
    division_by_zero = 11,
    type_mismatch = 13,
    file_not_found = 53,
    input_past_end = 62,
    path_access = 75,  // "Erreur d'accès au chemin/fichier"
};

// A failure reported to the user as "Erreur d'exécution N" with a French description.
class RunTimeError : public std::runtime_error {
  public:
    RunTimeError(ErrorNumber number, const std::string& description)
        : std::runtime_error(description), number_(number), message_(value_text(description)) {}
    RunTimeError(ErrorNumber number, Message message)
        : std::runtime_error(message.french()), number_(number), message_(std::move(message)) {}

    ErrorNumber error() const noexcept { return number_; }
    int number() const noexcept { return static_cast<int>(number_); }
    // The description as a template and its arguments, for a window in another language.
    const Message& message() const noexcept { return message_; }

  private:
    ErrorNumber number_;
    Message message_;
};

}  // namespace gypsomix
