#include "effects/EffectTable.h"

#include <cctype>

#include "effects/CurlEffects.h"
#include "effects/CurvedRevealEffects.h"
#include "effects/QuarterEffects.h"
#include "effects/RectangleEffects.h"
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
    /*  60 */ {"Bars in from right", nullptr},
    /*  61 */ {"Bars in from left", nullptr},
    /*  62 */ {"Bars left then right", nullptr},
    /*  63 */ {"Bars right then left", nullptr},
    /*  64 */ {"Bars from both sides", nullptr},
    /*  65 */ {"Uneven shred from right", nullptr},
    /*  66 */ {"Uneven shred from left", nullptr},
    /*  67 */ {"Uneven shred out from middle (horiz)", nullptr},
    /*  68 */ {"Uneven shred in to middle (horiz)", nullptr},
    /*  69 */ {"Curved Reveal from top", nullptr},
    /*  70 */ {"Curved Reveal from bottom", nullptr},
    /*  71 */ {"Bars from bottom", nullptr},
    /*  72 */ {"Bars from top", nullptr},
    /*  73 */ {"Bars top then bottom", nullptr},
    /*  74 */ {"Bars bottom then top", nullptr},
    /*  75 */ {"Bars from top and bottom", nullptr},
    /*  76 */ {"Unven shred from bottom", nullptr},
    /*  77 */ {"Uneven shred from top", nullptr},
    /*  78 */ {"Uneven shred from horizon", nullptr},
    /*  79 */ {"Uneven shred in to horizon", nullptr},
    /*  80 */ {"Curved reveal from top left", nullptr},
    /*  81 */ {"Curved reveal from top right", nullptr},
    /*  82 */ {"Curved reveal from bottom left", nullptr},
    /*  83 */ {"Curved reveal from bottom right", nullptr},
    /*  84 */ {"Elliptic reveal out from centre", nullptr},
    /*  85 */ {"Elliptic reveal in to centre", nullptr},
    /*  86 */ {"Criss Cross reveal from bottom right", nullptr},
    /*  87 */ {"Criss Cross reveal from top right", nullptr},
    /*  88 */ {"Criss Cross reveal from bottom left", nullptr},
    /*  89 */ {"Criss Cross reveal from top left", nullptr},
    /*  90 */ {"Criss Cross reveal bounce from top left", nullptr},
    /*  91 */ {"Criss Cross reveal bounce from bottom left", nullptr},
    /*  92 */ {"Criss Cross reveal bounce from top right", nullptr},
    /*  93 */ {"Criss Cross reveal bounce from bottom right", nullptr},
    /*  94 */ {"Criss Cross reveal from right top and bottom", nullptr},
    /*  95 */ {"Criss Cross reveal from left top and bottom", nullptr},
    /*  96 */ {"Criss Cross reveal from left right and bottom", nullptr},
    /*  97 */ {"Criss Cross reveal from left right and top", nullptr},
    /*  98 */ {"Criss Cross reveal from top left right and bottom", nullptr},
    /*  99 */ {"Criss Cross reveal from bottom left top right", nullptr},
    /* 100 */ {"Uneven shred from bottom and right", nullptr},
    /* 101 */ {"Uneven shred from top and right", nullptr},
    /* 102 */ {"Uneven shred from bottom and left", nullptr},
    /* 103 */ {"Uneven shred from top and left", nullptr},
    /* 104 */ {"Uneven shred from horiz and right", nullptr},
    /* 105 */ {"Uneven shred from horiz and left", nullptr},
    /* 106 */ {"Uneven shred from bottom and vert middle", nullptr},
    /* 107 */ {"Uneven shred from top and vert middle", nullptr},
    /* 108 */ {"Uneven shred from centre", nullptr},
    /* 109 */ {"Uneven shred to centre", nullptr},
    /* 110 */ {"Reveal diagonal from top left", nullptr},
    /* 111 */ {"Reveal diagonal from top right", nullptr},
    /* 112 */ {"Reveal diagonal from bottom left", nullptr},
    /* 113 */ {"Reveal diagonal from bottom right", nullptr},
    /* 114 */ {"Diagonal sweep from top left bottom right anticlockwise", nullptr},
    /* 115 */ {"Diagonal sweep from top left bottom right clockwise", nullptr},
    /* 116 */ {"Starburst clockwise from center", nullptr},
    /* 117 */ {"Triangular shred", nullptr},
    /* 118 */ {"Fade", nullptr},
    /* 119 */ {"Pivot from top left", nullptr},
    /* 120 */ {"Pivot from bottom left", nullptr},
    /* 121 */ {"Pivot from top right", nullptr},
    /* 122 */ {"Pivot from bottom right", nullptr},
    /* 123 */ {"Speckle appear from right", nullptr},
    /* 124 */ {"Speckle appear from left", nullptr},
    /* 125 */ {"Speckle appear from bottom", nullptr},
    /* 126 */ {"Speckle appear from top", nullptr},
    /* 127 */ {"Random squares appear", nullptr},
    /* 128 */ {"Push right", nullptr},
    /* 129 */ {"Push left", nullptr},
    /* 130 */ {"Push and squeeze right", nullptr},
    /* 131 */ {"Push and squeeze left", nullptr},
    /* 132 */ {"Push down", nullptr},
    /* 133 */ {"Push up", nullptr},
    /* 134 */ {"Push and sqeeze down", nullptr},
    /* 135 */ {"Push and sqeeze up", nullptr},
    /* 136 */ {"Blind vertically", nullptr},
    /* 137 */ {"Blind horizontally", nullptr},
    /* 138 */ {"Uneven blind from left", nullptr},
    /* 139 */ {"Uneven blind from right", nullptr},
    /* 140 */ {"Uneven blind from top", nullptr},
    /* 141 */ {"Uneven blind from bottom", nullptr},
    /* 142 */ {"Rectangular shred", nullptr},
    /* 143 */ {"Sweep clockwise", nullptr},
    /* 144 */ {"Sweep anticlockwise", nullptr},
    /* 145 */ {"Rectangles apear from left and disapear to right", nullptr},
    /* 146 */ {"Rectangles apear from right and disapear to left", nullptr},
    /* 147 */ {"Rectangles apear from up and disapear to bottom", nullptr},
    /* 148 */ {"Rectangles apear from bottom and disapear to up", nullptr},
    /* 149 */ {"Rotational rectangle in center", nullptr},
    /* 150 */ {"Rotational star in center", nullptr},
    /* 151 */ {"Spiral rectangle", nullptr},
    /* 152 */ {"Circular shred", nullptr},
    /* 153 */ {"Reveal V from left", nullptr},
    /* 154 */ {"Reveal V from right", nullptr},
    /* 155 */ {"Reveal V from top", nullptr},
    /* 156 */ {"Reveal V from bottom", nullptr},
    /* 157 */ {"Bow Tie Horizontal", nullptr},
    /* 158 */ {"Bow Tie Vertical", nullptr},
    /* 159 */ {"Diagonal Cross In", nullptr},
    /* 160 */ {"Diagonal Cross Out", nullptr},
    /* 161 */ {"Starburst anticlockwise from center", nullptr},
    /* 162 */ {"Zigzag Horizontal", nullptr},
    /* 163 */ {"Zigzag Vertical", nullptr},
    /* 164 */ {"Diamond shred", nullptr},
    /* 165 */ {"Reveal diamond out from centre", nullptr},
    /* 166 */ {"Reveal diamond in to centre", nullptr},
    /* 167 */ {"Diagonal Box Out", nullptr},
    /* 168 */ {"Pixelate", nullptr},
    /* 169 */ {"Dissolve", nullptr},
    /* 170 */ {"Random Bars Horizontal", nullptr},
    /* 171 */ {"Random Bars Vertical", nullptr},
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
