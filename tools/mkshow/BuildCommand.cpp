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

void MakePlayerCopy(const std::string& showFile, const std::string& out,
                    const std::string& player) {
  const fs::path show = fs::absolute(showFile).lexically_normal();
  if (!fs::is_regular_file(show)) throw UsageError("no such show file: " + showFile);
  std::ifstream in(player, std::ios::binary);
  if (!in) throw UsageError("cannot read the player " + player);

  std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  const auto trailer = EncodeTrailer(show.string());
  bytes.insert(bytes.end(), trailer.begin(), trailer.end());
  struct stat info {};
  const unsigned mode = stat(player.c_str(), &info) == 0 ? (info.st_mode & 07777u) : 0755u;
  WriteFileAtomically(out, bytes, mode | 0100u);
}

int BuildCommand(const Arguments& args, const std::string& selfPath) {
  if (args.size() != 2 && !(args.size() == 4 && args[2] == "--player"))
    throw UsageError("build takes SHOW.dat OUT [--player PATH]");
  MakePlayerCopy(args[0], args[1], args.size() == 4 ? args[3] : DefaultPlayer(selfPath));
  return 0;
}
