#pragma once

#include <string_view>

// The diagnostic log. When SHOWSAVER_LOG names a file, each call appends one line:
//   2026-12-11 14:03:07.512 [0] item-start index=2 kind=0 style=37
// local time with milliseconds, the show window's monitor index in brackets, then the event.
// Safe to call from any thread; does nothing when the variable is unset.
void ShowLog(int monitor, std::string_view event);
