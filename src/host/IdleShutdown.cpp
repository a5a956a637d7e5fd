#include "host/IdleShutdown.h"

#include <QTimer>

#include "host/ShowSaver.h"
#include "platform/CursorCount.h"
#include "platform/TickCount.h"
#include "ui/ShutdownComputer.h"

bool IdleShutdownDue(bool isPreview, bool enabled, std::uint16_t minutes, std::uint32_t startTick,
                     std::uint32_t now) {
  if (isPreview || !enabled) return false;
  const std::uint32_t elapsed = now - startTick;
  return std::uint32_t{minutes} * 60000u < elapsed;
}

bool TfrmShowSaver::ShutdownDue() {
  if (!IdleShutdownDue(IsPreview, Saver->ShutdownEnabled(), Saver->ShutdownMinutes(), StartTick,
                       GetTickCount()))
    return false;
  Timer1->stop();
  timeFlash->stop();
  ShowCursor(true);
  Log("shutdown-countdown");
  auto* countdown = new TfrmShutDown(this);
  if (IsHosted) {
    // The host program's window covers every top-level window: count down inside the show.
    countdown->setWindowFlags(Qt::Widget);
    countdown->move(rect().center() - countdown->rect().center());
  }
  return countdown->exec() == TfrmShutDown::mrOK;
}
