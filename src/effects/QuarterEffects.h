#pragma once

#include "effects/EffectProc.h"

// Styles 54 to 57: the new picture closing in on the centre, as a frame growing from the four
// edges or as four quarters revealed, scaled or slid in.
EffectProcedure RevealInToCentre;          // 54
EffectProcedure QuartersRevealInToMiddle;  // 55
EffectProcedure QuartersExpandToMiddle;    // 56
EffectProcedure QuartersSlideInToMiddle;   // 57
