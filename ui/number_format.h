#pragma once

#include "calc/number_text.h"

// The user's regional separators, as the core wants them.
gypsomix::NumberFormat regionalNumberFormat();
