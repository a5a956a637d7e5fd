#include "platform/MciMpv.h"

#include <mpv/client.h>

#include <chrono>
#include <clocale>

#include "platform/Errors.h"

namespace {

void Check(int status, const std::string& what) {
  if (status < 0) throw EMCIDeviceError(what + ": " + mpv_error_string(status));
}

}  // namespace

MpvPlayer::MpvPlayer(const Options& options) {
  // libmpv refuses to start under a locale whose decimal separator is not a point.
  std::setlocale(LC_NUMERIC, "C");
  handle_ = mpv_create();
  if (!handle_) throw EMCIDeviceError("The media player could not be started");
  for (const auto& [name, value] : options) {
    const int status = mpv_set_option_string(handle_, name.c_str(), value.c_str());
    if (status < 0) {
      mpv_terminate_destroy(handle_);
      Check(status, "Media player option " + name + "=" + value);
    }
  }
  const int status = mpv_initialize(handle_);
  if (status < 0) {
    mpv_terminate_destroy(handle_);
    Check(status, "The media player could not be started");
  }
  mpv_set_wakeup_callback(
      handle_,
      [](void* data) {
        auto* self = static_cast<MpvPlayer*>(data);
        QMetaObject::invokeMethod(
            &self->pump_, [self] { self->Drain(); }, Qt::QueuedConnection);
      },
      this);
}

MpvPlayer::~MpvPlayer() {
  mpv_set_wakeup_callback(handle_, nullptr, nullptr);
  mpv_terminate_destroy(handle_);
}

MpvPlayer::Loaded MpvPlayer::Load(const std::string& url, int timeoutMs) {
  SetPause(true);
  const char* command[] = {"loadfile", url.c_str(), "replace", nullptr};
  mpv_node result{};
  if (mpv_command_ret(handle_, command, &result) < 0) return {0, "the file was refused"};
  std::int64_t entry = 0;
  if (result.format == MPV_FORMAT_NODE_MAP) {
    for (int i = 0; i < result.u.list->num; ++i) {
      if (std::string_view(result.u.list->keys[i]) == "playlist_entry_id")
        entry = result.u.list->values[i].u.int64;
    }
  }
  mpv_free_node_contents(&result);

  bool started = false;
  Loaded loaded{entry, {}};
  const bool finished = WaitFor(
      [&](const mpv_event& event) {
        if (event.event_id == MPV_EVENT_START_FILE)
          started = static_cast<mpv_event_start_file*>(event.data)->playlist_entry_id == entry;
        if (event.event_id == MPV_EVENT_FILE_LOADED) return started;
        if (event.event_id != MPV_EVENT_END_FILE) return false;
        const auto* end = static_cast<mpv_event_end_file*>(event.data);
        if (end->playlist_entry_id != entry) return false;
        loaded = {0, end->reason == MPV_END_FILE_REASON_ERROR ? mpv_error_string(end->error)
                                                              : "the file has no content"};
        return true;
      },
      timeoutMs);
  if (!finished) {
    Unload();
    return {0, "the file took too long to open"};
  }
  return loaded;
}

void MpvPlayer::Unload() {
  const char* command[] = {"stop", nullptr};
  mpv_command(handle_, command);
}

void MpvPlayer::SetPause(bool paused) {
  int flag = paused ? 1 : 0;
  mpv_set_property(handle_, "pause", MPV_FORMAT_FLAG, &flag);
}

void MpvPlayer::SetOption(const char* name, const char* value) {
  mpv_set_property_string(handle_, name, value);
}

void MpvPlayer::Observe(const char* property) {
  mpv_observe_property(handle_, 0, property, MPV_FORMAT_FLAG);
}

double MpvPlayer::Double(const char* property, double fallback) const {
  double value = fallback;
  return mpv_get_property(handle_, property, MPV_FORMAT_DOUBLE, &value) < 0 ? fallback : value;
}

std::int64_t MpvPlayer::Int(const char* property, std::int64_t fallback) const {
  std::int64_t value = fallback;
  return mpv_get_property(handle_, property, MPV_FORMAT_INT64, &value) < 0 ? fallback : value;
}

bool MpvPlayer::WaitFor(const std::function<bool(const mpv_event&)>& done, int timeoutMs) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    const auto left = std::chrono::duration<double>(deadline - Clock::now()).count();
    if (left <= 0) return false;
    const mpv_event* event = mpv_wait_event(handle_, left);
    if (event->event_id == MPV_EVENT_NONE) continue;
    if (onEvent) onEvent(*event);
    if (done(*event)) return true;
  }
}

void MpvPlayer::Drain() {
  while (true) {
    const mpv_event* event = mpv_wait_event(handle_, 0);
    if (event->event_id == MPV_EVENT_NONE) return;
    if (onEvent) onEvent(*event);
  }
}
