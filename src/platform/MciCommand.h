#pragma once

#include <string>
#include <string_view>
#include <vector>

// One command string of the media control interface, split into its parts. Keywords and
// device names are case-insensitive and come out in lower case; a file name keeps its case.
//   "open <file> alias <name>"   the file may contain spaces, or be in double quotes
//   "<verb> <device> [words...]" e.g. "play mid notify", "status mid mode"
struct MciCommand {
  std::string verb;
  std::string device;  // the alias the command addresses; for "open", the alias it creates
  std::string file;    // "open" only
  std::vector<std::string> words;

  bool Has(std::string_view word) const;
};

MciCommand ParseMciCommand(std::string_view text);
