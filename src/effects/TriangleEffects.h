#pragma once

#include "effects/EffectProc.h"

// Styles 110 to 116, 153 to 161 and 165 to 167: the new picture shows through triangles that
// grow from the corners, edges or centre, and through diamonds.
EffectProcedure RevealDiagonalFromTopLeft;      // 110
EffectProcedure RevealDiagonalFromTopRight;     // 111
EffectProcedure RevealDiagonalFromBottomLeft;   // 112
EffectProcedure RevealDiagonalFromBottomRight;  // 113
EffectProcedure DiagonalSweepAnticlockwise;     // 114
EffectProcedure DiagonalSweepClockwise;         // 115
EffectProcedure StarburstClockwise;             // 116
EffectProcedure RevealVFromLeft;                // 153
EffectProcedure RevealVFromRight;               // 154
EffectProcedure RevealVFromTop;                 // 155
EffectProcedure RevealVFromBottom;              // 156
EffectProcedure BowTieHorizontal;               // 157
EffectProcedure BowTieVertical;                 // 158
EffectProcedure DiagonalCrossIn;                // 159
EffectProcedure DiagonalCrossOut;               // 160
EffectProcedure StarburstAnticlockwise;         // 161
EffectProcedure RevealDiamondOutFromCentre;     // 165
EffectProcedure RevealDiamondInToCentre;        // 166
EffectProcedure DiagonalBoxOut;                 // 167
