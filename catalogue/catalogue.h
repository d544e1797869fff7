#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/field_reader.h"

namespace gypsomix {

struct CatalogueEntry {
    std::string name;
    int ordinal;
};

// Material catalogue: name, water %, mixing, gel, pourable time (min), density, expansion 1 h, 2 h.
struct MatRecord {
    static constexpr const char* path = "Data/Mat.txt";
    static constexpr int fields = 8;
};

// Flask catalogue: name, diameter (mm), height (mm).
struct CylindreRecord {
    static constexpr const char* path = "Data/Cylindre.txt";
    static constexpr int fields = 3;
};

// Metal catalogue: name, density (g/cm³).
struct MetalRecord {
    static constexpr const char* path = "Data/Metal.txt";
    static constexpr int fields = 2;
};

// Burnout programmes: name, target temperature (°C), rate of climb (°C per hour, 0 as fast as
// the oven goes), hold (min). One record per step; consecutive records of one name are one
// programme.
struct CuissonRecord {
    static constexpr const char* path = "Data/Cuisson.txt";
    static constexpr int fields = 4;
};

// Calls `emit` with every record's first field, trimmed of spaces, and its 0-based position in
// the file, in file order. The name may be moved from. Nothing is kept between two calls, so a
// window can build its list straight from the file whatever the file's size.
void for_each_entry(const std::filesystem::path& file, int fields_per_record,
                    const std::function<void(std::string& name, int ordinal)>& emit);

// Every record's first field, trimmed of spaces, with its 0-based position in the file.
std::vector<CatalogueEntry> list_entries(const std::filesystem::path& file, int fields_per_record);

// The fields of the record at `ordinal`, or nothing when the file has no such record.
// The whole file is read in every case, so a damaged tail is reported even after a match.
std::optional<std::vector<FieldValue>> fetch_record(const std::filesystem::path& file,
                                                    int fields_per_record, int ordinal);

}  // namespace gypsomix
