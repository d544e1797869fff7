#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/encoding.h"
#include "catalogue/field_reader.h"
#include "catalogue/large_block.h"

namespace gypsomix {

// One listed record: its name, in UTF-8, and its 0-based position in the file.
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

// Every record's name in file order, back to back in one buffer as the file writes them: a
// hundred thousand names cost two blocks of memory, not a hundred thousand strings, and are
// decoded to UTF-8 only when one is asked for.
class CatalogueListing {
  public:
    class iterator {
      public:
        iterator(const CatalogueListing& listing, std::size_t row)
            : listing_(&listing), row_(row) {}
        CatalogueEntry operator*() const { return (*listing_)[row_]; }
        iterator& operator++() {
            ++row_;
            return *this;
        }
        bool operator==(const iterator& other) const { return row_ == other.row_; }

      private:
        const CatalogueListing* listing_;
        std::size_t row_;
    };

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    // The name of the record at `row`, in UTF-8.
    std::string name(std::size_t row) const;
    // How many characters that name has.
    std::size_t characters(std::size_t row) const;
    // Its size as the file writes it: never fewer bytes than it has characters, in any encoding.
    std::size_t stored_size(std::size_t row) const { return stored(row).size(); }
    // The first row whose name is `name` (UTF-8), if any.
    std::optional<std::size_t> find(std::string_view name) const;
    CatalogueEntry operator[](std::size_t row) const { return {name(row), static_cast<int>(row)}; }
    iterator begin() const { return {*this, 0}; }
    iterator end() const { return {*this, count_}; }

  private:
    friend class ListingBuilder;
    std::string_view stored(std::size_t row) const {
        const auto* ends = reinterpret_cast<const std::size_t*>(ends_.data());
        const std::size_t begin = row == 0 ? 0 : ends[row - 1];
        return {names_.data() + begin, ends[row] - begin};
    }

    LargeBlock names_;
    LargeBlock ends_;  // where each name ends in names_, as std::size_t
    std::size_t count_ = 0;
    encoding::TextEncoding encoding_ = encoding::TextEncoding::ascii;
};

// Burnout programmes: name, target temperature (°C), rate of climb (°C per hour, 0 as fast as
// the oven goes), hold (min). One record per step; consecutive records of one name are one
// programme.
struct CuissonRecord {
    static constexpr const char* path = "Data/Cuisson.txt";
    static constexpr int fields = 4;
};

// Calls `emit` with every record's first field, trimmed of spaces, and its 0-based position in
// the file, in file order. The name may be moved from.
void for_each_entry(const std::filesystem::path& file, int fields_per_record,
                    const std::function<void(std::string& name, int ordinal)>& emit);

// Every record's first field, trimmed of spaces, with its 0-based position in the file.
CatalogueListing list_entries(const std::filesystem::path& file, int fields_per_record);

// The fields of the record at `ordinal`, or nothing when the file has no such record.
// The whole file is read in every case, so a damaged tail is reported even after a match.
std::optional<std::vector<FieldValue>> fetch_record(const std::filesystem::path& file,
                                                    int fields_per_record, int ordinal);

}  // namespace gypsomix
