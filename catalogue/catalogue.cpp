#include "catalogue/catalogue.h"

#include <stdexcept>

#include "calc/number_text.h"

namespace gypsomix {
namespace {

std::string entry_name(const FieldValue& value) {
    // A numeric name is listed the way it is written in the file.
    std::string name = value_to_text(value, NumberFormat{});
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    const auto last = name.find_last_not_of(' ');
    return name.substr(first, last - first + 1);
}

void check_record_length(int fields_per_record) {
    if (fields_per_record < 1) {
        throw std::invalid_argument("a catalogue record has at least one field");
    }
}

}  // namespace

std::vector<CatalogueEntry> list_entries(const std::filesystem::path& file, int fields_per_record) {
    check_record_length(fields_per_record);
    FieldReader reader;
    reader.set_record_length(fields_per_record);
    reader.open(file);
    std::vector<CatalogueEntry> entries;
    int ordinal = 0;
    while (!reader.at_end()) {
        std::string name = entry_name(reader.read_field());
        for (int i = 1; i < fields_per_record; ++i) {
            reader.skip_field();
        }
        entries.push_back({std::move(name), ordinal++});
    }
    reader.close();
    return entries;
}

std::optional<std::vector<FieldValue>> fetch_record(const std::filesystem::path& file,
                                                    int fields_per_record, int ordinal) {
    check_record_length(fields_per_record);
    FieldReader reader;
    reader.set_record_length(fields_per_record);
    reader.open(file);
    std::optional<std::vector<FieldValue>> found;
    int counter = 0;
    while (!reader.at_end()) {
        if (counter == ordinal) {
            std::vector<FieldValue> fields;
            fields.reserve(static_cast<std::size_t>(fields_per_record));
            for (int i = 0; i < fields_per_record; ++i) {
                fields.push_back(reader.read_field());
            }
            found = std::move(fields);
        } else {
            for (int i = 0; i < fields_per_record; ++i) {
                reader.skip_field();
            }
        }
        ++counter;
    }
    reader.close();
    return found;
}

}  // namespace gypsomix
