#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

// The countdown before the idle shutdown: 15 seconds with a Cancel button. Ends with the result
// mrOK when the time has run out and mrCancel when cancelled or closed; frees itself on closing.
class TfrmShutDown : public QDialog {
  Q_OBJECT

 public:
  static constexpr int mrOK = 1;
  static constexpr int mrCancel = 2;

  explicit TfrmShutDown(QWidget* owner);

  void FormCreate();
  void Timer1Timer();
  void CancelClick();
  void reject() override;

  QLabel* Label1;
  QPushButton* Cancel;
  QTimer* Timer1;
  int Seconds = 0;
};

// The label's text for seconds.
QString ShutdownCountdownText(int seconds);

// Asks the system to power off: see PowerOffComputer.
void ShutdownWindows();
