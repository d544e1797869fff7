#include "document/plan_figures.h"
