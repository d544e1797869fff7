// Arbitrary bytes as a catalogue file: listing and fetching must give a result or one of the
// program's run-time errors, and the two must agree with each other.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "catalogue/catalogue.h"
#include "catalogue/encoding.h"

namespace {

using gypsomix::CatalogueEntry;
using gypsomix::FieldValue;
using gypsomix::RunTimeError;

std::filesystem::path g_file;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "fuzz_catalogue: %s\n", what);
    __builtin_trap();
}

void check(bool condition, const char* what) {
    if (!condition) {
        fail(what);
    }
}

bool known_error(int number) {
    return number == 53 || number == 62 || number == 13 || number == 11 || number == 6;
}

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

// The outcome of one call: a value, or the number of the run-time error it reported.
template <typename T>
struct Outcome {
    std::optional<T> value;
    int error = 0;
};

template <typename F>
auto attempt(F&& call) -> Outcome<decltype(call())> {
    Outcome<decltype(call())> outcome;
    try {
        outcome.value = call();
    } catch (const RunTimeError& e) {
        check(known_error(e.number()), "unknown run-time error number");
        outcome.error = e.number();
    } catch (...) {
        fail("exception other than RunTimeError");
    }
    return outcome;
}

void exercise(int fields) {
    const auto listing = attempt([&] { return gypsomix::list_entries(g_file, fields); });
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
        const auto fetched =
            attempt([&] { return gypsomix::fetch_record(g_file, fields, ordinal); });
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

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string dir = (std::filesystem::temp_directory_path() / "gypsomix-fuzz-XXXXXX").string();
    if (mkdtemp(dir.data()) == nullptr) {
        fail("cannot create a temporary directory");
    }
    g_file = std::filesystem::path(dir) / "Mat.txt";
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(g_file.parent_path(), ec);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Overwrite, then cut to size: truncating to zero first makes ext4 flush on every close.
    const int fd = ::open(g_file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    check(fd >= 0, "cannot write the catalogue");
    check(size == 0 || ::pwrite(fd, data, size, 0) == static_cast<ssize_t>(size), "short write");
    check(::ftruncate(fd, static_cast<off_t>(size)) == 0, "cannot cut the catalogue to size");
    check(::close(fd) == 0, "cannot close the catalogue");

    exercise(8);
    exercise(3);
    return 0;
}
