#pragma once

#include <cstdint>
#include <optional>

// The Flash control's settings that a show's header chooses.

// BackgroundColor from the show's colour (red in the low byte, then green, then blue):
// 0x02000000 + red × 65536 + green × 256 + blue.
constexpr std::int32_t FlashBackgroundColor(std::uint32_t backColor) {
  const std::uint32_t red = backColor & 0xFF;
  const std::uint32_t green = (backColor >> 8) & 0xFF;
  const std::uint32_t blue = (backColor >> 16) & 0xFF;
  return static_cast<std::int32_t>(0x02000000u + red * 65536u + green * 256u + blue);
}

// ScaleMode from the show's fit mode: centre (0) and proportional (2) give exact fit (2),
// stretch (1) gives show all (0); any other fit mode leaves the scale mode as it is.
constexpr std::optional<int> FlashScaleMode(std::uint8_t fitMode) {
  switch (fitMode) {
    case 0: return 2;
    case 1: return 0;
    case 2: return 2;
    default: return std::nullopt;
  }
}
