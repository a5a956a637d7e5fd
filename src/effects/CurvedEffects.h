#pragma once

#include "effects/EffectProc.h"

// Styles 69, 70 and 80 to 85: the new picture shows through a rounded rectangle or an ellipse
// that grows from an edge, a corner or the centre, or, in 85, outside one that shrinks.
EffectProcedure CurvedRevealFromTop;          // 69
EffectProcedure CurvedRevealFromBottom;       // 70
EffectProcedure CurvedRevealFromTopLeft;      // 80
EffectProcedure CurvedRevealFromTopRight;     // 81
EffectProcedure CurvedRevealFromBottomLeft;   // 82
EffectProcedure CurvedRevealFromBottomRight;  // 83
EffectProcedure EllipticRevealOutFromCentre;  // 84
EffectProcedure EllipticRevealInToCentre;     // 85
