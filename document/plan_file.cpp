#include "document/plan_file.h"
