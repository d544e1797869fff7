#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue/message.h"
#include "document/plan_document.h"

namespace gypsomix {

inline constexpr std::string_view plan_file_format = "gypsomix-plan";
inline constexpr int plan_file_version = 1;
// A plan of 999 lines, each with a catalogue flask, takes about 300 KiB; anything past this is
// not a plan.
inline constexpr std::size_t plan_file_max_bytes = std::size_t(1) << 20;

enum class PlanFileFault {
    too_large,      // over plan_file_max_bytes
    not_json,       // broken JSON (or not UTF-8); the message gives the line and column
    not_a_plan,     // JSON, but not a plan of this program
    newer_version,  // a plan written by a later version of the program
    wrong_kind,     // a key holds a value of the wrong kind or out of its range
};

// Why a plan file was refused. what() is a French clause naming the fault but not the file,
// which the caller names: "ce n'est pas du JSON valide (ligne 3, colonne 7)".
class PlanFileError : public std::runtime_error {
  public:
    PlanFileError(PlanFileFault fault, Message message)
        : std::runtime_error(message.french()), fault_(fault), message_(std::move(message)) {}
    PlanFileFault fault() const noexcept { return fault_; }
    // The clause as a template and its arguments, for a window in another language.
    const Message& message() const noexcept { return message_; }

  private:
    PlanFileFault fault_;
    Message message_;
};

// The plan file's bytes: UTF-8 JSON, every key in the documented order, ended by a line feed.
std::string write_plan_file(const PlanDocument& plan);

// A plan from a file's bytes. The whole file is checked before anything is returned: a file
// that is damaged anywhere throws PlanFileError and gives no plan. Unknown keys are ignored and
// missing optional keys read as empty.
PlanDocument read_plan_file(std::string_view bytes);

}  // namespace gypsomix
