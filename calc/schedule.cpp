#include "calc/schedule.h"

#include <algorithm>
#include <cmath>

#include "calc/checked_steps.h"

namespace gypsomix {
namespace {

using detail::quoted;

Message time_name(ScheduleTime time) {
    switch (time) {
        case ScheduleTime::mixing:
            return core_text("PlanField", "temps de malaxage");
        case ScheduleTime::pourable:
            return core_text("PlanField", "temps utile de coulabilité");
        case ScheduleTime::gel:
            return core_text("PlanField", "temps de gel");
    }
    return value_text("");
}

[[noreturn]] void fail(ErrorNumber number, ScheduleTime time, Message what) {
    throw ScheduleError(number,
                        core_text("PlanFault", "%1 (%2) : %3.")
                            .with({detail::error_title(number), time_name(time), std::move(what)}),
                        time);
}

std::chrono::milliseconds milliseconds_of(std::string_view minutes_text, const NumberFormat& format,
                                          ScheduleTime time) {
    double minutes = 0;
    try {
        minutes = text_to_number(minutes_text, format);
    } catch (const RunTimeError& e) {
        fail(e.error(), time, detail::refused_text(e.error(), minutes_text));
    }
    if (minutes < 0) {
        fail(ErrorNumber::invalid_argument, time,
             core_text("PlanFault", "%1 min est négatif").with({quoted(minutes_text)}));
    }
    // Halves go up; beyond 2^63 ms (about 292 million years) the count no longer fits.
    const double count = std::round(minutes * 60000);
    if (!(count < 0x1p63)) {
        fail(ErrorNumber::overflow, time,
             core_text("PlanFault", "%1 min dépasse la durée que la minuterie peut compter")
                 .with({quoted(minutes_text)}));
    }
    return std::chrono::milliseconds(static_cast<std::chrono::milliseconds::rep>(count));
}

}  // namespace

WorkingSchedule working_schedule(std::string_view mixing_minutes, std::string_view pourable_minutes,
                                 std::string_view gel_minutes, const NumberFormat& format) {
    const WorkingSchedule schedule{
        milliseconds_of(mixing_minutes, format, ScheduleTime::mixing),
        milliseconds_of(pourable_minutes, format, ScheduleTime::pourable),
        milliseconds_of(gel_minutes, format, ScheduleTime::gel),
    };
    if (schedule.pour_end < schedule.mixing_end) {
        fail(ErrorNumber::invalid_argument, ScheduleTime::pourable,
             core_text("PlanFault", "%1 min finit avant la fin du malaxage, %2 min")
                 .with({quoted(pourable_minutes), quoted(mixing_minutes)}));
    }
    if (schedule.gel < schedule.pour_end) {
        fail(ErrorNumber::invalid_argument, ScheduleTime::gel,
             core_text("PlanFault", "%1 min vient avant la fin de la coulée, %2 min")
                 .with({quoted(gel_minutes), quoted(pourable_minutes)}));
    }
    return schedule;
}

MixProgress mix_progress(const WorkingSchedule& schedule, std::chrono::milliseconds elapsed) {
    const std::chrono::milliseconds now = std::max(elapsed, std::chrono::milliseconds::zero());
    if (now < schedule.mixing_end) {
        return {MixPhase::mixing, schedule.mixing_end - now};
    }
    if (now < schedule.pour_end) {
        return {MixPhase::pouring, schedule.pour_end - now};
    }
    if (now < schedule.gel) {
        return {MixPhase::setting, schedule.gel - now};
    }
    return {MixPhase::done, std::chrono::milliseconds::zero()};
}

}  // namespace gypsomix
