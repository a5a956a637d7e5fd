#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/MciMpv.h"

class TVideoSurface;

// The media-player component that plays the video items: it opens a file, draws its picture
// into a rectangle of its display panel, plays it and reports the end through OnNotify. Built
// on libmpv; position and length are in milliseconds.
class TMediaPlayer : public QWidget {
 public:
  // Options given to every player made after the call, after the defaults (tests use the null
  // outputs).
  static void SetPlayerOptions(const MpvPlayer::Options& options);

  // Hidden, with owner as its parent.
  explicit TMediaPlayer(QWidget* owner);
  ~TMediaPlayer() override;

  // The panel the picture is drawn into.
  void SetDisplay(QWidget* display);
  QWidget* Display() const { return display_; }
  void SetFileName(const std::string& fileName) { fileName_ = fileName; }
  const std::string& FileName() const { return fileName_; }

  // Opens FileName, closing the file open before. Throws EMCIDeviceError when the file cannot
  // be opened. The display rectangle is then the picture's natural size at (0, 0).
  void Open();
  // Closes the open file. Its last frame stays in the panel until the next file replaces it.
  void Close();
  // Starts playback; OnNotify follows once it has run to the end. Throws EMCIDeviceError when
  // no file is open.
  void Play();

  // The area of the display panel that the picture fills.
  QRect DisplayRect() const { return displayRect_; }
  void SetDisplayRect(const QRect& rect);
  std::int32_t Position() const;
  std::int32_t Length() const;

  std::function<void(QObject* sender)> OnNotify;

 private:
  friend class TVideoSurface;
  void MakePlayer();
  void ReleasePlayer();
  void OnEvent(const struct mpv_event& event);
  void Ended();

  std::unique_ptr<MpvPlayer> player_;
  QPointer<QWidget> display_;
  QPointer<TVideoSurface> surface_;
  std::string fileName_;
  std::int64_t entry_ = 0;  // the open file's entry in the player; 0 when none is open
  bool playing_ = false;
  bool ended_ = false;
  bool notifyPending_ = false;
  QRect displayRect_;
};
