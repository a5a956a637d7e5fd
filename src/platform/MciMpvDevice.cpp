#include "platform/MciMpvDevice.h"

#include <mpv/client.h>

#include <QCoreApplication>

#include "platform/MciCommand.h"
#include "platform/MciMidi.h"

namespace {

constexpr int kOpenTimeoutMs = 10000;

}  // namespace

MpvPlayer::Options MciMpvDevice::DefaultOptions() {
  // Without a sound card the null output keeps the track's real duration; gapless audio would
  // report the end of a track early.
  return {{"vo", "null"},  {"vid", "no"},      {"ao", "pulse,alsa,null"}, {"gapless-audio", "no"},
          {"idle", "yes"}, {"terminal", "no"}, {"audio-display", "no"},   {"load-scripts", "no"}};
}

MciMpvDevice::MciMpvDevice(const MpvPlayer::Options& options) {
  auto all = DefaultOptions();
  all.insert(all.end(), options.begin(), options.end());
  player_ = std::make_unique<MpvPlayer>(all);
  RegisterMidiProtocol(player_->Handle());
  player_->onEvent = [this](const mpv_event& event) { OnEvent(event); };
}

MciResult MciMpvDevice::SendString(std::string_view text, QObject* callback) {
  const MciCommand command = ParseMciCommand(text);
  if (command.verb == "open") return Open(command);
  if (command.verb != "play" && command.verb != "status" && command.verb != "stop" &&
      command.verb != "close")
    return {MciError::UnrecognizedCommand, {}};
  if (alias_.empty() || command.device != alias_) return {MciError::InvalidDeviceName, {}};
  if (command.verb == "play") return Play(command, callback);
  if (command.verb == "status") return Status(command);
  if (command.verb == "stop") return Stop();
  return Close();
}

MciResult MciMpvDevice::Open(const MciCommand& command) {
  if (command.file.empty() || command.device.empty()) return {MciError::MissingParameter, {}};
  if (!alias_.empty()) return {MciError::DuplicateAlias, {}};
  const std::string url = IsMidiFile(command.file) ? MidiUrl(command.file) : command.file;
  const auto loaded = player_->Load(url, kOpenTimeoutMs);
  if (loaded.entry == 0) return {MciError::CannotLoadFile, {}};
  alias_ = command.device;
  entry_ = loaded.entry;
  state_ = State::Stopped;
  return {};
}

MciResult MciMpvDevice::Play(const MciCommand& command, QObject* callback) {
  Notify(MciNotifyEvent::Superseded);
  if (command.Has("notify")) {
    notifyPending_ = true;
    notifyTarget_ = callback;
  }
  if (state_ == State::Ended) {
    // Playing on from the end of the track is over at once.
    Notify(MciNotifyEvent::Successful);
    return {};
  }
  state_ = State::Playing;
  player_->SetPause(false);
  return {};
}

MciResult MciMpvDevice::Status(const MciCommand& command) {
  if (command.words.empty()) return {MciError::MissingParameter, {}};
  if (command.words.front() != "mode") return {MciError::UnsupportedFunction, {}};
  return {MciError::None, Mode(alias_)};
}

std::string MciMpvDevice::Mode(std::string_view alias) const {
  if (alias_.empty() || alias != alias_) return {};
  return state_ == State::Playing ? "playing" : "stopped";
}

MciResult MciMpvDevice::Stop() {
  Notify(MciNotifyEvent::Aborted);
  if (state_ == State::Playing) {
    player_->SetPause(true);
    state_ = State::Stopped;
  }
  return {};
}

MciResult MciMpvDevice::Close() {
  Notify(MciNotifyEvent::Aborted);
  player_->Unload();
  alias_.clear();
  entry_ = 0;
  state_ = State::Stopped;
  return {};
}

void MciMpvDevice::OnEvent(const mpv_event& event) {
  if (event.event_id != MPV_EVENT_END_FILE) return;
  const auto* end = static_cast<const mpv_event_end_file*>(event.data);
  // Ends of files that were closed since are of no interest.
  if (entry_ == 0 || end->playlist_entry_id != entry_) return;
  state_ = State::Ended;
  Notify(end->reason == MPV_END_FILE_REASON_ERROR ? MciNotifyEvent::Failure
                                                  : MciNotifyEvent::Successful);
}

void MciMpvDevice::Notify(int code) {
  if (!notifyPending_) return;
  notifyPending_ = false;
  if (notifyTarget_) QCoreApplication::postEvent(notifyTarget_, new MciNotifyEvent(code));
  notifyTarget_.clear();
}
