#include "effects/EffectTable.h"

#include <cctype>

#include "effects/CurlEffects.h"
#include "effects/CurvedRevealEffects.h"
#include "effects/QuarterEffects.h"
#include "effects/RectangleEffects.h"
#include "effects/RegionEffects.h"
#include "effects/StripEffects.h"

// One entry per line, in style order; an entry without a procedure is a style not drawn yet.
const std::array<TEffectEntry, kLastStyle> EffectTable = {{
    /*   1 */ {"Expand from right", ExpandFromRight},
    /*   2 */ {"Expand from left", ExpandFromLeft},
    /*   3 */ {"Slide in from right", SlideInFromRight},
    /*   4 */ {"Slide in from left", SlideInFromLeft},
    /*   5 */ {"Reveal from left", RevealFromLeft},
    /*   6 */ {"Reveal from right", RevealFromRight},
    /*   7 */ {"Expand in from right", ExpandInFromRight},
    /*   8 */ {"Expand in from left", ExpandInFromLeft},
    /*   9 */ {"Expand in to middle", ExpandInToMiddle},
    /*  10 */ {"Expand out from middle", ExpandOutFromMiddle},
    /*  11 */ {"Reveal out from middle", RevealOutFromMiddle},
    /*  12 */ {"Reveal in from sides", RevealInFromSides},
    /*  13 */ {"Expand in from sides", ExpandInFromSides},
    /*  14 */ {"Unroll from left", UnrollFromLeft},
    /*  15 */ {"Unroll from right", UnrollFromRight},
    /*  16 */ {"Build up from right", BuildUpFromRight},
    /*  17 */ {"Build up from left", BuildUpFromLeft},
    /*  18 */ {"Expand from bottom", ExpandFromBottom},
    /*  19 */ {"Expand from top", ExpandFromTop},
    /*  20 */ {"Slide in from bottom", SlideInFromBottom},
    /*  21 */ {"Slide in from top", SlideInFromTop},
    /*  22 */ {"Reveal from top", RevealFromTop},
    /*  23 */ {"Reveal from bottom", RevealFromBottom},
    /*  24 */ {"Expand in from bottom", ExpandInFromBottom},
    /*  25 */ {"Expand in from top", ExpandInFromTop},
    /*  26 */ {"Expand in to middle (horiz)", ExpandInToMiddleHoriz},
    /*  27 */ {"Expand out from middle (horiz)", ExpandOutFromMiddleHoriz},
    /*  28 */ {"Reveal from middle (horiz)", RevealFromMiddleHoriz},
    /*  29 */ {"Slide in from top / bottom", SlideInFromTopBottom},
    /*  30 */ {"Expand in from top / bottom", ExpandInFromTopBottom},
    /*  31 */ {"Unroll from top", UnrollFromTop},
    /*  32 */ {"Unroll from bottom", UnrollFromBottom},
    /*  33 */ {"Expand from bottom", BuildUpFromBottom},
    /*  34 */ {"Expand in from top", BuildUpFromTop},
    /*  35 */ {"Expand from bottom right", ExpandFromBottomRight},
    /*  36 */ {"Expand from top right", ExpandFromTopRight},
    /*  37 */ {"Expand from top left", ExpandFromTopLeft},
    /*  38 */ {"Expand from bottom left", ExpandFromBottomLeft},
    /*  39 */ {"Slide in from bottom right", SlideInFromBottomRight},
    /*  40 */ {"Slide in from top right", SlideInFromTopRight},
    /*  41 */ {"Slide in from top left", SlideInFromTopLeft},
    /*  42 */ {"Slide in from bottom left", SlideInFromBottomLeft},
    /*  43 */ {"Reveal from top left", RevealFromTopLeft},
    /*  44 */ {"Reveal from bottom left", RevealFromBottomLeft},
    /*  45 */ {"Reveal from bottom right", RevealFromBottomRight},
    /*  46 */ {"Reveal from top right", RevealFromTopRight},
    /*  47 */ {"Appear and Contract to top left", AppearAndContractToTopLeft},
    /*  48 */ {"Appear and Contract to bottom left", AppearAndContractToBottomLeft},
    /*  49 */ {"Appear and Contract to bottom right", AppearAndContractToBottomRight},
    /*  50 */ {"Appear and Contract to top right", AppearAndContractToTopRight},
    /*  51 */ {"Appear and Contract to middle", AppearAndContractToMiddle},
    /*  52 */ {"Expand out from centre", ExpandOutFromCentre},
    /*  53 */ {"Reveal out from centre", RevealOutFromCentre},
    /*  54 */ {"Reveal in to centre", RevealInToCentre},
    /*  55 */ {"Quarters Reveal in to middle", QuartersRevealInToMiddle},
    /*  56 */ {"Quarters Expand to middle", QuartersExpandToMiddle},
    /*  57 */ {"Quarters Slide in to middle", QuartersSlideInToMiddle},
    /*  58 */ {"Curved Reveal from left", CurvedRevealFromLeft},
    /*  59 */ {"Curved Reveal from right", CurvedRevealFromRight},
    /*  60 */ {"Bars in from right", BarsInFromRight},
    /*  61 */ {"Bars in from left", BarsInFromLeft},
    /*  62 */ {"Bars left then right", BarsLeftThenRight},
    /*  63 */ {"Bars right then left", BarsRightThenLeft},
    /*  64 */ {"Bars from both sides", BarsFromBothSides},
    /*  65 */ {"Uneven shred from right", UnevenShredFromRight},
    /*  66 */ {"Uneven shred from left", UnevenShredFromLeft},
    /*  67 */ {"Uneven shred out from middle (horiz)", UnevenShredOutFromMiddleHoriz},
    /*  68 */ {"Uneven shred in to middle (horiz)", UnevenShredInToMiddleHoriz},
    /*  69 */ {"Curved Reveal from top", CurvedRevealFromTop},
    /*  70 */ {"Curved Reveal from bottom", CurvedRevealFromBottom},
    /*  71 */ {"Bars from bottom", BarsFromBottom},
    /*  72 */ {"Bars from top", BarsFromTop},
    /*  73 */ {"Bars top then bottom", BarsTopThenBottom},
    /*  74 */ {"Bars bottom then top", BarsBottomThenTop},
    /*  75 */ {"Bars from top and bottom", BarsFromTopAndBottom},
    /*  76 */ {"Unven shred from bottom", UnevenShredFromBottom},
    /*  77 */ {"Uneven shred from top", UnevenShredFromTop},
    /*  78 */ {"Uneven shred from horizon", UnevenShredFromHorizon},
    /*  79 */ {"Uneven shred in to horizon", UnevenShredInToHorizon},
    /*  80 */ {"Curved reveal from top left", CurvedRevealFromTopLeft},
    /*  81 */ {"Curved reveal from top right", CurvedRevealFromTopRight},
    /*  82 */ {"Curved reveal from bottom left", CurvedRevealFromBottomLeft},
    /*  83 */ {"Curved reveal from bottom right", CurvedRevealFromBottomRight},
    /*  84 */ {"Elliptic reveal out from centre", EllipticRevealOutFromCentre},
    /*  85 */ {"Elliptic reveal in to centre", EllipticRevealInToCentre},
    /*  86 */ {"Criss Cross reveal from bottom right", CrissCrossFromBottomRight},
    /*  87 */ {"Criss Cross reveal from top right", CrissCrossFromTopRight},
    /*  88 */ {"Criss Cross reveal from bottom left", CrissCrossFromBottomLeft},
    /*  89 */ {"Criss Cross reveal from top left", CrissCrossFromTopLeft},
    /*  90 */ {"Criss Cross reveal bounce from top left", CrissCrossBounceFromTopLeft},
    /*  91 */ {"Criss Cross reveal bounce from bottom left", CrissCrossBounceFromBottomLeft},
    /*  92 */ {"Criss Cross reveal bounce from top right", CrissCrossBounceFromTopRight},
    /*  93 */ {"Criss Cross reveal bounce from bottom right", CrissCrossBounceFromBottomRight},
    /*  94 */ {"Criss Cross reveal from right top and bottom", CrissCrossFromRightTopAndBottom},
    /*  95 */ {"Criss Cross reveal from left top and bottom", CrissCrossFromLeftTopAndBottom},
    /*  96 */ {"Criss Cross reveal from left right and bottom", CrissCrossFromLeftRightAndBottom},
    /*  97 */ {"Criss Cross reveal from left right and top", CrissCrossFromLeftRightAndTop},
    /*  98 */ {"Criss Cross reveal from top left right and bottom", CrissCrossFromTopLeftRightAndBottom},
    /*  99 */ {"Criss Cross reveal from bottom left top right", CrissCrossFromBottomLeftTopRight},
    /* 100 */ {"Uneven shred from bottom and right", UnevenShredFromBottomAndRight},
    /* 101 */ {"Uneven shred from top and right", UnevenShredFromTopAndRight},
    /* 102 */ {"Uneven shred from bottom and left", UnevenShredFromBottomAndLeft},
    /* 103 */ {"Uneven shred from top and left", UnevenShredFromTopAndLeft},
    /* 104 */ {"Uneven shred from horiz and right", UnevenShredFromHorizAndRight},
    /* 105 */ {"Uneven shred from horiz and left", UnevenShredFromHorizAndLeft},
    /* 106 */ {"Uneven shred from bottom and vert middle", UnevenShredFromBottomAndVertMiddle},
    /* 107 */ {"Uneven shred from top and vert middle", UnevenShredFromTopAndVertMiddle},
    /* 108 */ {"Uneven shred from centre", UnevenShredFromCentre},
    /* 109 */ {"Uneven shred to centre", UnevenShredToCentre},
    /* 110 */ {"Reveal diagonal from top left", RevealDiagonalFromTopLeft},
    /* 111 */ {"Reveal diagonal from top right", RevealDiagonalFromTopRight},
    /* 112 */ {"Reveal diagonal from bottom left", RevealDiagonalFromBottomLeft},
    /* 113 */ {"Reveal diagonal from bottom right", RevealDiagonalFromBottomRight},
    /* 114 */ {"Diagonal sweep from top left bottom right anticlockwise", DiagonalSweepAnticlockwise},
    /* 115 */ {"Diagonal sweep from top left bottom right clockwise", DiagonalSweepClockwise},
    /* 116 */ {"Starburst clockwise from center", StarburstClockwise},
    /* 117 */ {"Triangular shred", TriangularShred},
    /* 118 */ {"Fade", Fade},
    /* 119 */ {"Pivot from top left", PivotFromTopLeft},
    /* 120 */ {"Pivot from bottom left", PivotFromBottomLeft},
    /* 121 */ {"Pivot from top right", PivotFromTopRight},
    /* 122 */ {"Pivot from bottom right", PivotFromBottomRight},
    /* 123 */ {"Speckle appear from right", SpeckleAppearFromRight},
    /* 124 */ {"Speckle appear from left", SpeckleAppearFromLeft},
    /* 125 */ {"Speckle appear from bottom", SpeckleAppearFromBottom},
    /* 126 */ {"Speckle appear from top", SpeckleAppearFromTop},
    /* 127 */ {"Random squares appear", RandomSquaresAppear},
    /* 128 */ {"Push right", PushRight},
    /* 129 */ {"Push left", PushLeft},
    /* 130 */ {"Push and squeeze right", PushAndSqueezeRight},
    /* 131 */ {"Push and squeeze left", PushAndSqueezeLeft},
    /* 132 */ {"Push down", PushDown},
    /* 133 */ {"Push up", PushUp},
    /* 134 */ {"Push and sqeeze down", PushAndSqueezeDown},
    /* 135 */ {"Push and sqeeze up", PushAndSqueezeUp},
    /* 136 */ {"Blind vertically", BlindVertically},
    /* 137 */ {"Blind horizontally", BlindHorizontally},
    /* 138 */ {"Uneven blind from left", UnevenBlindFromLeft},
    /* 139 */ {"Uneven blind from right", UnevenBlindFromRight},
    /* 140 */ {"Uneven blind from top", UnevenBlindFromTop},
    /* 141 */ {"Uneven blind from bottom", UnevenBlindFromBottom},
    /* 142 */ {"Rectangular shred", RectangularShred},
    /* 143 */ {"Sweep clockwise", SweepClockwise},
    /* 144 */ {"Sweep anticlockwise", SweepAnticlockwise},
    /* 145 */ {"Rectangles apear from left and disapear to right", RectanglesFromLeft},
    /* 146 */ {"Rectangles apear from right and disapear to left", RectanglesFromRight},
    /* 147 */ {"Rectangles apear from up and disapear to bottom", RectanglesFromTop},
    /* 148 */ {"Rectangles apear from bottom and disapear to up", RectanglesFromBottom},
    /* 149 */ {"Rotational rectangle in center", RotationalRectangle},
    /* 150 */ {"Rotational star in center", RotationalStar},
    /* 151 */ {"Spiral rectangle", SpiralRectangle},
    /* 152 */ {"Circular shred", CircularShred},
    /* 153 */ {"Reveal V from left", RevealVFromLeft},
    /* 154 */ {"Reveal V from right", RevealVFromRight},
    /* 155 */ {"Reveal V from top", RevealVFromTop},
    /* 156 */ {"Reveal V from bottom", RevealVFromBottom},
    /* 157 */ {"Bow Tie Horizontal", BowTieHorizontal},
    /* 158 */ {"Bow Tie Vertical", BowTieVertical},
    /* 159 */ {"Diagonal Cross In", DiagonalCrossIn},
    /* 160 */ {"Diagonal Cross Out", DiagonalCrossOut},
    /* 161 */ {"Starburst anticlockwise from center", StarburstAnticlockwise},
    /* 162 */ {"Zigzag Horizontal", ZigzagHorizontal},
    /* 163 */ {"Zigzag Vertical", ZigzagVertical},
    /* 164 */ {"Diamond shred", DiamondShred},
    /* 165 */ {"Reveal diamond out from centre", RevealDiamondOutFromCentre},
    /* 166 */ {"Reveal diamond in to centre", RevealDiamondInToCentre},
    /* 167 */ {"Diagonal Box Out", DiagonalBoxOut},
    /* 168 */ {"Pixelate", Pixelate},
    /* 169 */ {"Dissolve", Dissolve},
    /* 170 */ {"Random Bars Horizontal", RandomBarsHorizontal},
    /* 171 */ {"Random Bars Vertical", RandomBarsVertical},
}};

namespace {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

const TEffectEntry* FindEffect(int style) {
  if (style < 1 || style > kLastStyle) return nullptr;
  return &EffectTable[static_cast<std::size_t>(style - 1)];
}

std::string StyleName(int style) {
  if (style == kCustomStyle) return "Custom";
  const TEffectEntry* entry = FindEffect(style);
  return entry ? entry->Name : "";
}

std::optional<int> StyleByName(std::string_view name) {
  if (SameText(name, "Custom")) return kCustomStyle;
  for (int style = 1; style <= kLastStyle; ++style) {
    if (SameText(name, EffectTable[static_cast<std::size_t>(style - 1)].Name)) return style;
  }
  return std::nullopt;
}

bool IsStyleDrawn(int style) {
  if (style == kCustomStyle) return true;
  const TEffectEntry* entry = FindEffect(style);
  return entry != nullptr && entry->Proc != nullptr;
}
