#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

class QEventLoop;
class QWebEngineView;
class TFlashSchemeHandler;

// The Flash control of a Flash show: one long-lived web page running Ruffle's web build, behind
// the operations the player performs on a Flash control. It is created hidden as a child of the
// show window; the page starts loading at once, so that the first movie starts sooner.
//
// The current frame of an ActionScript 1 or 2 movie comes from the frame reports of the copy it
// plays (see SwfFrameReports.h); for other movies it is estimated from the time played and the
// frame rate, and reaches the last frame when the movie's playing time has passed.
class TFlashControl : public QWidget {
  Q_OBJECT
 public:
  explicit TFlashControl(QWidget* parent);
  ~TFlashControl() override;

  // Stopping the movie halts it at once; stopping playback also leaves it stopped.
  void Stop();
  void StopPlay();
  // Covers the parent's whole client area and follows its size from now on.
  void AlignToParent();
  // 0x02RRGGBB: the colour around the movie and behind it.
  void SetBackgroundColor(std::int32_t value);
  std::int32_t BackgroundColor() const { return backgroundColor_; }
  // 0 show all, 1 no border, 2 exact fit, 3 no scale; other values are ignored.
  void SetScaleMode(int mode);
  int ScaleMode() const { return scaleMode_; }
  // Loads the movie in file and returns once its frame count is known, stopped at its first
  // frame. A file that cannot be read or played raises an error.
  void SetMovie(const std::string& file);
  std::int32_t TotalFrames() const { return totalFrames_; }
  void Play();
  std::int32_t FrameNum() const;
  // A muted control plays without sound (volume 0).
  void SetMuted(bool muted);
  // True when receiver is the control or one of its windows, to which input over the movie is
  // addressed.
  bool OwnsReceiver(const QObject* receiver) const;

  // The time from the last SetMovie call to the first frame report, in milliseconds (-1 until
  // then): for measurements.
  qint64 MillisecondsToFirstFrame() const { return firstFrameMs_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Page;
  void OnPageMessage(const QString& message);
  void RunScript(const QString& script);
  // Runs the event loop (without user input) until done() holds or timeoutMs passes.
  bool WaitUntil(const std::function<bool()>& done, int timeoutMs);

  QWebEngineView* view_ = nullptr;
  TFlashSchemeHandler* scheme_ = nullptr;
  QEventLoop* waiting_ = nullptr;
  bool pageReady_ = false;
  bool alignToParent_ = false;
  std::int32_t backgroundColor_ = 0x02FFFFFF;
  int scaleMode_ = 0;
  bool muted_ = false;

  int loadSerial_ = 0;
  bool loaded_ = false;
  QString loadError_;
  bool reportsFrames_ = false;
  std::int32_t totalFrames_ = 0;
  double frameRate_ = 0;
  std::int32_t reportedFrame_ = 0;
  bool playing_ = false;
  qint64 playedMs_ = 0;
  QElapsedTimer playClock_;
  QElapsedTimer loadClock_;
  qint64 firstFrameMs_ = -1;
};
