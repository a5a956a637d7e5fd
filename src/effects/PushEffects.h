#pragma once

#include "effects/EffectProc.h"

// Styles 128 to 135: the old picture slides, or is squeezed, out of the way while the adjacent
// part of the new picture comes in behind it.
EffectProcedure PushRight;            // 128
EffectProcedure PushLeft;             // 129
EffectProcedure PushAndSqueezeRight;  // 130
EffectProcedure PushAndSqueezeLeft;   // 131
EffectProcedure PushDown;             // 132
EffectProcedure PushUp;               // 133
EffectProcedure PushAndSqueezeDown;   // 134
EffectProcedure PushAndSqueezeUp;     // 135
