// The screen geometry this build was made for (TESSIVANE_GEOMETRY is 800 or 640).
#pragma once

#if TESSIVANE_GEOMETRY == 640
#include "config/geometry640.h"
#elif TESSIVANE_GEOMETRY == 800
#include "config/geometry800.h"
#else
#error "TESSIVANE_GEOMETRY must be 800 or 640"
#endif
