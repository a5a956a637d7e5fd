#pragma once

#include <cstdint>
#include <vector>

#include "tests/swf/SwfBuilder.h"

// An ActionScript 1 movie of frameCount frames at perSecond frames a second on a stage of
// width × height pixels, filled with a red square, whose last frame stops the movie.
inline std::vector<std::uint8_t> CountingMovie(int frameCount, int perSecond, int width = 400,
                                               int height = 300) {
  SwfBuilder builder;
  builder.Stage(width, height).Frames(std::uint16_t(frameCount), std::uint8_t(perSecond));
  builder.Tag(9, {0x20, 0x40, 0x60});  // SetBackgroundColor
  for (int i = 0; i < frameCount; ++i) {
    if (i == frameCount - 1) builder.Tag(12, {0x07, 0x00});  // DoAction { Stop; End }
    builder.ShowFrame();
  }
  return builder.End().Fws();
}
