#pragma once

#include "effects/EffectProc.h"

// Style 118: the linear mix of the old and the new picture at weight MulDiv(256, Progress, 100).
EffectProcedure Fade;  // 118

// Styles 119 to 122: the new picture swings into place about a point just outside one corner,
// turned by a quarter turn at the start and not at all at the end (RotateBitmap).
EffectProcedure PivotFromTopLeft;      // 119
EffectProcedure PivotFromBottomLeft;   // 120
EffectProcedure PivotFromTopRight;     // 121
EffectProcedure PivotFromBottomRight;  // 122
