#include "players/PicManager.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "players/PictureFile.h"
#include "players/picture/BmpWriter.h"
#include "players/picture/FitBitmap.h"
#include "showdata/SaverBase.h"

namespace {

bool FileExists(const std::string& name) {
  std::error_code error;
  return std::filesystem::exists(name, error);
}

bool CanCreateFileIn(const std::string& folder) {
  const std::string probe = folder + ".showsaver-probe-" + std::to_string(getpid());
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

// A short stable name for a show folder: its FNV-1a hash in hexadecimal.
std::string FolderKey(const std::string& folder) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : folder) hash = (hash ^ c) * 1099511628211ull;
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

std::string UserCacheFolder() {
  if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg == '/') return xdg;
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : "/tmp") + "/.cache";
}

}  // namespace

std::string PreparedPictureName(const std::string& folder, int index) {
  return folder + "tmppic000" + std::to_string(index) + ".bmp";
}

std::string WritableWorkFolder(const std::string& given) {
  const std::string folder = given.empty() || given.back() != '/' ? given + "/" : given;
  if (CanCreateFileIn(folder)) return folder;
  const std::string cache = UserCacheFolder() + "/showsaver/pictures-" + FolderKey(folder) + "/";
  std::error_code error;
  std::filesystem::create_directories(cache, error);
  return cache;
}

TPicManager::~TPicManager() {
  for (const std::string& name : files_) {
    if (FileExists(name)) std::remove(name.c_str());
  }
}

void TPicManager::SetWorkFolder(const std::string& folder) {
  workFolder_ = WritableWorkFolder(folder);
}

std::string TPicManager::GetFile(const TSaverBase& saver, int index) {
  const std::string name = PreparedPictureName(workFolder_, index);
  if (std::find(files_.begin(), files_.end(), name) == files_.end()) std::remove(name.c_str());
  if (FileExists(name)) return name;
  MakeFile(saver.ItemPath(index), name, saver);
  files_.push_back(name);
  return name;
}

void TPicManager::MakeFile(const std::string& source, const std::string& target,
                           const TSaverBase& saver) const {
  const int mode = saver.FitMode();
  Bitmap bitmap =
      LoadPicture(source, [&](Size upright) { return FitReduction(upright, clientRect_, mode); });
  FitBitmap(bitmap, clientRect_, mode, saver.BackColor());
  SaveBmp(bitmap, target);
}
