#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number_text.h"
#include "catalogue/run_time_error.h"

namespace gypsomix {

// One step of a burnout programme, as the catalogue and the plan keep it.
struct BurnoutStep {
    std::string target;  // °C reached at the end of the ramp
    std::string rate;    // °C per hour; "0": as fast as the oven goes
    std::string hold;    // minutes held at the target

    bool operator==(const BurnoutStep&) const = default;
};

struct TimedStep {
    std::chrono::minutes ramp_start, hold_start, hold_end;  // from the moment the oven starts

    bool operator==(const TimedStep&) const = default;
};

struct BurnoutTimeline {
    std::vector<TimedStep> steps;
    std::chrono::minutes total;  // the end of the last hold; zero for no step
};

// A burnout longer than a week is a typing slip, not a programme.
inline constexpr std::chrono::minutes burnout_longest{7 * 24 * 60};

// Which text of the oven a BurnoutError is about.
enum class BurnoutField { start_temperature, target, rate, hold, total, bench_rest };

// A RunTimeError of the oven, with its step (from 1; 0 for the oven's own fields and the total)
// and its field, so the window can mark it.
class BurnoutError : public RunTimeError {
  public:
    BurnoutError(ErrorNumber number, const std::string& description, int step, BurnoutField field)
        : RunTimeError(number, description), step_(step), field_(field) {}
    BurnoutError(ErrorNumber number, Message message, int step, BurnoutField field)
        : RunTimeError(number, std::move(message)), step_(step), field_(field) {}

    int step() const noexcept { return step_; }
    BurnoutField field() const noexcept { return field_; }

  private:
    int step_;
    BurnoutField field_;
};

// The minutes of a programme, each quantity taken as the exact decimal value of its text. A ramp
// lasts ⌈ |target − previous| × 60 / rate ⌉ minutes (none at rate 0), a hold ⌈ hold ⌉. Throws
// BurnoutError: 13 for a text that is not a number, 5 for a negative rate or hold or a
// temperature below −273,15 °C, 6 for a number beyond the range of a real or a total beyond a
// week; checked the start, then step by step the target, the rate and the hold, then the total.
BurnoutTimeline burnout_timeline(const std::vector<BurnoutStep>& steps,
                                 std::string_view start_temperature, const NumberFormat& format);

// « Repos avant cuisson (min) » in whole minutes, rounded up. Throws BurnoutError (step 0):
// 13 not a number, 5 negative, 6 beyond a week.
std::chrono::minutes bench_rest(std::string_view minutes, const NumberFormat& format);

// The casting day, planned backwards from the time of casting.
struct StepTimes {
    std::chrono::sys_seconds ramp_start, hold_start, hold_end;
};
struct CastingDay {
    std::chrono::sys_seconds mixing;      // water meets powder
    std::chrono::sys_seconds oven_start;  // the flasks go in
    std::vector<StepTimes> steps;
    std::chrono::sys_seconds cast;  // the end of the last hold
};

// cast − total = oven start; oven start − rest = mixing.
CastingDay casting_day(const BurnoutTimeline& timeline, std::chrono::sys_seconds cast_at,
                       std::chrono::minutes rest);

// The offset of the caster's clock from UTC at an instant; the window gives its time zone's.
using UtcOffset = std::function<std::chrono::seconds(std::chrono::sys_seconds)>;

std::chrono::local_seconds local_clock_time(std::chrono::sys_seconds at, const UtcOffset& offset);

// How many midnights of the caster's clock lie between `first` and `then`: 1 for the next day.
int days_after(std::chrono::sys_seconds first, std::chrono::sys_seconds then,
               const UtcOffset& offset);

// The oven's run as a sequence of ramps and holds that take time.
struct OvenPhase {
    enum class Kind { ramp, hold } kind;
    std::size_t step;  // index in the programme
    std::chrono::minutes start, end;
};

// The ramps and holds in order; one of no minutes (a ramp at rate 0, a hold of 0) has no phase.
std::vector<OvenPhase> oven_phases(const BurnoutTimeline& timeline);

struct OvenProgress {
    enum class State { waiting, running, done } state;
    std::size_t phase;          // the phase in progress while running
    std::chrono::seconds left;  // until the next change; zero once done
    // The changes come so far: the start of the oven, then the end of each phase in turn.
    std::size_t changes;
};

// Where the oven stands `elapsed` after it started; a negative time is before the start.
OvenProgress oven_progress(const std::vector<OvenPhase>& phases, std::chrono::seconds elapsed);

}  // namespace gypsomix
