#include "transition/AnimateThread.h"

#include <QCoreApplication>
#include <chrono>

#include "platform/TickCount.h"
#include "transition/TransitionEvents.h"
#include "transition/TransitionView.h"

TAnimateThread::~TAnimateThread() {
  Terminate();
  wait();
}

void TAnimateThread::Terminate() {
  {
    std::lock_guard lock(mutex_);
    terminated_ = true;
  }
  wake_.notify_all();
}

bool TAnimateThread::Terminated() const {
  std::lock_guard lock(mutex_);
  return terminated_;
}

void TAnimateThread::RepaintAndWait() {
  std::unique_lock lock(mutex_);
  if (terminated_) return;
  const std::uint64_t ticket = ++requested_;
  QCoreApplication::postEvent(View, new RepaintRequestEvent(ticket));
  wake_.wait(lock, [&] { return painted_ >= ticket || terminated_; });
}

void TAnimateThread::Painted(std::uint64_t ticket) {
  {
    std::lock_guard lock(mutex_);
    if (ticket > painted_) painted_ = ticket;
  }
  wake_.notify_all();
}

bool TAnimateThread::SleepUntil(std::int64_t deadlineNs) {
  std::unique_lock lock(mutex_);
  const auto now = static_cast<std::int64_t>(HighResolutionCounter());
  const auto deadline =
      std::chrono::steady_clock::now() + std::chrono::nanoseconds(deadlineNs - now);
  return !wake_.wait_until(lock, deadline, [&] { return terminated_; });
}

void TAnimateThread::run() {
  if (Terminated()) return;
  Started = true;
  try {
    FrameLoop();
  } catch (...) {
    failure_ = std::current_exception();
  }
  QCoreApplication::postEvent(View, new QEvent(kWorkerDoneEvent));
}

void TAnimateThread::FrameLoop() {
  int step = View->Step();
  while (!Terminated()) {
    const auto frame = View->StepProgress(step);
    if (!frame.more) {
      Terminate();
      break;
    }
    if (Terminated()) break;
    if (View->Delay() - frame.elapsedMs >= 0 && !SleepUntil(View->FrameDeadline(frame))) break;
    step = View->NextStep(frame, step);
  }
}
