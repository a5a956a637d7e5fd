#pragma once

#include <QDialog>
#include <exception>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The error report: the six lines that say what failed, where and in which object.
class TfrmShowError : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmShowError(QWidget* owner);

  void Button2Click();

  QLabel* Label1;
  QPlainTextEdit* Memo1;
  QPushButton* Button1;
  QPushButton* Button2;
};

// The report's lines. objectName is empty in the players' own reports, which name no object.
std::vector<std::string> ErrorReportLines(const std::exception& error,
                                          const std::string& traceFunction,
                                          const std::string& traceLine,
                                          const std::string& objectName);

// Creates a report owned by owner, fills it with lines and shows it modally. The report is
// not freed when it closes: owner destroys it.
void ShowErrorReport(QWidget* owner, const std::vector<std::string>& lines);
