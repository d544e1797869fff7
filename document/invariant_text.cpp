#include "document/invariant_text.h"
