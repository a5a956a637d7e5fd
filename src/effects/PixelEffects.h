#pragma once

#include "effects/EffectProc.h"

// Style 168: the old picture is zoomed into its centre until it breaks into large blocks, the
// blocks cross-fade to the new picture's, and the new picture is zoomed back out.
EffectProcedure Pixelate;  // 168

// Styles 169 to 171: single pixels, rows or columns switch to the new picture in a random order
// fixed by the picture's size (a generator of their own seeded with W + H), so that a unit once
// shown stays shown. The three draw the same sequence of numbers.
EffectProcedure Dissolve;              // 169
EffectProcedure RandomBarsHorizontal;  // 170
EffectProcedure RandomBarsVertical;    // 171
