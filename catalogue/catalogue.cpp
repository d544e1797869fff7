#include "catalogue/catalogue.h"

#include <stdexcept>

#include "catalogue/number_syntax.h"

namespace gypsomix {
namespace {

// Inlined into both listings: a call per record is a measurable share of a large listing.
[[gnu::always_inline]] inline std::string entry_name(FieldValue&& value) {
    // A numeric name is listed the way it is written in the file. A text is trimmed in place:
    // the decoder already sized it exactly.
    std::string name =
        std::holds_alternative<std::string>(value) ? std::move(std::get<std::string>(value))
        : std::holds_alternative<double>(value) ? general_format(std::get<double>(value), 15, ".")
                                                : std::string();
    const auto last = name.find_last_not_of(' ');
    if (last == std::string::npos) {
        return {};
    }
    name.erase(last + 1);
    name.erase(0, name.find_first_not_of(' '));
    return name;
}

FieldReader open_catalogue(const std::filesystem::path& file, int fields_per_record) {
    if (fields_per_record < 1) {
        throw std::invalid_argument("a catalogue record has at least one field");
    }
    FieldReader reader;
    reader.set_record_length(fields_per_record);
    reader.open(file);
    return reader;
}

// The listing loop that both public forms share: the name, then the other fields skipped.
template <typename Emit>
void each_entry(FieldReader& reader, int fields_per_record, Emit&& emit) {
    int ordinal = 0;
    while (!reader.at_end()) {
        std::string name = entry_name(reader.read_field());
        for (int i = 1; i < fields_per_record; ++i) {
            reader.skip_field();
        }
        emit(name, ordinal++);
    }
    reader.close();
}

}  // namespace

void for_each_entry(const std::filesystem::path& file, int fields_per_record,
                    const std::function<void(std::string& name, int ordinal)>& emit) {
    FieldReader reader = open_catalogue(file, fields_per_record);
    each_entry(reader, fields_per_record, emit);
}

std::vector<CatalogueEntry> list_entries(const std::filesystem::path& file, int fields_per_record) {
    FieldReader reader = open_catalogue(file, fields_per_record);
    // Reserved from the file size (a field takes some 8 bytes on average): growing the vector
    // step by step re-touches fresh memory at every step and tripled the time on large files.
    std::vector<CatalogueEntry> entries;
    entries.reserve(reader.size() / (8 * static_cast<std::size_t>(fields_per_record)) + 1);
    each_entry(reader, fields_per_record, [&](std::string& name, int ordinal) {
        entries.push_back({std::move(name), ordinal});
    });
    return entries;
}

std::optional<std::vector<FieldValue>> fetch_record(const std::filesystem::path& file,
                                                    int fields_per_record, int ordinal) {
    FieldReader reader = open_catalogue(file, fields_per_record);
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
