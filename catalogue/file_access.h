#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "catalogue/message.h"

namespace gypsomix {

// Opens a catalogue for reading and returns its descriptor, which the caller closes. A missing
// file, a folder, a pipe or device, or a file that cannot be opened throws RunTimeError 53
// saying which.
int open_catalogue_file(const std::filesystem::path& path);

// RunTimeError 53 for a catalogue that could not be read; `error` is the errno value.
[[noreturn]] void throw_unreadable(const std::filesystem::path& path, int error);

// Where a field stands, as the run-time report says it: "fichier « P », enregistrement R,
// champ F" for the `fields_read`-th field counted from 0; with no record length, the field alone.
Message field_place(const std::filesystem::path& path, long long fields_read, int record_length);
std::string field_position(const std::filesystem::path& path, long long fields_read,
                           int record_length);

// RunTimeError 62: a field asked for at the end of the file, at `where`.
[[noreturn]] void throw_past_end(const Message& where);
[[noreturn]] void throw_past_end(const std::string& where);

// RunTimeError 6: a number beyond the double range, quoted from the file, at `where`.
[[noreturn]] void throw_out_of_range(std::string_view text, const Message& where);
[[noreturn]] void throw_out_of_range(std::string_view text, const std::string& where);

}  // namespace gypsomix
