#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "catalogue/run_time_error.h"

namespace gypsomix {

// The working times of one mix, all measured from the moment water meets powder.
struct WorkingSchedule {
    std::chrono::milliseconds mixing_end;  // end of mixing
    std::chrono::milliseconds pour_end;    // end of the pourable time
    std::chrono::milliseconds gel;         // the investment gels
};

// Which of the three times a ScheduleError is about, so the timer can mark its field.
enum class ScheduleTime { mixing, pourable, gel };

class ScheduleError : public RunTimeError {
  public:
    ScheduleError(ErrorNumber number, const std::string& description, ScheduleTime time)
        : RunTimeError(number, description), time_(time) {}
    ScheduleError(ErrorNumber number, Message message, ScheduleTime time)
        : RunTimeError(number, std::move(message)), time_(time) {}

    ScheduleTime time() const noexcept { return time_; }

  private:
    ScheduleTime time_;
};

// Minutes texts to milliseconds, rounded to the nearest (halves up). Throws ScheduleError: 13
// for a text that is not a number, 6 beyond range, 5 for a negative time or times out of order
// (mixing ≤ pourable ≤ gel, equal allowed, compared in milliseconds). Each time is checked in
// full, in that order, before their order is.
WorkingSchedule working_schedule(std::string_view mixing_minutes, std::string_view pourable_minutes,
                                 std::string_view gel_minutes, const NumberFormat& format);

// Where a running mix stands: mixing until mixing_end, pouring until pour_end, setting until
// gel, then done. A phase ends at its time (at mixing_end pouring has begun), so a phase of zero
// length never shows.
enum class MixPhase { mixing, pouring, setting, done };

struct MixProgress {
    MixPhase phase;
    std::chrono::milliseconds left;  // until the end of the phase; zero once done
};

// `elapsed` since water met powder; a negative one counts as the start.
MixProgress mix_progress(const WorkingSchedule& schedule, std::chrono::milliseconds elapsed);

}  // namespace gypsomix
