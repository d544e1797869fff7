#pragma once

#include <chrono>
#include <string_view>

#include "calc/number_text.h"

namespace gypsomix {

// The working times of one mix, all measured from the moment water meets powder.
struct WorkingSchedule {
    std::chrono::milliseconds mixing_end;  // end of mixing
    std::chrono::milliseconds pour_end;    // end of the pourable time
    std::chrono::milliseconds gel;         // the investment gels
};

WorkingSchedule working_schedule(std::string_view mixing_minutes, std::string_view pourable_minutes,
                                 std::string_view gel_minutes, const NumberFormat& format);

}  // namespace gypsomix
