#include "platform/CursorCount.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
int showCount = 0;
}

int ShowCursor(bool show) {
  const bool wasHidden = showCount < 0;
  showCount += show ? 1 : -1;
  const bool hidden = showCount < 0;
  if (hidden && !wasHidden) QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
  if (!hidden && wasHidden) QGuiApplication::restoreOverrideCursor();
  return showCount;
}

int CursorShowCount() {
  return showCount;
}
