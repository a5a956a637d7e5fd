// The transition driver of TCustomTransitionView: starting, the frame loop (worker thread or
// inline), composing frames, stopping and finishing.
#include <QCoreApplication>
#include <QEventLoop>
#include <QPainter>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <exception>

#include "effects/FrameComposer.h"
#include "platform/TickCount.h"
#include "transition/AnimateThread.h"
#include "transition/BitmapImage.h"
#include "transition/FrameStep.h"
#include "transition/PictureRect.h"
#include "transition/TransitionEvents.h"
#include "transition/TransitionView.h"

namespace {

constexpr std::int64_t kNsPerMs = 1'000'000;

std::int64_t Now() {
  return static_cast<std::int64_t>(HighResolutionCounter());
}

Pixel OpaquePixel(TColor color) {
  const QColor c = ToQColor(color);
  return MakePixel(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                   static_cast<std::uint8_t>(c.blue()), 0xFF);
}

// Clears a flag when the scope ends.
struct FlagReset {
  std::atomic<bool>& flag;
  ~FlagReset() { flag = false; }
};

}  // namespace

bool TCustomTransitionView::DeferToUiThread(std::function<void()> fn) {
  if (QThread::currentThread() == thread()) return false;
  PostToUiThread(std::move(fn));
  return true;
}

// Starting -----------------------------------------------------------------------------------

void TCustomTransitionView::StartTransition() {
  if (running_) return;
  if (DeferToUiThread([this] { StartTransition(); })) return;
  if (!picture_.HasGraphic()) return;
  running_ = true;
  const QPointer<TCustomTransitionView> self(this);
  const std::uint64_t serial = ++transitionSerial_;
  try {
    PrepareTransition();
    if (!manual_ && !stopping_) Animate();
  } catch (...) {
    // Clean up only if the failing transition is still this one.
    if (self && running_ && transitionSerial_ == serial) {
      FreeTransitionBitmaps();
      running_ = false;
    }
    throw;
  }
}

void TCustomTransitionView::PrepareTransition() {
  const int w = picture_.Width();
  const int h = picture_.Height();
  if (overDraw_ && screenBitmap_.Width() == w && screenBitmap_.Height() == h) {
    oldFromBackground_ = false;
    std::lock_guard lock(screenLock_);
    oldBitmap_ = std::make_unique<Bitmap>(screenBitmap_.Clone());
  } else {
    // Drawn from the background by CalcPictureRect below.
    oldFromBackground_ = true;
    oldBitmap_ = std::make_unique<Bitmap>(w, h, OpaquePixel(color_));
  }
  pictureBitmap_ = std::make_unique<Bitmap>(w, h, OpaquePixel(color_));
  {
    QImage target = WrapBitmap(*pictureBitmap_);
    QPainter painter(&target);
    painter.drawImage(0, 0, picture_.Graphic());
  }
  sourceRect_ = QRect(0, 0, w, h);
  displayRect_ =
      ComputePictureRect(size(), frameWidth_, sourceRect_.size(), center_, stretch_, proportional_);
  if (oldFromBackground_) DrawOldFromBackground();
  {
    Bitmap screen = oldBitmap_->Clone();
    std::lock_guard lock(screenLock_);
    screenBitmap_ = std::move(screen);
  }
  progress_ = reverse_ ? 100 : 0;
  update();
  NotifyStart(*pictureBitmap_, *oldBitmap_);
}

void TCustomTransitionView::Animate() {
  if (!threaded_) {
    RunInlineLoop();
    return;
  }
  worker_ = std::make_unique<TAnimateThread>(this);
  worker_->start(ToQThreadPriority(threadPriority_));
}

// The frame loop -----------------------------------------------------------------------------

TCustomTransitionView::StepResult TCustomTransitionView::StepProgress(int step) {
  const std::int64_t start = Now();
  const int p = progress_;
  int next = 0;
  if (!reverse_) {
    next = p < 100 - step ? p + step : 100;
  } else {
    next = step < p ? p - step : 0;
  }
  SetProgress(next);
  const bool more = reverse_ ? progress_ != 0 : progress_ != 100;
  return {more, start, static_cast<int>((Now() - start) / kNsPerMs)};
}

std::int64_t TCustomTransitionView::FrameDeadline(const StepResult& frame) const {
  return frame.startNs + std::int64_t{delay_} * kNsPerMs;
}

int TCustomTransitionView::NextStep(const StepResult& frame, int step) const {
  return NextFrameStep(step_, step, delay_, frame.elapsedMs, exactTiming_);
}

void TCustomTransitionView::RunInlineLoop() {
  const std::uint64_t token = ++loopToken_;
  int step = step_;
  for (;;) {
    const StepResult frame = StepProgress(step);
    if (token != loopToken_) return;  // stopped or replaced by a handler
    if (!frame.more || manual_ || stopping_) break;
    if (delay_ - frame.elapsedMs >= 0) {
      if (!WaitInline(FrameDeadline(frame), token)) return;
      if (manual_ || stopping_) break;
    }
    step = NextStep(frame, step);
  }
  if (stopping_ || !manual_) FinishTransition();
}

bool TCustomTransitionView::WaitInline(std::int64_t deadlineNs, std::uint64_t token) {
  const QPointer<TCustomTransitionView> self(this);
  QCoreApplication::processEvents();
  if (!self || token != loopToken_) return false;
  const std::int64_t remaining = deadlineNs - Now();
  if (remaining > 0 && !manual_ && !stopping_) {
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>((remaining + kNsPerMs - 1) / kNsPerMs));
    inlineWaits_.push_back(&loop);
    loop.exec();
    if (!self) return false;
    std::erase(inlineWaits_, &loop);
  }
  return token == loopToken_;
}

void TCustomTransitionView::WakeInlineLoops() {
  for (QEventLoop* loop : inlineWaits_) loop->quit();
}

// Frames -------------------------------------------------------------------------------------

void TCustomTransitionView::SetProgress(int value) {
  value = std::clamp(value, 0, 100);
  if (!running_ || value == progress_) return;
  {
    std::lock_guard lock(frameLock_);
    progress_ = value;
    RenderFrame();
  }
  RepaintDisplayRect();
  NotifyProgress();
}

void TCustomTransitionView::RenderFrame() {
  std::scoped_lock lock(frameLock_, screenLock_, oldLock_);
  FrameHooks hooks;
  hooks.beforeNewFrame = [this](const Bitmap& picture, Bitmap& screen) {
    NotifyBeforeNewFrame(picture, screen);
  };
  hooks.customDraw = [this](const Bitmap& picture, Bitmap& screen) {
    NotifyCustomDraw(picture, screen);
  };
  hooks.afterNewFrame = [this](const Bitmap& picture, Bitmap& screen) {
    NotifyAfterNewFrame(picture, screen);
  };
  ::RenderFrame(screenBitmap_, *oldBitmap_, *pictureBitmap_, style_, progress_, hooks);
}

void TCustomTransitionView::RepaintDisplayRect() {
  if (QThread::currentThread() == thread()) {
    repaint(displayRect_);
    return;
  }
  auto* worker = dynamic_cast<TAnimateThread*>(QThread::currentThread());
  if (worker != nullptr && worker->View == this) {
    worker->RepaintAndWait();
    return;
  }
  PostToUiThread([this] { update(displayRect_); });
}

// Ending -------------------------------------------------------------------------------------

bool TCustomTransitionView::EndWorker() {
  if (!worker_) return false;
  worker_->Terminate();
  worker_->wait();
  WorkerDone(false);
  return true;
}

void TCustomTransitionView::WorkerDone(bool raiseFailure) {
  std::unique_ptr<TAnimateThread> worker = std::move(worker_);
  worker->wait();
  // Its hand-back event and unanswered repaint requests are of no use any more.
  QCoreApplication::removePostedEvents(this, kWorkerDoneEvent);
  QCoreApplication::removePostedEvents(this, RepaintRequestEvent::kType);
  const std::exception_ptr failure = worker->Failure();
  worker.reset();
  // The worker may have ended before its last frame was repainted.
  update(displayRect_);
  if (stopping_ || !manual_) FinishTransition(failure != nullptr);
  if (failure && raiseFailure) std::rethrow_exception(failure);
}

void TCustomTransitionView::StopTransition() {
  if (!running_ || stopping_) return;
  if (DeferToUiThread([this] { StopTransition(); })) return;
  stopping_ = true;
  const FlagReset reset{stopping_};
  if (manual_ || !EndWorker()) FinishTransition();
}

void TCustomTransitionView::FinishTransition(bool failed) {
  running_ = false;
  ++loopToken_;
  WakeInlineLoops();
  FreeTransitionBitmaps();
  if (destroying_) return;
  const bool completed = !stopping_ && !failed;
  // The stop is over once the transition is: a handler below may start the next one.
  stopping_ = false;
  if (completed) NotifyComplete();
  NotifyStop();
}

void TCustomTransitionView::FreeTransitionBitmaps() {
  std::lock_guard lock(oldLock_);
  oldBitmap_.reset();
  pictureBitmap_.reset();
}

void TCustomTransitionView::SetManual(bool value) {
  if (value == manual_) return;
  if (DeferToUiThread([this, value] { SetManual(value); })) return;
  manual_ = value;
  WakeInlineLoops();
  EndWorker();
  if (!running_) {
    progress_ = reverse_ ? 100 : 0;
  } else if (!manual_) {
    Animate();
  }
}
