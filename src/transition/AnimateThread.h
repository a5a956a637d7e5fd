#pragma once

#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>

class TCustomTransitionView;

// The worker that runs a view's frame loop: it raises the progress one step per frame, sleeps
// out the rest of each frame's Delay, and posts its hand-back event to the view when it ends.
// It never looks at Manual or at a stop request: the view ends it with Terminate() and wait().
//
// Every frame waits until the user-interface thread has repainted it (RepaintAndWait).
// Terminate() cancels that wait and the sleep between frames, so the user-interface thread can
// always end the worker without serving it.
class TAnimateThread : public QThread {
 public:
  explicit TAnimateThread(TCustomTransitionView* view) : View(view) {}
  ~TAnimateThread() override;

  // Set when the body begins. A worker told to terminate before that never runs its body and
  // posts nothing.
  std::atomic<bool> Started = false;
  TCustomTransitionView* const View;

  void Terminate();
  bool Terminated() const;
  // The failure that ended the loop, if any.
  std::exception_ptr Failure() const { return failure_; }

  // Worker thread: asks for a repaint of the view and waits until it is done or the worker is
  // told to terminate.
  void RepaintAndWait();
  // User-interface thread: the repaint asked for with this ticket has been done.
  void Painted(std::uint64_t ticket);

 protected:
  void run() override;

 private:
  void FrameLoop();
  // Sleeps until the high-resolution clock reaches deadlineNs; false if told to terminate.
  bool SleepUntil(std::int64_t deadlineNs);

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool terminated_ = false;
  std::uint64_t requested_ = 0;
  std::uint64_t painted_ = 0;
  std::exception_ptr failure_;
};
