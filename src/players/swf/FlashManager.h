#pragma once

#include <string>
#include <vector>

class TSaverBase;

// The silent copies of a show's Flash movies: "tmpflash000" + index + extension in the
// show-data folder, made once per run, reused whenever their item comes again and deleted when
// the manager is destroyed.
class TFlashManager {
 public:
  TFlashManager() = default;
  ~TFlashManager();
  TFlashManager(const TFlashManager&) = delete;
  TFlashManager& operator=(const TFlashManager&) = delete;

  void SetWorkFolder(const std::string& folder) { WorkFolder = folder; }
  // The file the Flash control plays for item index: the item's own file when the show keeps
  // Flash sounds or the movie is neither "FWS" nor "CWS" (then the control is muted instead),
  // otherwise the silent copy. Errors of PrepareSwf propagate; a failed copy leaves no file.
  std::string GetFile(const TSaverBase& saver, int index);
  // The copy's name for item index with the given extension.
  std::string CopyName(int index, const std::string& extension) const;

  const std::vector<std::string>& RecordedFiles() const { return Files; }

 private:
  std::vector<std::string> Files;
  std::string WorkFolder;
};
