// The background music of the show window: SndMciStr, PlayMusic and MciNotify. The music chains
// itself from track to track through the media device's notification.
#include <filesystem>
#include <system_error>

#include "host/ShowSaver.h"
#include "platform/Mci.h"
#include "platform/Random.h"

namespace {

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string TfrmShowSaver::SndMciStr(const std::string& command) {
  TraceFunction = "SndMciStr";
  TraceLine = "1";
  // The result code is of no interest: a command that fails only fails itself.
  const MciResult result = MciSendString(command, this);
  TraceLine = "2";
  TraceLine = "000";
  TraceFunction.clear();
  return result.reply;
}

void TfrmShowSaver::PlayMusic() {
  TraceFunction = "PlayMusic";
  TraceLine = "1";
  if (IsPreview || !PlaysMusic) return;
  TraceLine = "2";
  // Once the show has ended there is no music list left to play from.
  if (!Saver || Saver->MusicCount() <= 0) return;
  TraceLine = "3";
  if (Saver->RandomMusic()) {
    TraceLine = "10";
    Randomize();
    TraceLine = "11";
    CurrentMusic = Random(Saver->MusicCount());
    TraceLine = "12";
    const std::string path = Saver->MusicPath(CurrentMusic);
    if (FileExists(path)) {
      TraceLine = "13";
      SndMciStr("Open " + path + " alias mid");
      TraceLine = "14";
      SndMciStr("Play mid notify");
      TraceLine = "15";
    }
  } else {
    TraceLine = "4";
    CurrentMusic = CurrentMusic + 1;
    TraceLine = "5";
    if (CurrentMusic > Saver->MusicCount() - 1) CurrentMusic = 0;
    TraceLine = "6";
    const std::string path = Saver->MusicPath(CurrentMusic);
    if (FileExists(path)) {
      TraceLine = "7";
      SndMciStr("Open " + path + " alias mid");
      TraceLine = "8";
      SndMciStr("Play mid notify");
    } else {
      TraceLine = "9";
    }
  }
  TraceLine = "000";
  TraceFunction.clear();
}

void TfrmShowSaver::MciNotify(const MciNotifyEvent& message) {
  TraceFunction = "MciNotify";
  TraceLine = "1";
  if (!IsPreview) {
    // Only a device that has stopped, or still plays, moves on to the next track.
    const bool stoppedOrPlaying =
        SndMciStr("Status mid mode") == "stopped" || SndMciStr("Status mid mode") == "playing";
    if (stoppedOrPlaying && message.NotifyCode() != MciNotifyEvent::Aborted) {
      TraceLine = "2";
      SndMciStr("stop mid");
      TraceLine = "3";
      SndMciStr("close mid");
      TraceLine = "4";
      PlayMusic();
    }
  }
  TraceLine = "000";
  TraceFunction.clear();
}
