// The video items of the show window: PlayVideo and the end detection mdpNotify.
#include <QTimer>

#include "host/ShowSaver.h"
#include "platform/Errors.h"
#include "players/FitRect.h"
#include "players/MediaPlayer.h"

namespace {

constexpr int kNextItemDelayMs = 10;

void SetPanelColor(QWidget* panel, std::uint32_t backColor) {
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, QColor(static_cast<int>(backColor & 0xFF),
                                            static_cast<int>((backColor >> 8) & 0xFF),
                                            static_cast<int>((backColor >> 16) & 0xFF)));
  panel->setPalette(palette);
  panel->setAutoFillBackground(true);
}

Rect ToRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

void TfrmShowSaver::PlayVideo() {
  TraceFunction = "PlayVideo";
  TraceLine = "1";
  SetPanelColor(pnVedeo, Saver->BackColor());
  TraceLine = "2";
  pnVedeo->show();
  try {
    TraceLine = "3";
    mdp->Close();
    TraceLine = "4";
    mdp->SetFileName(Saver->ItemPath(CurrentItem));
    TraceLine = "5";
    mdp->Open();
    TraceLine = "6";
    switch (Saver->FitMode()) {
      case 1:
        TraceLine = "7";
        pnVedeo->setGeometry(rect());
        TraceLine = "8";
        mdp->SetDisplayRect(pnVedeo->rect());
        TraceLine = "9";
        mdp->Play();
        TraceLine = "10";
        VideoPlaying = true;
        TraceLine = "11";
        break;
      case 2: {
        TraceLine = "12";
        TraceLine = "13";
        const Rect r = FitRect(ToRect(mdp->DisplayRect()), ToRect(rect()));
        TraceLine = "14";
        pnVedeo->move(r.left, pnVedeo->y());
        TraceLine = "15";
        pnVedeo->move(pnVedeo->x(), r.top);
        TraceLine = "16";
        pnVedeo->resize(r.right - r.left, pnVedeo->height());
        TraceLine = "17";
        pnVedeo->resize(pnVedeo->width(), r.bottom - r.top);
        TraceLine = "18";
        TraceLine = "19";
        mdp->SetDisplayRect(pnVedeo->rect());
        TraceLine = "20";
        mdp->Play();
        TraceLine = "21";
        VideoPlaying = true;
        break;
      }
      default:
        TraceLine = "22";
        TraceLine = "23";
        pnVedeo->resize(mdp->DisplayRect().width(), pnVedeo->height());
        TraceLine = "24";
        pnVedeo->resize(pnVedeo->width(), mdp->DisplayRect().height());
        TraceLine = "25";
        // Integer division truncates toward zero: a video larger than the window gets a
        // negative offset and shows its middle part.
        pnVedeo->move((width() - pnVedeo->width()) / 2, pnVedeo->y());
        TraceLine = "26";
        pnVedeo->move(pnVedeo->x(), (height() - pnVedeo->height()) / 2);
        TraceLine = "27";
        mdp->Play();
        TraceLine = "28";
        VideoPlaying = true;
        TraceLine = "29";
        break;
    }
  } catch (const Exception& error) {
    ReportPlayerError(error);
  }
  TraceLine = "000";
  TraceFunction.clear();
}

void TfrmShowSaver::mdpNotify(QObject*) {
  if (!VideoPlaying) return;
  if (mdp->Position() >= mdp->Length()) {
    Timer1->setInterval(kNextItemDelayMs);
    ItemDone();
  }
}
