// The Flash player of the show window: PlayFlash and timeFlashTimer.
#include <QTimer>

#include "host/ShowSaver.h"
#include "platform/Errors.h"
#include "players/FlashControl.h"
#include "players/swf/FlashManager.h"
#include "players/swf/FlashSettings.h"

void TfrmShowSaver::PlayFlash() {
  TraceFunction = "PlayFlash";
  TraceLine = "1";
  Timer1->setInterval(40);
  // Only a show whose first item is a Flash movie has the control.
  if (!FlashMovie) throw EControlError("This show has no Flash control");
  TraceLine = "2";
  FlashMovie->Stop();
  TraceLine = "3";
  FlashMovie->show();
  TraceLine = "4";
  FlashMovie->AlignToParent();
  TraceLine = "5";
  const std::int32_t color = FlashBackgroundColor(Saver->BackColor());
  TraceLine = "6";
  FlashMovie->SetBackgroundColor(color);
  TraceLine = "7";
  if (const auto mode = FlashScaleMode(Saver->FitMode())) FlashMovie->SetScaleMode(*mode);
  TraceLine = "8";
  // A movie that could not be made silent plays from its own file, muted.
  FlashMovie->SetMuted(Saver->MuteFlash());
  FlashMovie->SetMovie(FlashManager->GetFile(*Saver, CurrentItem));
  TraceLine = "9";
  FlashMovie->setFocus();
  TraceLine = "10";
  FlashFrameCount = FlashMovie->TotalFrames();
  TraceLine = "11";
  FlashMovie->Play();
  TraceLine = "12";
  timeFlash->start();
  TraceLine = "000";
  TraceFunction.clear();
}

void TfrmShowSaver::timeFlashTimer() {
  if (!FlashMovie) return;
  if (FlashMovie->FrameNum() >= FlashFrameCount - 1) {
    ItemDone();
    timeFlash->stop();
  }
}
