#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TStartMode { FullScreen, Preview, Configure };

struct TCommandLine {
  TStartMode mode = TStartMode::FullScreen;
  std::int32_t previewWindow = 0;  // preview mode: the window to play in
};

// The first two characters of the first argument, letters upper-cased; empty without one.
std::string ModeSwitch(const std::vector<std::string>& arguments);

// The mode the arguments (without the program's name) ask for: "/P" with a decimal window
// handle, "/C", or anything else for full screen. Throws EConvertError
// ("'%s' is not a valid integer value") when the handle is missing or not a decimal integer.
TCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// text as a 32-bit signed decimal integer, or EConvertError.
std::int32_t StrToInt(const std::string& text);
