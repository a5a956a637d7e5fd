#pragma once

#include "effects/EffectProc.h"

// Styles 117, 152 and 164: a grid of triangles, circles or diamonds, each growing about its own
// centre.
EffectProcedure TriangularShred;  // 117
EffectProcedure CircularShred;    // 152
EffectProcedure DiamondShred;     // 164

// Styles 145 to 148: bands that widen about fixed centre lines, together with uneven blinds.
EffectProcedure RectanglesFromLeft;    // 145
EffectProcedure RectanglesFromRight;   // 146
EffectProcedure RectanglesFromTop;     // 147
EffectProcedure RectanglesFromBottom;  // 148

// Styles 149 to 151: a rectangle or star that grows while it turns once, clockwise.
EffectProcedure RotationalRectangle;  // 149
EffectProcedure RotationalStar;       // 150
EffectProcedure SpiralRectangle;      // 151

// Styles 162 and 163: a band with zigzag edges that widens from the centre line.
EffectProcedure ZigzagHorizontal;  // 162
EffectProcedure ZigzagVertical;    // 163
