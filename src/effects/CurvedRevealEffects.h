#pragma once

#include "effects/EffectProc.h"

// Styles 58 and 59: the new picture revealed through a rounded rectangle whose curved side, a
// half ellipse spanning the full height, sweeps across the screen.
EffectProcedure CurvedRevealFromLeft;   // 58
EffectProcedure CurvedRevealFromRight;  // 59
