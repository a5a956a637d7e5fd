#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "showdata/ShowWriter.h"

class QWidget;

// A show written to a temporary folder, and a player copy whose trailer names it.
class TTestShow {
 public:
  // keepBytes, when given, cuts the show-data file to that many bytes.
  explicit TTestShow(const ShowSpec& showData, std::size_t keepBytes = std::string::npos);

  std::string Folder() const;
  std::string ShowPath() const;
  // A small stand-in player: some bytes and the trailer. Enough for a window under test.
  QString PlayerPath() const { return playerPath_; }
  // A runnable player: a copy of executable with the trailer appended.
  QString MakePlayerCopy(const QString& executable, const QString& name) const;

 private:
  QTemporaryDir dir_;
  QString playerPath_;
};

// A show of count items of a kind no player plays, so the sequencer can be watched alone.
ShowSpec SilentShow(int count);
inline constexpr std::uint8_t kSilentKind = 9;

// After the application was told to terminate inside a modal loop, every later loop of this
// process would end at once: running the message loop briefly clears that request.
void ClearQuitRequest();

// Runs action on the next modal dialog once it is open (polling the event loop).
void WhenModal(std::function<void(QWidget*)> action);
