#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Commands.h"
#include "showdata/ShowWriter.h"

namespace fs = std::filesystem;

std::string DefaultPlayer(const std::string& selfPath) {
  return (fs::path(selfPath).parent_path() / "showsaver").string();
}

void MakePlayerCopy(const std::string& showFile, const std::string& out, const std::string& player,
                    const std::string& namedPath) {
  const fs::path show = fs::absolute(showFile).lexically_normal();
  if (!fs::is_regular_file(show)) throw UsageError("no such show file: " + showFile);
  std::ifstream in(player, std::ios::binary);
  if (!in) throw UsageError("cannot read the player " + player);

  std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  const auto trailer = EncodeTrailer(namedPath.empty() ? show.string() : namedPath);
  bytes.insert(bytes.end(), trailer.begin(), trailer.end());
  struct stat info {};
  const unsigned mode = stat(player.c_str(), &info) == 0 ? (info.st_mode & 07777u) : 0755u;
  WriteFileAtomically(out, bytes, mode | 0100u);
}

int BuildCommand(const Arguments& args, const std::string& selfPath) {
  constexpr const char* kUsage = "build takes SHOW.dat OUT [--player PATH] [--as PATH]";
  if (args.size() < 2 || args.size() % 2 != 0) throw UsageError(kUsage);
  std::string player = DefaultPlayer(selfPath);
  std::string namedPath;
  for (std::size_t i = 2; i < args.size(); i += 2) {
    if (args[i] == "--player")
      player = args[i + 1];
    else if (args[i] == "--as")
      namedPath = args[i + 1];
    else
      throw UsageError(kUsage);
  }
  if (!namedPath.empty() && !fs::path(namedPath).is_absolute())
    throw UsageError("--as takes an absolute path: " + namedPath);
  MakePlayerCopy(args[0], args[1], player, namedPath);
  return 0;
}
