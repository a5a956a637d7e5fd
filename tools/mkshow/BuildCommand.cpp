#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Commands.h"
#include "showdata/ShowWriter.h"

namespace fs = std::filesystem;

int BuildCommand(const Arguments& args, const std::string& selfPath) {
  if (args.size() != 2 && !(args.size() == 4 && args[2] == "--player"))
    throw UsageError("build takes SHOW.dat OUT [--player PATH]");
  const fs::path show = fs::absolute(args[0]).lexically_normal();
  if (!fs::is_regular_file(show)) throw UsageError("no such show file: " + args[0]);
  const fs::path player =
      args.size() == 4 ? fs::path(args[3]) : fs::path(selfPath).parent_path() / "showsaver";
  std::ifstream in(player, std::ios::binary);
  if (!in) throw UsageError("cannot read the player " + player.string());

  std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  const auto trailer = EncodeTrailer(show.string());
  bytes.insert(bytes.end(), trailer.begin(), trailer.end());
  struct stat info {};
  const unsigned mode = stat(player.c_str(), &info) == 0 ? (info.st_mode & 07777u) : 0755u;
  WriteFileAtomically(args[1], bytes, mode | 0100u);
  return 0;
}
