#pragma once

#include "effects/EffectProc.h"

// Styles 143 and 144: a pie slice anchored at the centre opens from twelve o'clock and reaches
// all the way round at the end.
EffectProcedure SweepClockwise;      // 143
EffectProcedure SweepAnticlockwise;  // 144
