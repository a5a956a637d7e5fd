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

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  const std::string modeSwitch = ModeSwitch(arguments);
  if (modeSwitch == "/P")
    return {TStartMode::Preview, StrToInt(arguments.size() > 1 ? arguments[1] : std::string())};
  if (modeSwitch == "/C") return {TStartMode::Configure, 0};
  return {TStartMode::FullScreen, 0};
}
