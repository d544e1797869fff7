// Arbitrary bytes as a catalogue file: listing and fetching must give a result or one of the
// program's run-time errors, and the two must agree with each other.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "catalogue/catalogue.h"
#include "catalogue/encoding.h"
#include "catalogue_target.h"

namespace {

using gypsomix::CatalogueEntry;
using gypsomix::FieldValue;

using fuzzing::attempt;
using fuzzing::check;

// Names and texts reach the windows as UTF-8, whatever the file held.
bool valid_utf8(std::string_view s) {
    return gypsomix::encoding::classify_utf8(s) != gypsomix::encoding::Utf8::invalid;
}

// The name as the list shows it: field text with the point, trimmed of spaces only.
std::string listed_name(const FieldValue& value) {
    const std::string text = gypsomix::value_to_text(value, gypsomix::NumberFormat{});
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void exercise(int fields) {
    const auto listing =
        attempt([&] { return gypsomix::list_entries(fuzzing::catalogue_path(), fields); });
    const int count = listing.value ? static_cast<int>(listing.value->size()) : 0;
    if (listing.value) {
        for (int k = 0; k < count; ++k) {
            const CatalogueEntry& entry = (*listing.value)[static_cast<std::size_t>(k)];
            check(entry.ordinal == k, "ordinals are not 0..n-1 in file order");
            check(valid_utf8(entry.name), "listed name is not UTF-8");
            check(entry.name.empty() || (entry.name.front() != ' ' && entry.name.back() != ' '),
                  "listed name keeps surrounding spaces");
        }
    }

    std::vector<int> ordinals{0, count - 1, count, count + 1};
    if (count > 2) {
        ordinals.push_back(count / 2);
    }
    for (const int ordinal : ordinals) {
        if (ordinal < 0) {
            continue;
        }
        const auto fetched = attempt(
            [&] { return gypsomix::fetch_record(fuzzing::catalogue_path(), fields, ordinal); });
        // Both read the whole unchanged file, so they fail alike or succeed alike.
        check(fetched.error == listing.error, "listing and fetching disagree on the error");
        if (!fetched.value) {
            continue;
        }
        const auto& record = *fetched.value;
        if (ordinal >= count) {
            check(!record.has_value(), "a record past the end was returned");
            continue;
        }
        check(record.has_value(), "a listed record was not found");
        check(record->size() == static_cast<std::size_t>(fields), "wrong number of fields");
        for (const FieldValue& field : *record) {
            if (const auto* text = std::get_if<std::string>(&field)) {
                check(valid_utf8(*text), "field text is not UTF-8");
            }
        }
        check(listed_name(record->front()) ==
                  (*listing.value)[static_cast<std::size_t>(ordinal)].name,
              "fetched record's name differs from the listed name");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::write_catalogue(data, size);

    exercise(8);
    exercise(3);
    return 0;
}
