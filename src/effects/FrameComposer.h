#pragma once

#include <cstdint>
#include <functional>

#include "raster/Bitmap.h"

// The progress in pixels along each axis: along the longer side MulDiv(side, progress, 100),
// carried to the other side by the aspect ratio. A square picture counts as wide; an empty one
// gives 0, 0.
struct ProgressPixels {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const ProgressPixels&, const ProgressPixels&) = default;
};
ProgressPixels ProgressToPixels(std::int32_t width, std::int32_t height, std::int32_t progress);

// Callbacks a view may hang on a frame; each gets (picture, screen). Empty ones are skipped.
struct FrameHooks {
  std::function<void(const Bitmap&, Bitmap&)> beforeNewFrame;
  std::function<void(const Bitmap&, Bitmap&)> customDraw;  // draws the frames of style 0
  std::function<void(const Bitmap&, Bitmap&)> afterNewFrame;
};

// Composes one frame of a transition into screen:
// 1. any clipping left on screen is removed and the whole old picture is copied into it;
// 2. beforeNewFrame;
// 3. at progress 100 the whole new picture is copied; at 0 nothing more is drawn; in between,
//    style 0 calls customDraw and any other drawn style calls its effect procedure with the
//    progress in pixels; a style that is not drawn (yet), or an empty picture, leaves the old
//    picture;
// 4. afterNewFrame.
// The clipping of screen is removed again after the procedure, also when it fails.
// oldPicture, picture and screen must have the same size (EInvalidOperation otherwise);
// progress is clamped to 0..100.
void RenderFrame(Bitmap& screen, const Bitmap& oldPicture, const Bitmap& picture, int style,
                 std::int32_t progress, const FrameHooks& hooks = {});
