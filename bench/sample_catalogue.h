#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace gypsomix::bench {

// A temporary folder removed with its contents when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// A material catalogue the way workshops write them: Windows-1252 names in quotes, some holding
// commas, CR LF line ends, integers, decimals and the odd exponent or padded number.
// Writes `records` records, or stops earlier once the text holds `min_bytes` (when not 0).
std::string material_catalogue(std::size_t min_bytes, std::size_t records);

// A flask catalogue of `records` records (name, diameter, height), Windows-1252 with CR LF:
// metric and inch sizes, short names beside long ones that give the type and the fitting.
std::string flask_catalogue(std::size_t records);

void write_file(const std::filesystem::path& path, const std::string& bytes);

}  // namespace gypsomix::bench
