#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// Bad input on mkshow's command line: reported with exit status 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using Arguments = std::vector<std::string>;

// Each command takes the arguments after its name and answers the process's exit status.
int CreateCommand(const Arguments& args);
int BuildCommand(const Arguments& args, const std::string& selfPath);
int InspectCommand(const Arguments& args);
int XScreenSaverCommand(const Arguments& args, const std::string& selfPath);

// The player that mkshow beside it belongs to.
std::string DefaultPlayer(const std::string& selfPath);
// Writes out: a copy of player with a trailer naming showFile (made absolute), or namedPath
// when given: where showFile will be found when the copy plays, e.g. once installed.
void MakePlayerCopy(const std::string& showFile, const std::string& out, const std::string& player,
                    const std::string& namedPath = {});

// Writes bytes to path through a temporary file in the same folder, so that a failure never
// leaves a partial file; mode sets the permission bits.
void WriteFileAtomically(const std::string& path, const std::vector<unsigned char>& bytes,
                         unsigned mode = 0644);
