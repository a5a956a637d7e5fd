#pragma once

#include <string>

// The trailer at the end of a player copy names the show-data file it plays.
struct TPlayerTrailer {
  std::string ShowPath;  // as stored: absolute, or relative to the current directory
};

// Reads the last 1089 bytes of the executable at path. A file without a trailer reads its own
// last bytes as one, which name no show; a file shorter than a trailer gives an empty ShowPath.
// Throws EFOpenError when the file cannot be opened.
TPlayerTrailer ReadPlayerTrailer(const std::string& executablePath);
