#include "timing.h"

#include <algorithm>
#include <cmath>

namespace ts {

namespace {
double g_scale = 1.0;
}

int timerInterval(int milliseconds)
{
    if (g_scale == 1.0)
        return milliseconds;
    return std::max(1, static_cast<int>(std::lround(milliseconds * g_scale)));
}

void setTimerScale(double scale) { g_scale = scale > 0 ? scale : 1.0; }

} // namespace ts
