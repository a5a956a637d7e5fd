#pragma once

#include <QEvent>
#include <QRect>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "raster/Bitmap.h"
#include "transition/Picture.h"
#include "transition/TransitionTypes.h"

class QEventLoop;
class TAnimateThread;

// A control that shows one picture inside its client area, with a background and an optional
// frame line around it, and replaces it by the next picture through an animated transition.
//
// Using it to show pictures one after another:
//
//   view->Picture().LoadFromFile(path);   // or SetGraphic(image), SetBitmap(bitmap)
//   view->SetStyle(118);                  // or SetStyleName("Fade")
//   view->OnProgress = [](TCustomTransitionView* v) { if (v->Progress() == 100) ...; };
//   view->StartTransition();
//
// StartTransition starts from the picture now shown (OverDraw) and raises Progress from 0 to
// 100 by Step every Delay milliseconds, on a worker thread (Threaded, the default) or inline
// while events keep flowing. StopTransition ends a running transition at once; starting a new
// one while one runs is ignored, so stop the old one first. Color fills the background when no
// background picture covers it, and shows through transparent parts of a new picture.
//
// Threads. Everything here is called on the thread that owns the widget (the user-interface
// thread), except that OnBeforeNewFrame, OnCustomDraw, OnAfterNewFrame and OnProgress run on
// the worker thread while Threaded is on. Such a handler must not block waiting for the
// user-interface thread; to hand work over, it calls PostToUiThread (or queues a call of its
// own). StartTransition, StopTransition and SetManual called from the worker are handed over
// that way by themselves. Stopping, switching Manual or destroying the view while the worker
// waits for its repaint never deadlocks: the worker's wait is cancelled first. Handlers are
// assigned while no transition runs. A handler that wants the view gone calls deleteLater(),
// never delete: the view may still be inside the call that fired it.
//
// Events: OnStart once the transition is prepared; per frame OnBeforeNewFrame, OnCustomDraw
// (style 0 only), OnAfterNewFrame, OnProgress; then OnComplete when the end was reached; then
// OnStop, also for a stopped transition. No event fires while the view is being destroyed.
//
// Failures. A failure while a transition starts, or inside the inline loop, reaches the caller
// of StartTransition; the transition is then not running. A failure inside a frame on the
// worker thread ends the transition with OnStop and is raised again on the user-interface
// thread from the worker's hand-back event, so the application's error handler reports it.
class TCustomTransitionView : public QWidget {
  Q_OBJECT

 public:
  using TNotifyEvent = std::function<void(TCustomTransitionView* sender)>;
  // (Sender, Picture, Screen): which bitmaps are passed depends on the event.
  using TCustomDrawEvent =
      std::function<void(TCustomTransitionView* sender, const Bitmap& picture, Bitmap& screen)>;

  explicit TCustomTransitionView(QWidget* owner = nullptr);
  ~TCustomTransitionView() override;

  // The background: BgPicture fills the area around the picture as BgMode says; where it does
  // not reach, Color shows.
  TBackgroundMode BgMode() const { return bgMode_; }
  void SetBgMode(TBackgroundMode value);
  TPicture& BgPicture() { return bgPicture_; }
  void SetBgPicture(const TPicture& value) { bgPicture_.Assign(value); }
  TColor Color() const { return color_; }
  void SetColor(TColor value);

  // The frame line, FrameWidth pixels wide, drawn in the margin it keeps around the picture.
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor value);
  int FrameWidth() const { return frameWidth_; }
  void SetFrameWidth(int value);  // negative values count as 0

  // Placement of the picture inside the frame margin.
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);

  // The picture the next transition shows. Changing it never starts a transition.
  TPicture& Picture() { return picture_; }
  void SetPicture(const TPicture& value) { picture_.Assign(value); }

  // The transition: effect number 0..171 (larger values are ignored; 0 is drawn by
  // OnCustomDraw), percent per frame 1..100 (above 100 is stored as 100, 0 as 1) and
  // milliseconds per frame.
  TShowStyle Style() const { return style_; }
  void SetStyle(int value);
  // "Custom" for style 0, the effect's name otherwise; writing looks the name up without regard
  // to case and ignores names it does not know.
  QString StyleName() const;
  void SetStyleName(const QString& value);
  std::uint16_t Step() const { return step_; }
  void SetStep(int value);
  std::uint16_t Delay() const { return delay_; }
  void SetDelay(std::uint16_t value) { delay_ = value; }
  // A late frame enlarges the next step in proportion (Step × elapsed / Delay).
  bool ExactTiming() const { return exactTiming_; }
  void SetExactTiming(bool value) { exactTiming_ = value; }
  // Progress runs from 100 down to 0, ending on the old picture.
  bool Reverse() const { return reverse_; }
  void SetReverse(bool value) { reverse_ = value; }
  // Start from the picture now shown when it has the new picture's size, else from the
  // background behind the picture rectangle.
  bool OverDraw() const { return overDraw_; }
  void SetOverDraw(bool value) { overDraw_ = value; }
  bool Threaded() const { return threaded_; }
  void SetThreaded(bool value) { threaded_ = value; }
  TThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(TThreadPriority value) { threadPriority_ = value; }
  // The caller drives Progress: StartTransition only prepares, every Progress write shows a
  // frame, and switching Manual off hands the transition to the frame loop.
  bool Manual() const { return manual_; }
  void SetManual(bool value);

  // Placement inside the parent and sizing to the picture.
  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);

  // 0..100. Writing shows the frame at once and fires OnProgress; it does nothing while no
  // transition runs.
  int Progress() const { return progress_; }
  void SetProgress(int value);
  bool Running() const { return running_; }

  virtual void StartTransition();
  virtual void StopTransition();
  // Forgets the picture shown, so that only the background shows; not while running.
  virtual void ClearScreen();

  // Queues fn to run on the user-interface thread; dropped if the view is destroyed first.
  // Safe from any thread.
  void PostToUiThread(std::function<void()> fn);

  // Where the screen buffer is drawn, and the size of the picture last prepared.
  QRect DisplayRect() const { return displayRect_; }
  QRect SourceRect() const { return sourceRect_; }
  // A copy of the frame shown (a null image while nothing is shown).
  QImage ScreenImage() const;

  // Called with the proposed size while AutoSize is on; answers whether resizing is allowed.
  virtual bool CanAutoSize(int& newWidth, int& newHeight);

  TNotifyEvent OnChange;
  TNotifyEvent OnProgress;
  TNotifyEvent OnComplete;
  TCustomDrawEvent OnCustomDraw;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TCustomDrawEvent OnBeforeNewFrame;
  TCustomDrawEvent OnAfterNewFrame;
  TCustomDrawEvent OnStart;
  TNotifyEvent OnStop;

 protected:
  virtual void DrawBackground(QPainter& canvas, const QRect& rect);
  virtual void DrawPictureAndFrame(QPainter& canvas);
  virtual void NotifyChange();
  virtual void NotifyProgress();
  virtual void NotifyCustomDraw(const Bitmap& picture, Bitmap& screen);
  virtual void NotifyBeforeNewFrame(const Bitmap& picture, Bitmap& screen);
  virtual void NotifyAfterNewFrame(const Bitmap& picture, Bitmap& screen);
  virtual void NotifyComplete();
  virtual void NotifyStart(const Bitmap& picture, Bitmap& screen);
  virtual void NotifyStop();

  // Stops a running transition without firing events; every destructor of a class derived from
  // this one calls it first, so that the worker never calls into a half-destroyed object.
  void StopForDestruction();

  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  friend class TAnimateThread;

  struct StepResult {
    bool more;
    std::int64_t startNs;  // when the frame began, on the high-resolution clock
    int elapsedMs;
  };

  void PictureChanged();
  void BgPictureChanged();
  void AdjustSize();
  void ApplyAlign();
  void CalcPictureRect();
  // Draws the background behind DisplayRect into the old picture, scaled to its size; the
  // render variant also composes the current frame again under Manual control.
  void RenderOldFromBackground();
  void DrawOldFromBackground();
  // Repaints DisplayRect at once; on the worker thread, waits for the user-interface thread to
  // do it, or for the worker to be told to end.
  void RepaintDisplayRect();

  // The transition driver.
  void PrepareTransition();
  void Animate();
  void RunInlineLoop();
  bool WaitInline(std::int64_t deadlineNs, std::uint64_t token);
  StepResult StepProgress(int step);
  // When the frame after this one is due.
  std::int64_t FrameDeadline(const StepResult& frame) const;
  // The step of the frame after this one.
  int NextStep(const StepResult& frame, int step) const;
  void RenderFrame();
  bool EndWorker();
  void WorkerDone(bool raiseFailure);
  void FinishTransition(bool failed = false);
  void FreeTransitionBitmaps();
  void WakeInlineLoops();
  bool DeferToUiThread(std::function<void()> fn);

  TPicture picture_;
  TPicture bgPicture_;
  TBackgroundMode bgMode_ = bmTiled;
  TColor color_ = clBtnFace;
  TColor frameColor_ = clActiveBorder;
  int frameWidth_ = 0;
  bool center_ = false;
  bool stretch_ = false;
  bool proportional_ = false;
  bool overDraw_ = true;
  bool threaded_ = true;
  TThreadPriority threadPriority_ = tpNormal;
  TAlign align_ = alNone;
  bool autoSize_ = false;
  std::atomic<bool> manual_ = false;
  std::atomic<TShowStyle> style_ = 51;
  std::atomic<std::uint16_t> step_ = 4;
  std::atomic<std::uint16_t> delay_ = 40;
  std::atomic<int> progress_ = 0;
  std::atomic<bool> reverse_ = false;
  std::atomic<bool> running_ = false;
  std::atomic<bool> exactTiming_ = false;

  Bitmap screenBitmap_;
  QRect displayRect_;
  QRect sourceRect_;
  std::unique_ptr<TAnimateThread> worker_;
  std::atomic<bool> stopping_ = false;
  bool painting_ = false;
  bool destroying_ = false;
  bool oldFromBackground_ = false;
  std::unique_ptr<Bitmap> oldBitmap_;
  std::unique_ptr<Bitmap> pictureBitmap_;
  // Guards Progress, Style and the composition of a frame.
  std::recursive_mutex frameLock_;
  // The canvas locks of the screen buffer and of the old picture.
  mutable std::recursive_mutex screenLock_;
  std::recursive_mutex oldLock_;
  // Every inline frame loop runs while its token is current; ending or replacing the
  // transition, or switching Manual, moves the token on and wakes the loop's wait.
  std::uint64_t loopToken_ = 0;
  std::uint64_t transitionSerial_ = 0;
  std::vector<QEventLoop*> inlineWaits_;
};

// The control as placed on a form: adds nothing to TCustomTransitionView.
class TTransitionView : public TCustomTransitionView {
  Q_OBJECT

 public:
  explicit TTransitionView(QWidget* owner = nullptr) : TCustomTransitionView(owner) {}
  ~TTransitionView() override { StopForDestruction(); }
};
