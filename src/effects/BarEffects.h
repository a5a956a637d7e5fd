#pragma once

#include "effects/EffectProc.h"

// Styles 60 to 64, 71 to 75 and 86 to 99: the new picture shows through interleaved bars
// (CreateBarRegion) that slide in from the edges, in rows, columns or both (criss-cross).
EffectProcedure BarsInFromRight;                      // 60
EffectProcedure BarsInFromLeft;                       // 61
EffectProcedure BarsLeftThenRight;                    // 62
EffectProcedure BarsRightThenLeft;                    // 63
EffectProcedure BarsFromBothSides;                    // 64
EffectProcedure BarsFromBottom;                       // 71
EffectProcedure BarsFromTop;                          // 72
EffectProcedure BarsTopThenBottom;                    // 73
EffectProcedure BarsBottomThenTop;                    // 74
EffectProcedure BarsFromTopAndBottom;                 // 75
EffectProcedure CrissCrossFromBottomRight;            // 86
EffectProcedure CrissCrossFromTopRight;               // 87
EffectProcedure CrissCrossFromBottomLeft;             // 88
EffectProcedure CrissCrossFromTopLeft;                // 89
EffectProcedure CrissCrossBounceFromTopLeft;          // 90
EffectProcedure CrissCrossBounceFromBottomLeft;       // 91
EffectProcedure CrissCrossBounceFromTopRight;         // 92
EffectProcedure CrissCrossBounceFromBottomRight;      // 93
EffectProcedure CrissCrossFromRightTopAndBottom;      // 94
EffectProcedure CrissCrossFromLeftTopAndBottom;       // 95
EffectProcedure CrissCrossFromLeftRightAndBottom;     // 96
EffectProcedure CrissCrossFromLeftRightAndTop;        // 97
EffectProcedure CrissCrossFromTopLeftRightAndBottom;  // 98
EffectProcedure CrissCrossFromBottomLeftTopRight;     // 99
