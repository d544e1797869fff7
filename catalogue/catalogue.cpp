#include "catalogue/catalogue.h"

#include <stdexcept>

#include "calc/number_text.h"

namespace gypsomix {
namespace {

std::string entry_name(FieldValue&& value) {
    // A numeric name is listed the way it is written in the file. A text is trimmed in place:
    // the decoder already sized it exactly.
    std::string name = std::holds_alternative<std::string>(value)
                           ? std::move(std::get<std::string>(value))
                           : value_to_text(value, NumberFormat{});
    const auto last = name.find_last_not_of(' ');
    if (last == std::string::npos) {
        return {};
    }
    name.erase(last + 1);
    name.erase(0, name.find_first_not_of(' '));
    return name;
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
    // Reserved from the file size (a field takes some 8 bytes on average): growing the vector
    // step by step re-touches fresh memory at every step and tripled the time on large files.
    std::vector<CatalogueEntry> entries;
    entries.reserve(reader.size() / (8 * static_cast<std::size_t>(fields_per_record)) + 1);
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
