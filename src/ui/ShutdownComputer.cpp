#include "ui/ShutdownComputer.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "platform/PowerOff.h"

TfrmShutDown::TfrmShutDown(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QString());
  setAttribute(Qt::WA_DeleteOnClose);
  QFont font("MS Sans Serif");
  font.setPixelSize(11);
  setFont(font);
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  setFixedSize(305, 128);
  Label1 = new QLabel(this);
  Label1->setGeometry(48, 24, 222, 13);
  Cancel = new QPushButton("Cancel", this);
  Cancel->setGeometry(112, 56, 75, 25);
  Cancel->setFocus();
  connect(Cancel, &QPushButton::clicked, this, &TfrmShutDown::CancelClick);
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TfrmShutDown::Timer1Timer);
  Timer1->start();
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  move(screen->geometry().center() - rect().center());
  FormCreate();
}

QString ShutdownCountdownText(int seconds) {
  return QString("The computer will shut down after %1  seconds").arg(seconds);
}

void TfrmShutDown::FormCreate() {
  Seconds = 15;
  Label1->setText(ShutdownCountdownText(15));
}

void TfrmShutDown::Timer1Timer() {
  Label1->setText(ShutdownCountdownText(Seconds));
  Seconds = Seconds - 1;
  if (Seconds <= 0) {
    Timer1->stop();
    done(mrOK);
  }
}

void TfrmShutDown::CancelClick() {
  Timer1->stop();
  done(mrCancel);
}

void TfrmShutDown::reject() {
  CancelClick();
}

void ShutdownWindows() {
  PowerOffComputer();
}
