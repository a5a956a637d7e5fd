#include "host/CommandLine.h"

#include <charconv>

#include "platform/Errors.h"

std::string ModeSwitch(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return {};
  std::string modeSwitch = arguments.front().substr(0, 2);
  for (char& c : modeSwitch)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return modeSwitch;
}

std::int32_t StrToInt(const std::string& text) {
  std::int32_t value = 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (begin == end || error != std::errc() || stop != end)
    throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

std::uint32_t StrToWindowId(const std::string& text) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char* begin = text.data() + (hex ? 2 : 0);
  const char* end = text.data() + text.size();
  std::uint32_t value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value, hex ? 16 : 10);
  if (begin == end || error != std::errc() || stop != end || value == 0)
    throw EConvertError("'" + text + "' is not a valid window id");
  return value;
}

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments,
                              const char* xscreensaverWindow) {
  const std::string modeSwitch = ModeSwitch(arguments);
  if (modeSwitch == "/P")
    return {TStartMode::Preview, StrToInt(arguments.size() > 1 ? arguments[1] : std::string()), 0};
  if (modeSwitch == "/C") return {TStartMode::Configure, 0, 0};
  if (!arguments.empty() && (arguments[0] == "--window-id" || arguments[0] == "-window-id"))
    return {TStartMode::XScreenSaver, 0,
            StrToWindowId(arguments.size() > 1 ? arguments[1] : std::string())};
  if (xscreensaverWindow != nullptr && *xscreensaverWindow != '\0')
    return {TStartMode::XScreenSaver, 0, StrToWindowId(xscreensaverWindow)};
  return {TStartMode::FullScreen, 0, 0};
}
