#pragma once

#include <QPointer>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Mci.h"
#include "platform/MciMpv.h"

struct MciCommand;

// The media device on libmpv: one alias at a time, one track at a time. "open" loads the file
// and waits until it can play (a file that cannot be opened leaves the alias closed), "play"
// starts it, and the end of the track, a stop or close, or a later "play" posts the pending
// notification: 1 when the track played to its end, 2 when superseded, 4 when cut short, 8 when
// playback failed.
class MciMpvDevice : public MciDevice {
 public:
  // The options the show plays with: no picture, the first audio output that works.
  static MpvPlayer::Options DefaultOptions();

  // options are applied after the defaults.
  explicit MciMpvDevice(const MpvPlayer::Options& options = {});

  MciResult SendString(std::string_view command, QObject* callback) override;
  std::string Mode(std::string_view alias) const override;

 private:
  enum class State { Stopped, Playing, Ended };

  MciResult Open(const MciCommand& command);
  MciResult Play(const MciCommand& command, QObject* callback);
  MciResult Status(const MciCommand& command);
  MciResult Stop();
  MciResult Close();
  void OnEvent(const struct mpv_event& event);
  void Notify(int code);

  std::unique_ptr<MpvPlayer> player_;
  std::string alias_;  // empty while nothing is open
  std::int64_t entry_ = 0;
  State state_ = State::Stopped;
  bool notifyPending_ = false;
  QPointer<QObject> notifyTarget_;
};
