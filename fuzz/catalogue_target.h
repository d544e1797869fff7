#pragma once

// What the catalogue fuzz targets share: stopping on a finding, the file each input becomes, and
// the outcome of a call on it.

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "catalogue/run_time_error.h"

namespace fuzzing {

// Stops the run on a finding; libFuzzer keeps the input that led to it.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, what);
    __builtin_trap();
}

inline void check(bool condition, const char* what) {
    if (!condition) {
        fail(what);
    }
}

// The catalogue file, in a temporary folder of its own that goes at exit.
inline const std::filesystem::path& catalogue_path() {
    // The folder's name outlives the path, which is gone by the time the folder is removed.
    static char folder[] = "/tmp/gypsomix-fuzz-XXXXXX";
    static const std::filesystem::path path = [] {
        if (mkdtemp(folder) == nullptr) {
            fail("cannot create a temporary directory");
        }
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(folder, ec);
        });
        return std::filesystem::path(folder) / "Mat.txt";
    }();
    return path;
}

// Makes the input the whole catalogue.
inline void write_catalogue(const std::uint8_t* data, std::size_t size) {
    // Overwrite, then cut to size: truncating to zero first makes ext4 flush on every close.
    const int fd = ::open(catalogue_path().c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    check(fd >= 0, "cannot write the catalogue");
    check(size == 0 || ::pwrite(fd, data, size, 0) == static_cast<ssize_t>(size), "short write");
    check(::ftruncate(fd, static_cast<off_t>(size)) == 0, "cannot cut the catalogue to size");
    check(::close(fd) == 0, "cannot close the catalogue");
}

// A value, or the run-time error, number and description, that a call reported.
template <typename T>
struct Outcome {
    std::optional<T> value;
    int error = 0;
    std::string description;

    bool operator==(const Outcome&) const = default;
};

// Only a result or one of the program's run-time errors is acceptable.
template <typename F>
auto attempt(F&& call) -> Outcome<decltype(call())> {
    Outcome<decltype(call())> outcome;
    try {
        outcome.value = call();
    } catch (const gypsomix::RunTimeError& e) {
        const int n = e.number();
        check(n == 53 || n == 62 || n == 13 || n == 11 || n == 6, "unknown run-time error number");
        outcome.error = n;
        outcome.description = e.what();
    } catch (...) {
        fail("exception other than RunTimeError");
    }
    return outcome;
}

}  // namespace fuzzing
