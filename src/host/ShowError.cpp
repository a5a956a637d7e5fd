#include "host/ShowError.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "host/ReportNames.h"
#include "host/ShowApplication.h"

TfrmShowError::TfrmShowError(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle("Error");
  QFont font("MS Sans Serif");
  font.setPixelSize(11);
  setFont(font);
  setFixedSize(325, 225);
  Label1 = new QLabel("The program had heppen a error", this);
  Label1->setGeometry(24, 16, 153, 13);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setGeometry(24, 40, 273, 145);
  Button1 = new QPushButton("Report", this);
  Button1->setGeometry(56, 192, 75, 25);
  Button2 = new QPushButton("Exit", this);
  Button2->setGeometry(176, 192, 75, 25);
  Button1->setAutoDefault(false);
  Button2->setAutoDefault(false);
  connect(Button2, &QPushButton::clicked, this, &TfrmShowError::Button2Click);
  setTabOrder(Memo1, Button1);
  setTabOrder(Button1, Button2);
  Memo1->setFocus();
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  move(screen->geometry().center() - rect().center());
}

void TfrmShowError::Button2Click() {
  if (TShowApplication* app = Application()) app->Terminate();
}

std::vector<std::string> ErrorReportLines(const std::exception& error,
                                          const std::string& traceFunction,
                                          const std::string& traceLine,
                                          const std::string& objectName) {
  return {
      "Error Message:" + std::string(error.what()),
      "Error    Code:" + std::to_string(ErrorHelpContext(error)),
      "function     :" + traceFunction,
      "Lines     :" + traceLine,
      "Object     :" + objectName,
      "Error Class:" + ErrorClassName(error),
  };
}

void ShowErrorReport(QWidget* owner, const std::vector<std::string>& lines) {
  auto* report = new TfrmShowError(owner);
  report->Memo1->clear();
  for (const std::string& line : lines)
    report->Memo1->appendPlainText(QString::fromStdString(line));
  report->exec();
}
