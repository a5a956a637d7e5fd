// The sequencer of the show window: PlayRes, Timer1Timer and StopAny.
#include <QTimer>

#include "host/ItemOrder.h"
#include "host/ShowSaver.h"
#include "platform/Random.h"
#include "players/FlashControl.h"
#include "players/WebBrowser.h"
#include "transition/TransitionView.h"
#include "ui/ShutdownComputer.h"

void TfrmShowSaver::PlayRes() {
  TraceFunction = "PlayRes";
  TraceLine = "1";
  if (!Saver) return;
  TraceLine = "2";
  if (ShutdownDue()) {
    ExitSaver("shutdown");
    ShutdownWindows();
    return;
  }
  TraceLine = "3";
  if (!Saver) return;
  TraceLine = "4";
  Timer1->stop();
  Timer1->setInterval(static_cast<int>(Saver->ShowSeconds() * 1000));
  TraceLine = "5";
  // A show without items shows its colour and plays its music: there is nothing to pick.
  if (Saver->ItemCount() <= 0) return;
  if (Saver->RandomOrder()) {
    Randomize();
    CurrentItem = NextItemAtRandom(Random(Saver->ItemCount()), PrevRandom, Saver->ItemCount());
  } else {
    CurrentItem = NextItemInOrder(CurrentItem, Saver->ItemCount());
  }
  TraceLine = "6";
  ItemStyle = -1;
  const std::uint8_t kind = Saver->ItemKind(CurrentItem);
  const std::vector<std::string> knownFiles = TemporaryFiles();
  switch (kind) {
    // The players add their kinds here: ikPicture PlayPicture, ikFlash PlayFlash,
    // ikVideo PlayVideo, ikWebsite PlayWebsite. Any other kind plays nothing.
    case ikFlash:
      PlayFlash();
      break;
    case ikWebsite:
      PlayWebsite();
      break;
    case ikPicture:
      PlayPicture();
      break;
    case ikVideo:
      PlayVideo();
      break;
    default:
      break;
  }
  LogMadeFiles(knownFiles);
  Log("item-start index=" + std::to_string(CurrentItem) + " kind=" + std::to_string(kind) +
      " style=" + std::to_string(ItemStyle));
  TraceLine = "7";
  TraceLine = "000";
  TraceFunction.clear();
}

void TfrmShowSaver::Timer1Timer() {
  PlayRes();
}

void TfrmShowSaver::StopAny() {
  TraceFunction = "StopAny";
  TraceLine = "1";
  if (FlashMovie) {
    FlashMovie->Stop();
    FlashMovie->StopPlay();
    FlashMovie->hide();
  }
  TraceLine = "2";
  TransitionView1->StopTransition();
  TransitionView1->hide();
  TraceLine = "3";
  if (WebBrowser1) {
    WebBrowser1->SetAlignNone();
    WebBrowser1->move(WebBrowser1->x(), -2000);
  }
  TraceLine = "4";
  VideoPlaying = false;
  pnVedeo->hide();
  TraceLine = "5";
  if (!IsPreview) {
    SndMciStr("stop mid");
    SndMciStr("close mid");
  }
  TraceLine = "6";
  TraceLine = "000";
  TraceFunction.clear();
}
