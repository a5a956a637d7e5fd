#include "host/ShowApplication.h"

#include <QThread>
#include <cstdio>
#include <new>

#include "host/ReportNames.h"
#include "platform/Errors.h"

TShowApplication::TShowApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TShowApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_alloc&) {
    HandleException(receiver, EOutOfMemory("Out of memory"));
  } catch (const std::exception& error) {
    HandleException(receiver, error);
  }
  return false;
}

void TShowApplication::SetExceptionHandler(const QObject* owner, ExceptionHandler handler) {
  handlerOwner_ = owner;
  handler_ = std::move(handler);
}

void TShowApplication::ClearExceptionHandler(const QObject* owner) {
  if (owner != handlerOwner_) return;
  handlerOwner_ = nullptr;
  handler_ = nullptr;
}

void TShowApplication::HandleException(QObject* sender, const std::exception& error) {
  if (handler_) {
    // A failure inside the report itself must not loop back into another report.
    ExceptionHandler handler = handler_;
    try {
      handler(sender, error);
      return;
    } catch (const std::exception&) {
    }
  }
  std::fprintf(stderr, "%s: %s\n", ErrorClassName(error).c_str(), error.what());
}

int TShowApplication::RunMessageLoop() {
  if (terminated_) return 0;
  loopRunning_ = true;
  const int result = exec();
  loopRunning_ = false;
  return result;
}

void TShowApplication::Terminate() {
  terminated_ = true;
  // A modal dialog may run its own loop before the message loop has started (an error report
  // during the set-up): it ends too. Without any loop running, RunMessageLoop sees the flag.
  if (loopRunning_ || QThread::currentThread()->loopLevel() > 0) exit(0);
}

TShowApplication* Application() {
  return qobject_cast<TShowApplication*>(QCoreApplication::instance());
}
