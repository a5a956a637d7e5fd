#pragma once

#include <cstdint>
#include <string>
#include <vector>

// XScreenSaver mode plays the whole show inside a window that XScreenSaver made.
enum class TStartMode { FullScreen, Preview, Configure, XScreenSaver };

struct TCommandLine {
  TStartMode mode = TStartMode::FullScreen;
  std::int32_t previewWindow = 0;  // preview mode: the window to play in
  std::uint32_t hostWindow = 0;    // XScreenSaver mode: the X window to play in
};

// The first two characters of the first argument, letters upper-cased; empty without one.
std::string ModeSwitch(const std::vector<std::string>& arguments);

// The mode the arguments (without the program's name) ask for: "/P" with a decimal window
// handle, "/C", or anything else for full screen. Throws EConvertError
// ("'%s' is not a valid integer value") when the handle is missing or not a decimal integer.
//
// XScreenSaver's conventions come before "anything else": "--window-id ID" or "-window-id ID"
// as the first arguments, or xscreensaverWindow (the XSCREENSAVER_WINDOW variable; null or
// empty when unset) with a first argument other than "/P" or "/C", choose XScreenSaver mode.
// Throws EConvertError ("'%s' is not a valid window id") for an id that is neither "0x" and
// hexadecimal digits nor decimal.
TCommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                              const char* xscreensaverWindow = nullptr);

// text as a 32-bit signed decimal integer, or EConvertError.
std::int32_t StrToInt(const std::string& text);

// text as an X window id: "0x" (or "0X") and hexadecimal digits, or decimal; nonzero, 32 bits.
// EConvertError otherwise.
std::uint32_t StrToWindowId(const std::string& text);
