// Arbitrary bytes as a catalogue file, read by the catalogue reader and by the reader it replaced
// (tests/reference_catalogue): the same listing, the same records, the same fields one by one,
// and the same run-time error, number and description, naming the same record and field.
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue_target.h"
#include "reference_catalogue.h"

namespace {

using gypsomix::FieldValue;

using fuzzing::attempt;
using fuzzing::check;

// Doubles compared bit for bit, so that a zero's sign counts.
bool same(const FieldValue& a, const FieldValue& b) {
    if (a.index() != b.index()) {
        return false;
    }
    if (const double* x = std::get_if<double>(&a)) {
        return std::bit_cast<std::uint64_t>(*x) ==
               std::bit_cast<std::uint64_t>(std::get<double>(b));
    }
    return a == b;
}

bool same(const std::optional<std::vector<FieldValue>>& a,
          const std::optional<std::vector<FieldValue>>& b) {
    return a.has_value() == b.has_value() &&
           (!a || std::equal(a->begin(), a->end(), b->begin(), b->end(),
                             [](const FieldValue& x, const FieldValue& y) { return same(x, y); }));
}

using Names = std::vector<std::string>;

void compare(int fields) {
    const auto fast = attempt([&] {
        Names names;
        for (const gypsomix::CatalogueEntry& entry :
             gypsomix::list_entries(fuzzing::catalogue_path(), fields)) {
            check(entry.ordinal == static_cast<int>(names.size()), "ordinal out of order");
            names.push_back(entry.name);
        }
        return names;
    });
    const auto reference = attempt([&] {
        Names names;
        for (const auto& entry :
             gypsomix::reference::list_entries(fuzzing::catalogue_path(), fields)) {
            names.push_back(entry.name);
        }
        return names;
    });
    check(fast == reference, "the listings differ");
    const auto visited = attempt([&] {
        Names names;
        gypsomix::for_each_entry(fuzzing::catalogue_path(), fields,
                                 [&](std::string& name, int) { names.push_back(name); });
        return names;
    });
    check(visited == reference, "the visited names differ from the listing");

    const int count = fast.value ? static_cast<int>(fast.value->size()) : 0;
    for (const int ordinal : {0, count / 2, count - 1, count}) {
        if (ordinal < 0) {
            continue;
        }
        const auto record = attempt(
            [&] { return gypsomix::fetch_record(fuzzing::catalogue_path(), fields, ordinal); });
        const auto expected = attempt([&] {
            return gypsomix::reference::fetch_record(fuzzing::catalogue_path(), fields, ordinal);
        });
        check(record.error == expected.error && record.description == expected.description,
              "the fetches fail differently");
        check(record.value.has_value() == expected.value.has_value() &&
                  (!record.value || same(*record.value, *expected.value)),
              "the fetched records differ");
    }
}

// Fields one at a time, counted flat, until the end of the file or an error.
void compare_fields() {
    gypsomix::FieldReader fast;
    gypsomix::reference::FieldReader reference;
    const auto opened = attempt([&] {
        fast.open(fuzzing::catalogue_path());
        return 0;
    });
    const auto expected = attempt([&] {
        reference.open(fuzzing::catalogue_path());
        return 0;
    });
    check(opened == expected, "opening fails differently");
    if (opened.error != 0) {
        return;
    }
    for (int i = 0; i < 100000; ++i) {
        check(fast.at_end() == reference.at_end(), "the ends of the file differ");
        if (reference.at_end()) {
            return;
        }
        const auto field = attempt([&] { return fast.read_field(); });
        const auto want = attempt([&] { return reference.read_field(); });
        check(field.error == want.error && field.description == want.description,
              "a field fails differently");
        if (want.error != 0) {
            return;
        }
        check(same(*field.value, *want.value), "a field differs");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::write_catalogue(data, size);

    compare(8);
    compare(3);
    compare_fields();
    return 0;
}
