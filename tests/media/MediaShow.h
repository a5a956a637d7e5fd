#pragma once

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <string>

#include "showdata/ShowWriter.h"

class QWidget;

// A show written to a temporary folder with a stand-in player copy whose trailer names it; the
// media files go into the same folder.
class TMediaShow {
 public:
  explicit TMediaShow(const ShowSpec& showData);

  std::string Folder() const { return dir_.path().toStdString() + "/"; }
  std::string ShowPath() const { return Folder() + "show.krv"; }
  QString PlayerPath() const { return QString::fromStdString(Folder() + "player.scr"); }
  // A runnable player: a copy of executable with the trailer appended.
  QString MakePlayerCopy(const QString& executable) const;

 private:
  QTemporaryDir dir_;
};

// Runs action on the next modal dialog once it is open.
void WhenModal(std::function<void(QWidget*)> action);
