#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

struct mpv_handle;
struct mpv_event;

// One libmpv player. Its events are handed to onEvent on the thread that made it (the
// user-interface thread), from that thread's event loop or from inside Load and WaitFor.
class MpvPlayer {
 public:
  using Options = std::vector<std::pair<std::string, std::string>>;

  // Throws EMCIDeviceError when libmpv cannot start or rejects an option.
  explicit MpvPlayer(const Options& options);
  ~MpvPlayer();
  MpvPlayer(const MpvPlayer&) = delete;
  MpvPlayer& operator=(const MpvPlayer&) = delete;

  struct Loaded {
    std::int64_t entry = 0;  // the playlist entry of the file; 0 when it failed
    std::string error;       // why it failed
  };
  // Opens url paused and waits until it is ready to play, has failed, or timeoutMs passed.
  Loaded Load(const std::string& url, int timeoutMs);
  // Closes the file, if any.
  void Unload();
  void SetPause(bool paused);
  void SetOption(const char* name, const char* value);
  void Observe(const char* property);  // reported as flag property changes
  double Double(const char* property, double fallback) const;
  std::int64_t Int(const char* property, std::int64_t fallback) const;
  // Passes events on to onEvent until done returns true for one of them (true) or timeoutMs
  // have passed (false).
  bool WaitFor(const std::function<bool(const mpv_event&)>& done, int timeoutMs);

  mpv_handle* Handle() const { return handle_; }
  std::function<void(const mpv_event&)> onEvent;

 private:
  void Drain();

  mpv_handle* handle_ = nullptr;
  QObject pump_;  // receives the queued calls that drain the event queue
};
