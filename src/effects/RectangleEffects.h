#pragma once

#include "effects/EffectProc.h"

// Styles 1 to 11, 18 to 28 and 35 to 53: every frame is one rectangular copy of the new
// picture, scaled (the "Expand" styles), slid in unscaled ("Slide in"), revealed in place
// ("Reveal") or zoomed from a growing block of the picture ("Expand in", "Appear and
// Contract").
EffectProcedure ExpandFromRight;                 // 1
EffectProcedure ExpandFromLeft;                  // 2
EffectProcedure SlideInFromRight;                // 3
EffectProcedure SlideInFromLeft;                 // 4
EffectProcedure RevealFromLeft;                  // 5
EffectProcedure RevealFromRight;                 // 6
EffectProcedure ExpandInFromRight;               // 7
EffectProcedure ExpandInFromLeft;                // 8
EffectProcedure ExpandInToMiddle;                // 9
EffectProcedure ExpandOutFromMiddle;             // 10
EffectProcedure RevealOutFromMiddle;             // 11
EffectProcedure ExpandFromBottom;                // 18
EffectProcedure ExpandFromTop;                   // 19
EffectProcedure SlideInFromBottom;               // 20
EffectProcedure SlideInFromTop;                  // 21
EffectProcedure RevealFromTop;                   // 22
EffectProcedure RevealFromBottom;                // 23
EffectProcedure ExpandInFromBottom;              // 24
EffectProcedure ExpandInFromTop;                 // 25
EffectProcedure ExpandInToMiddleHoriz;           // 26
EffectProcedure ExpandOutFromMiddleHoriz;        // 27
EffectProcedure RevealFromMiddleHoriz;           // 28
EffectProcedure ExpandFromBottomRight;           // 35
EffectProcedure ExpandFromTopRight;              // 36
EffectProcedure ExpandFromTopLeft;               // 37
EffectProcedure ExpandFromBottomLeft;            // 38
EffectProcedure SlideInFromBottomRight;          // 39
EffectProcedure SlideInFromTopRight;             // 40
EffectProcedure SlideInFromTopLeft;              // 41
EffectProcedure SlideInFromBottomLeft;           // 42
EffectProcedure RevealFromTopLeft;               // 43
EffectProcedure RevealFromBottomLeft;            // 44
EffectProcedure RevealFromBottomRight;           // 45
EffectProcedure RevealFromTopRight;              // 46
EffectProcedure AppearAndContractToTopLeft;      // 47
EffectProcedure AppearAndContractToBottomLeft;   // 48
EffectProcedure AppearAndContractToBottomRight;  // 49
EffectProcedure AppearAndContractToTopRight;     // 50
EffectProcedure AppearAndContractToMiddle;       // 51
EffectProcedure ExpandOutFromCentre;             // 52
EffectProcedure RevealOutFromCentre;             // 53
