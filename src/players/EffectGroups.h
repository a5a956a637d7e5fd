#pragma once

#include <array>
#include <cstdint>
#include <functional>

class TSaverBase;

// The effect groups a show can enable: each names one to ten transition styles.
struct EffectGroup {
  std::uint8_t count;
  std::array<std::uint8_t, 10> styles;
};

inline constexpr int kEffectGroupCount = 30;
extern const std::array<EffectGroup, kEffectGroupCount> EffectGroupStyles;

// Draws a transition style for a picture from the show's enabled effect groups, with the
// process-wide generator: a random group, then the first enabled one from there on (wrapping),
// or group 0 when none is enabled; then a random style of that group. step is told "2" to "8"
// before each of those actions.
int PickEffectStyle(const TSaverBase& saver, const std::function<void(const char*)>& step);
