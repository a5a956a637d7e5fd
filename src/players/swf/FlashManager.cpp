#include "players/swf/FlashManager.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "players/swf/PrepareSwf.h"
#include "showdata/SaverBase.h"
#include "showdata/ShowPaths.h"

namespace fs = std::filesystem;

namespace {

void DeleteIgnoringErrors(const std::string& path) {
  std::error_code ignored;
  fs::remove(path, ignored);
}

bool FileExists(const std::string& path) {
  std::error_code ignored;
  return fs::exists(path, ignored);
}

}  // namespace

TFlashManager::~TFlashManager() {
  for (const auto& name : Files) {
    if (FileExists(name)) DeleteIgnoringErrors(name);
  }
}

std::string TFlashManager::CopyName(int index, const std::string& extension) const {
  return NormalizePath(WorkFolder + "/tmpflash000" + std::to_string(index) + extension);
}

std::string TFlashManager::GetFile(const TSaverBase& saver, int index) {
  if (!saver.MuteFlash()) return saver.ItemPath(index);
  const std::string name = CopyName(index, saver.ItemExtension(index));
  const bool recorded = std::find(Files.begin(), Files.end(), name) != Files.end();
  if (!recorded) DeleteIgnoringErrors(name);
  if (FileExists(name)) return name;
  if (PrepareSwf(saver.ItemPath(index), name) != 0) return saver.ItemPath(index);
  if (!recorded) Files.push_back(name);
  return name;
}
