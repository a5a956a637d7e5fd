// Diagnostic log entries for the temporary files and the music, taken from the managers' lists
// and the music device's state, so that the players need not know about the log.
#include <algorithm>
#include <filesystem>

#include "host/ShowSaver.h"
#include "platform/Mci.h"
#include "players/PicManager.h"
#include "players/swf/FlashManager.h"

std::vector<std::string> TfrmShowSaver::TemporaryFiles() const {
  std::vector<std::string> files;
  if (PicManager) files = PicManager->Files();
  if (FlashManager)
    files.insert(files.end(), FlashManager->RecordedFiles().begin(),
                 FlashManager->RecordedFiles().end());
  return files;
}

void TfrmShowSaver::LogMadeFiles(const std::vector<std::string>& known) const {
  for (const std::string& file : TemporaryFiles())
    if (std::find(known.begin(), known.end(), file) == known.end()) Log("tempfile-made " + file);
}

void TfrmShowSaver::LogDeletedFiles(const std::vector<std::string>& made) const {
  for (const std::string& file : made) {
    std::error_code error;
    Log((std::filesystem::exists(file, error) ? "tempfile-kept " : "tempfile-deleted ") + file);
  }
}

void TfrmShowSaver::LogMusicStarted() {
  if (IsPreview || !Saver || CurrentMusic < 0 || CurrentMusic >= Saver->MusicCount()) return;
  // Asked without a command, so that the device receives only the show's own commands.
  if (MciMode("mid") != "playing") return;
  Log("music-start index=" + std::to_string(CurrentMusic) + " " + Saver->MusicPath(CurrentMusic));
}
