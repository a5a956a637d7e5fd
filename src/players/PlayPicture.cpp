// The picture player of the show window: PlayPicture and the transition's progress handler.
#include <QTimer>

#include "host/ShowSaver.h"
#include "platform/Random.h"
#include "players/EffectGroups.h"
#include "players/PicManager.h"
#include "transition/TransitionView.h"
#include "ui/KRVButton.h"

void TfrmShowSaver::PlayPicture() {
  TraceFunction = "PlayPicture";
  TraceLine = "1";
  Randomize();
  const int style = PickEffectStyle(*Saver, [this](const char* step) { TraceLine = step; });
  TraceLine = "9";
  TransitionView1->SetAlign(alClient);
  TraceLine = "10";
  TransitionView1->setGeometry(rect());
  TraceLine = "11";
  TransitionView1->SetColor(Saver->BackColor());
  TraceLine = "12";
  TransitionView1->show();
  TraceLine = "13";
  Timer1->setInterval(static_cast<int>(Saver->ShowSeconds() * 1000));
  TraceLine = "14";
  if (TransitionView1->Running()) TransitionView1->StopTransition();
  TraceLine = "15";
  TransitionView1->SetStyle(style);
  ItemStyle = style;
  TraceLine = "16";
  const std::string name = PicManager->GetFile(*Saver, CurrentItem);
  TraceLine = "17";
  TransitionView1->Picture().LoadFromFile(QString::fromStdString(name));
  TraceLine = "18";
  TransitionView1->StartTransition();
  TraceLine = "000";
  TraceFunction.clear();
  KRVButton1->show();
}

// Runs on the view's worker thread: ItemDone hands the timer to the user-interface thread.
void TfrmShowSaver::TransitionView1Progress(QObject* /*sender*/) {
  const int progress = TransitionView1->Progress();
  Log("transition-frame progress=" + std::to_string(progress));
  if (progress == 100) ItemDone();
}
