#pragma once

#include <QApplication>
#include <exception>
#include <functional>

// The application object. Every exception that escapes an event handler is caught here and
// handed to the installed handler with the receiver as sender, so a failure is reported and the
// show goes on. Terminate() ends the message loop and any modal loop running, also when it is
// called before the message loop has started.
class TShowApplication : public QApplication {
  Q_OBJECT

 public:
  using ExceptionHandler = std::function<void(QObject* sender, const std::exception& error)>;

  TShowApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // owner identifies who installed the handler, so that it can take it back when it goes.
  void SetExceptionHandler(const QObject* owner, ExceptionHandler handler);
  void ClearExceptionHandler(const QObject* owner);
  void HandleException(QObject* sender, const std::exception& error);

  // Runs the message loop unless the application has already been told to terminate.
  int RunMessageLoop();
  void Terminate();
  bool Terminated() const { return terminated_; }

 private:
  const QObject* handlerOwner_ = nullptr;
  ExceptionHandler handler_;
  bool terminated_ = false;
  bool loopRunning_ = false;
};

// The running application, or none when the process has another kind of application object.
TShowApplication* Application();
