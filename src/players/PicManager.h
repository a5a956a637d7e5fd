#pragma once

#include <string>
#include <vector>

#include "raster/Geometry.h"

class TSaverBase;

// The temporary picture files of one show window: every picture is prepared once, at the
// window's client size, and kept as a BMP file named after its item index in the work folder
// until the manager goes.
//
// Several windows share the work folder and the names. A file this manager did not make in
// this run is deleted before its name is used, so a window rebuilds at its own size a file that
// another window made; a file it made is used again as it stands.
class TPicManager {
 public:
  TPicManager() = default;
  // Deletes the files this manager made.
  ~TPicManager();
  TPicManager(const TPicManager&) = delete;
  TPicManager& operator=(const TPicManager&) = delete;

  void SetClientRect(const Rect& rect) { clientRect_ = rect; }
  // When no file can be created in it (a show installed
  // read-only), the prepared files go to a folder of this show under the user's cache folder.
  void SetWorkFolder(const std::string& folder);

  // The prepared file of item index, made when needed. Raises the loader's errors for a
  // picture that cannot be loaded, and EFCreateError or EWriteError when the file cannot be
  // written; nothing is recorded then.
  std::string GetFile(const TSaverBase& saver, int index);
  // Loads source, fits it to the client rectangle by the show's fit mode on its colour, and
  // saves it as BMP under target.
  void MakeFile(const std::string& source, const std::string& target,
                const TSaverBase& saver) const;

  const Rect& ClientRect() const { return clientRect_; }
  const std::vector<std::string>& Files() const { return files_; }
  const std::string& WorkFolder() const { return workFolder_; }

 private:
  Rect clientRect_;
  std::vector<std::string> files_;
  std::string workFolder_;
};

// The name of the prepared file of item index in folder (which ends in a separator).
std::string PreparedPictureName(const std::string& folder, int index);

// folder, with a separator added when it lacks one, when a file can be created in it;
// otherwise this show's folder under the user's cache folder ($XDG_CACHE_HOME, or ~/.cache),
// created when missing. Both end in a separator.
std::string WritableWorkFolder(const std::string& folder);
