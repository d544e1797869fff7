#include "catalogue/catalogue.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace gypsomix {
namespace {

void open_catalogue(FieldReader& reader, const std::filesystem::path& file, int fields_per_record) {
    if (fields_per_record < 1) {
        throw std::invalid_argument("a catalogue record has at least one field");
    }
    reader.set_record_length(fields_per_record);
    reader.open(file);
}

std::size_t utf8_characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    }));
}

// The fields after a record's first, all at once when they are plain.
void skip_rest_of_record(FieldReader& reader, int fields_per_record) {
    if (fields_per_record > 1 && !reader.read_plain_record(fields_per_record - 1, nullptr)) {
        for (int i = 1; i < fields_per_record; ++i) {
            reader.skip_field();
        }
    }
}

// The listing loop that both public forms share: `take` gets each name before the rest of its
// record is read, `emit` the record's ordinal once it is whole.
template <typename Take, typename Emit>
void each_entry(FieldReader& reader, int fields_per_record, Take&& take, Emit&& emit) {
    for (int ordinal = 0; !reader.at_end(); ++ordinal) {
        std::string_view quoted;
        if (reader.read_plain_record(fields_per_record - 1, &quoted)) {
            take(FieldReader::Name{quoted, false});
        } else {
            take(reader.read_name());
            skip_rest_of_record(reader, fields_per_record);
        }
        emit(ordinal);
    }
    reader.close();
}

}  // namespace

// Fills a listing's two blocks, sized once from the file: the names never take more than the
// file, and a field takes some 8 bytes on average. Either grows if the file proves otherwise.
class ListingBuilder {
  public:
    ListingBuilder(CatalogueListing& listing, std::uintmax_t file_size, int fields_per_record)
        : listing_(listing) {
        const auto size = static_cast<std::size_t>(file_size);
        listing_.names_ = LargeBlock(size + kPadding);
        listing_.ends_ = LargeBlock((size / (8 * static_cast<std::size_t>(fields_per_record)) + 1) *
                                    sizeof(std::size_t));
    }

    void take(FieldReader& reader, const FieldReader::Name& name) {
        // More than the file only when it grew while being read.
        const std::size_t size = name.text.size();
        if (size + kPadding > listing_.names_.capacity() - used_) {
            listing_.names_.grow(std::max(2 * listing_.names_.capacity(), used_ + size + kPadding),
                                 used_);
        }
        char* out = listing_.names_.data() + used_;
        if (name.number) {
            std::copy(name.text.begin(), name.text.end(), out);
        } else {
            listing_.encoding_ = reader.encoding_for(name.text);
            copy_in_sixteens(name.text, out);
        }
        pending_end_ = used_ + size;
    }

    void emit() {
        const std::size_t count = listing_.count_;
        if ((count + 1) * sizeof(std::size_t) > listing_.ends_.capacity()) {
            listing_.ends_.grow(2 * listing_.ends_.capacity(), count * sizeof(std::size_t));
        }
        used_ = pending_end_;
        std::memcpy(listing_.ends_.data() + count * sizeof(std::size_t), &used_, sizeof used_);
        listing_.count_ = count + 1;
    }

  private:
    // A name goes sixteen bytes at a time, so the copy's length costs no branch of its own: it
    // may read and write up to fifteen bytes past the name.
    static constexpr std::size_t kPadding = 16;
    static void copy_in_sixteens(std::string_view text, char* out) {
        for (std::size_t i = 0; i < text.size(); i += 16) {
            std::memcpy(out + i, text.data() + i, 16);
        }
    }

    CatalogueListing& listing_;
    std::size_t used_ = 0;
    std::size_t pending_end_ = 0;
};

std::string CatalogueListing::name(std::size_t row) const {
    std::string text;
    encoding::append_as_utf8(stored(row), encoding_, text);
    return text;
}

std::size_t CatalogueListing::characters(std::size_t row) const {
    const std::string_view bytes = stored(row);
    switch (encoding_) {
        case encoding::TextEncoding::ascii:
        case encoding::TextEncoding::cp1252:
            return bytes.size();  // one byte, one character
        case encoding::TextEncoding::utf8:
            break;
        case encoding::TextEncoding::utf8_repaired:
            return utf8_characters(name(row));
    }
    return utf8_characters(bytes);
}

std::optional<std::size_t> CatalogueListing::find(std::string_view name) const {
    std::string text;
    for (std::size_t row = 0; row < count_; ++row) {
        text.clear();
        encoding::append_as_utf8(stored(row), encoding_, text);
        if (text == name) {
            return row;
        }
    }
    return std::nullopt;
}

void for_each_entry(const std::filesystem::path& file, int fields_per_record,
                    const std::function<void(std::string& name, int ordinal)>& emit) {
    FieldReader reader;
    open_catalogue(reader, file, fields_per_record);
    std::string name;
    each_entry(
        reader, fields_per_record,
        [&](const FieldReader::Name& field) {
            name.clear();
            encoding::append_as_utf8(field.text, reader.encoding_for(field.text), name);
        },
        [&](int ordinal) { emit(name, ordinal); });
}

CatalogueListing list_entries(const std::filesystem::path& file, int fields_per_record) {
    FieldReader reader;
    open_catalogue(reader, file, fields_per_record);
    CatalogueListing listing;
    ListingBuilder builder(listing, reader.size(), fields_per_record);
    each_entry(
        reader, fields_per_record,
        [&](const FieldReader::Name& name) { builder.take(reader, name); },
        [&](int) { builder.emit(); });
    return listing;
}

std::optional<std::vector<FieldValue>> fetch_record(const std::filesystem::path& file,
                                                    int fields_per_record, int ordinal) {
    FieldReader reader;
    open_catalogue(reader, file, fields_per_record);
    std::optional<std::vector<FieldValue>> found;
    for (int counter = 0; !reader.at_end(); ++counter) {
        if (counter == ordinal) {
            std::vector<FieldValue> fields;
            fields.reserve(static_cast<std::size_t>(fields_per_record));
            for (int i = 0; i < fields_per_record; ++i) {
                fields.push_back(reader.read_field());
            }
            found = std::move(fields);
        } else if (std::string_view name; !reader.read_plain_record(fields_per_record - 1, &name)) {
            reader.skip_field();
            skip_rest_of_record(reader, fields_per_record);
        }
    }
    reader.close();
    return found;
}

}  // namespace gypsomix
