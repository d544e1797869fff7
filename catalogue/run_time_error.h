#pragma once

#include <stdexcept>
#include <string>

namespace gypsomix {

// The error numbers the program reports, as casters know them from the original program.
enum ErrorNumber : int {
    kOverflow = 6,
    kDivisionByZero = 11,
    kTypeMismatch = 13,
    kFileNotFound = 53,
    kInputPastEnd = 62,
};

// A failure reported to the user as "Erreur d'exécution N" with a French description.
class RunTimeError : public std::runtime_error {
  public:
    RunTimeError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    int number() const noexcept { return number_; }

  private:
    int number_;
};

}  // namespace gypsomix
