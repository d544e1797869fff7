// Arbitrary bytes as a plan file: the reader gives a plan or refuses it with a PlanFileError, and a
// plan it gives is written and read back unchanged, its number texts shown and taken back too.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "document/invariant_text.h"
#include "document/plan_file.h"

namespace {

using gypsomix::PlanDocument;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "fuzz_plan_file: %s\n", what);
    __builtin_trap();
}

void check(bool condition, const char* what) {
    if (!condition) {
        fail(what);
    }
}

const gypsomix::NumberFormat kFrench{",", "\u202F"};

// A stored number, shown with a comma in the window, is saved again as it was stored.
void shown_and_taken_back(const std::string& stored) {
    const std::string shown = gypsomix::to_regional(stored, kFrench);
    if (shown != stored) {
        check(gypsomix::to_invariant(shown, kFrench) == stored, "a stored number changed");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PlanDocument plan;
    try {
        plan = gypsomix::read_plan_file(bytes);
    } catch (const gypsomix::PlanFileError& error) {
        check(error.what()[0] != '\0', "a refusal without a message");
        return 0;
    } catch (...) {
        fail("an exception other than PlanFileError");
    }
    check(!plan.lines.empty() && plan.lines.size() <= 999, "a plan read with 0 or 1000+ lines");

    const std::string file = gypsomix::write_plan_file(plan);
    PlanDocument back;
    try {
        back = gypsomix::read_plan_file(file);
    } catch (const gypsomix::PlanFileError& error) {
        std::fprintf(stderr, "fuzz_plan_file: %s\n", error.what());
        fail("a written plan was refused");
    }
    check(back == plan, "a plan changed through writing and reading");
    check(gypsomix::write_plan_file(back) == file, "a plan read back is written differently");

    shown_and_taken_back(plan.water_percent);
    for (const gypsomix::DocumentLine& line : plan.lines) {
        shown_and_taken_back(line.diameter);
        shown_and_taken_back(line.height);
    }
    return 0;
}
