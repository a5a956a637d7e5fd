#pragma once

#include "effects/EffectProc.h"

// Styles 14, 15, 31 and 32: the new picture unrolled like a sheet, the part already laid flat
// shown in place, followed by a shaded, mirrored band that shows the back of the roll.
EffectProcedure UnrollFromLeft;    // 14
EffectProcedure UnrollFromRight;   // 15
EffectProcedure UnrollFromTop;     // 31
EffectProcedure UnrollFromBottom;  // 32
