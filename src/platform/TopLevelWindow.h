#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Top-level windows of other programs on the X display, found by their exact title.
// Windows that a window manager has put into frames are found inside their frames.
using ForeignWindowId = std::uint32_t;

// The first top-level window titled exactly title, or none (also when no display is reachable).
std::optional<ForeignWindowId> FindTopLevelWindow(const std::string& title);
// Raises window and gives it the input focus: through the window manager when one runs,
// directly otherwise.
void SetForegroundWindow(ForeignWindowId window);
// The size of window's client area; none when the window does not exist.
struct ForeignSize {
  int width;
  int height;
};
std::optional<ForeignSize> ForeignClientSize(ForeignWindowId window);
