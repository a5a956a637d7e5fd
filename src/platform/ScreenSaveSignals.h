#pragma once

#include <QObject>
#include <QSocketNotifier>

// SIGTERM, SIGINT and SIGHUP stand for the system's screen-saver command. The signal handler
// only writes a byte to a pipe; the notifier reads it in the event loop and emits
// ScreenSaveCommand on the user-interface thread. One instance per process.
class TScreenSaveSignals : public QObject {
  Q_OBJECT

 public:
  explicit TScreenSaveSignals(QObject* parent = nullptr);
  ~TScreenSaveSignals() override;
  TScreenSaveSignals(const TScreenSaveSignals&) = delete;
  TScreenSaveSignals& operator=(const TScreenSaveSignals&) = delete;

 signals:
  void ScreenSaveCommand(int signalNumber);

 private:
  void ReadPipe();

  QSocketNotifier* notifier_ = nullptr;
};
