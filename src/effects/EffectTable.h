#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "raster/Bitmap.h"

// An effect procedure draws one frame of a transition. Screen holds the whole old picture when
// it is called and receives the frame; Picture is the new picture, never changed. W and H are
// the size of both bitmaps, X and Y the progress in pixels along each axis (ProgressToPixels),
// Progress the percentage, 1..99.
//
// A procedure keeps nothing from one frame to the next, draws only through the raster layer,
// may address blocks partly or wholly outside the bitmaps, and leaves no clip region selected
// on Screen when it returns, also when it fails.
using TEffectProc = void (*)(Bitmap& Screen, const Bitmap& Picture, std::int32_t W, std::int32_t H,
                             std::int32_t X, std::int32_t Y, std::int32_t Progress);

struct TEffectEntry {
  const char* Name;
  TEffectProc Proc;  // nullptr while the style is not drawn yet
};

inline constexpr int kLastStyle = 171;
inline constexpr int kCustomStyle = 0;
inline constexpr int kDefaultStyle = 51;

// Entry i - 1 is style i, 1..171. Style 0, "Custom", has no entry: its frames are drawn by the
// caller's custom-draw callback.
extern const std::array<TEffectEntry, kLastStyle> EffectTable;

// The entry of a style, or nullptr for 0 and for numbers outside 1..171.
const TEffectEntry* FindEffect(int style);
// "Custom" for 0, the table's name for 1..171; an empty text otherwise.
std::string StyleName(int style);
// The style with this name, compared without regard to case: "Custom" gives 0, otherwise the
// first entry from style 1 upwards with an equal name. No value when nothing matches.
std::optional<int> StyleByName(std::string_view name);
// Whether frames of the style are drawn: 0 always (by the callback), 1..171 when the entry has a
// procedure.
bool IsStyleDrawn(int style);
