#include "platform/MciCommand.h"

#include <algorithm>
#include <cctype>

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (true) {
    pos = text.find_first_not_of(" \t", pos);
    if (pos == std::string_view::npos) break;
    const auto end = std::min(text.find_first_of(" \t", pos), text.size());
    words.push_back(Lower(text.substr(pos, end - pos)));
    pos = end;
  }
  return words;
}

// The file of "open" runs up to the last " alias "; a path may itself hold spaces.
void ParseOpen(std::string_view rest, MciCommand& command) {
  const std::string lower = Lower(rest);
  const auto at = lower.rfind(" alias ");
  if (at == std::string::npos) {
    command.file = std::string(Unquote(Trim(rest)));
    return;
  }
  command.file = std::string(Unquote(Trim(rest.substr(0, at))));
  auto words = Words(rest.substr(at + 7));
  if (!words.empty()) {
    command.device = words.front();
    command.words.assign(words.begin() + 1, words.end());
  }
}

}  // namespace

bool MciCommand::Has(std::string_view word) const {
  return std::find(words.begin(), words.end(), word) != words.end();
}

MciCommand ParseMciCommand(std::string_view text) {
  MciCommand command;
  text = Trim(text);
  const auto verbEnd = std::min(text.find_first_of(" \t"), text.size());
  command.verb = Lower(text.substr(0, verbEnd));
  const std::string_view rest = text.substr(verbEnd);
  if (command.verb == "open") {
    ParseOpen(rest, command);
    return command;
  }
  auto words = Words(rest);
  if (!words.empty()) {
    command.device = words.front();
    command.words.assign(words.begin() + 1, words.end());
  }
  return command;
}
