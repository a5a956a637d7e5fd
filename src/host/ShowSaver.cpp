#include "host/ShowSaver.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QResizeEvent>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "host/ApplicationEvents.h"
#include "host/CustomModule.h"
#include "host/ExitTriggers.h"
#include "host/ReportNames.h"
#include "host/ShowApplication.h"
#include "host/ShowError.h"
#include "host/ShowLog.h"
#include "platform/CursorCount.h"
#include "platform/Mci.h"
#include "platform/TickCount.h"
#include "players/FlashControl.h"
#include "players/MediaPlayer.h"
#include "players/PicManager.h"
#include "players/WebBrowser.h"
#include "players/swf/FlashManager.h"
#include "showdata/PlayerTrailer.h"
#include "transition/TransitionView.h"
#include "ui/CloseButtonPictures.h"
#include "ui/KRVButton.h"

namespace {

// The system colours the window's stored design names.
const QColor clBtnText(0, 0, 0);
const QColor clWindow(255, 255, 255);

QFont FormFont() {
  QFont font("MS Sans Serif");
  font.setPixelSize(11);
  return font;
}

QColor ShowColor(std::uint32_t backColor) {
  return QColor(static_cast<int>(backColor & 0xFF), static_cast<int>((backColor >> 8) & 0xFF),
                static_cast<int>((backColor >> 16) & 0xFF));
}

const char* TriggerName(TInputKind kind) {
  switch (kind) {
    case TInputKind::ScreenSave:
      return "screensave";
    case TInputKind::LeftOrRightButtonDown:
      return "click";
    case TInputKind::KeyDown:
      return "key";
    case TInputKind::MouseMove:
      return "mouse-move";
    case TInputKind::Other:
      break;
  }
  return "other";
}

}  // namespace

TfrmShowSaver::TfrmShowSaver(QWidget* parent, TShowWindowOptions options)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      MonitorIndex(options.monitorIndex),
      playerPath_(options.playerPath) {
  CreateComponents();
  FormCreate();
}

TfrmShowSaver::~TfrmShowSaver() {
  if (TShowApplication* app = Application()) app->ClearExceptionHandler(this);
}

void TfrmShowSaver::CreateComponents() {
  setWindowTitle("frmShowSaver");
  setFont(FormFont());
  SetColor(clBtnText);

  pnVedeo = new QWidget(this);
  pnVedeo->hide();

  TransitionView1 = new TTransitionView(this);
  TransitionView1->hide();
  TransitionView1->SetBgMode(bmNone);
  TransitionView1->SetCenter(true);
  TransitionView1->SetColor(0x000080);  // clMaroon
  TransitionView1->SetStyle(0);
  TransitionView1->OnProgress = [this](TCustomTransitionView* sender) {
    TransitionView1Progress(sender);
  };

  pnWebPreView = new QWidget(this);
  pnWebPreView->hide();
  pnWebPreView->setAutoFillBackground(true);
  QPalette panelPalette = pnWebPreView->palette();
  panelPalette.setColor(QPalette::Window, clBtnText);
  pnWebPreView->setPalette(panelPalette);
  lblWebsitePre = new QLabel("lblWebsitePre", pnWebPreView);
  lblWebsitePre->setAlignment(Qt::AlignCenter);
  lblWebsitePre->setWordWrap(true);
  QPalette labelPalette = lblWebsitePre->palette();
  labelPalette.setColor(QPalette::WindowText, clWindow);
  lblWebsitePre->setPalette(labelPalette);
  auto* panelLayout = new QVBoxLayout(pnWebPreView);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->addWidget(lblWebsitePre);

  KRVButton1 = new TKRVButton(this);
  KRVButton1->setGeometry(492, 0, kCloseButtonWidth, kCloseButtonHeight);
  KRVButton1->SetAutoSize(true);
  QFont buttonFont = FormFont();
  KRVButton1->SetFont(buttonFont);
  KRVButton1->SetPicNormal(CloseButtonNormal());
  KRVButton1->SetPicOnMouseIn(CloseButtonMouseIn());
  KRVButton1->SetPicOnMouseDown(CloseButtonMouseDown());
  KRVButton1->OnClick = [this](QObject*) { KRVButton1Click(); };

  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, &TfrmShowSaver::Timer1Timer);
  timeFlash = new QTimer(this);
  timeFlash->setObjectName("timeFlash");
  timeFlash->setInterval(80);
  connect(timeFlash, &QTimer::timeout, this, &TfrmShowSaver::timeFlashTimer);

  ApplicationEvents1 = new TApplicationEvents(this);
}

void TfrmShowSaver::SetColor(const QColor& color) {
  QPalette windowPalette = palette();
  windowPalette.setColor(QPalette::Window, color);
  setPalette(windowPalette);
  setAutoFillBackground(true);
}

void TfrmShowSaver::FormCreate() {
  // Anchored to the top and right edges (see resizeEvent), out of sight until the set-up.
  KRVButton1->move(KRVButton1->x(), -100);
}

void TfrmShowSaver::FormShow() {
  TraceFunction = "FormShow";
  TraceLine = "1";
  if (TShowApplication* app = Application())
    app->SetExceptionHandler(this, [this](QObject* sender, const std::exception& error) {
      AppException(sender, error);
    });
  TraceLine = "2";
  FlashMovie = nullptr;
  WebBrowser1 = nullptr;
  TraceLine = "3";
  if (OwnsScreen()) setWindowState(windowState() | Qt::WindowFullScreen);
  TraceLine = "4";
  StartCursor = QCursor::pos();
  TraceLine = "5";
  PicManager = std::make_unique<TPicManager>();
  FlashManager = std::make_unique<TFlashManager>();
  TraceLine = "6";
  StartTick = GetTickCount();
  TraceLine = "7";
  const QString player =
      playerPath_.isEmpty() ? QCoreApplication::applicationFilePath() : playerPath_;
  const TPlayerTrailer trailer = ReadPlayerTrailer(player.toStdString());
  TraceLine = "8";
  Saver = std::make_unique<TSaverBase>();
  std::string folder;
  if (!Saver->Open(trailer.ShowPath, folder)) {
    InfoBox(this, "File open Error");
    if (TShowApplication* app = Application()) app->Terminate();
    return;
  }
  TraceLine = "9";
  Saver->SetDataDir(folder);
  TraceLine = "10";
  // An empty show has no item 0 and needs no player component.
  if (Saver->ItemCount() > 0) {
    switch (Saver->ItemKind(0)) {
      // The Flash, video and website players create their component here.
      case ikFlash:
        FlashMovie = new TFlashControl(this);
        break;
      case ikWebsite:
        WebBrowser1 = new TWebBrowser(this);
        connect(WebBrowser1, &TWebBrowser::DocumentComplete, this, [this](const QString& address) {
          WebBrowser1DocumentComplete(WebBrowser1, address);
        });
        break;
      case ikVideo:
        mdp = new TMediaPlayer(this);
        mdp->setObjectName("Player_1");
        mdp->OnNotify = [this](QObject* sender) { mdpNotify(sender); };
        mdp->hide();
        mdp->SetDisplay(pnVedeo);
        break;
      default:
        break;
    }
  }
  TraceLine = "11";
  if (IsPreview && Saver->ShowKind() == ikWebsite) {
    ShowWebsitePreview();
    return;
  }
  TraceLine = "12";
  PicManager->SetClientRect(Rect{0, 0, width(), height()});
  PicManager->SetWorkFolder(folder);
  FlashManager->SetWorkFolder(folder);
  TraceLine = "13";
  SetColor(ShowColor(Saver->BackColor()));
  TraceLine = "14";
  CurrentItem = -1;
  CurrentMusic = -1;
  TraceLine = "15";
  StopAny();
  PlayMusic();
  LogMusicStarted();
  PlayRes();
  TraceLine = "16";
  if (OwnsScreen())
    ApplicationEvents1->OnMessage = [this](QObject* receiver, QEvent* event) {
      return ApplicationEvents1Message(receiver, event);
    };
  TraceLine = "17";
  if (OwnsScreen()) ShowCursor(false);
  TraceLine = "000";
  TraceFunction.clear();
  if (OwnsScreen() && Saver->CloseButton()) ShowCloseButton();
  Log("setup-done items=" + std::to_string(Saver->ItemCount()) +
      " kind=" + std::to_string(Saver->ShowKind()));
}

void TfrmShowSaver::ShowWebsitePreview() {
  lblWebsitePre->setText(QString::fromStdString(Saver->PreviewText()));
  pnWebPreView->setGeometry(rect());
  pnWebPreView->show();
  Log("setup-done website-preview");
}

void TfrmShowSaver::ShowCloseButton() {
  ShowCursor(true);
  KRVButton1->move(width() - KRVButton1->width(), 0);
  KRVButton1->raise();
}

void TfrmShowSaver::ExitSaver(std::string_view trigger) {
  if (exited_) return;
  exited_ = true;
  Log("exit trigger=" + std::string(trigger));
  TraceFunction = "ExitSaver";
  TraceLine = "1";
  ShowCursor(true);
  TraceLine = "2";
  StopAny();
  TraceLine = "3";
  delete FlashMovie;
  FlashMovie = nullptr;
  delete WebBrowser1;
  WebBrowser1 = nullptr;
  TraceLine = "4";
  const std::vector<std::string> temporaryFiles = TemporaryFiles();
  PicManager.reset();
  FlashManager.reset();
  LogDeletedFiles(temporaryFiles);
  TraceLine = "5";
  Saver.reset();
  TraceLine = "6";
  close();
  TraceLine = "000";
  TraceFunction.clear();
  if (TShowApplication* app = Application()) app->Terminate();
}

bool TfrmShowSaver::ApplicationEvents1Message(QObject* receiver, QEvent* event) {
  if (!Saver) return false;
  TInputEvent input = InputOf(receiver, event);
  if (input.kind == TInputKind::Other) return false;
  if (input.kind == TInputKind::LeftOrRightButtonDown && FlashMovie)
    input.toFlashMovie = FlashMovie->OwnsReceiver(QApplication::widgetAt(input.globalPosition));
  const TExitSettings settings{Saver->ExitOnMouseMove(), Saver->ExitOnClick(), Saver->ExitOnKey(),
                               Saver->CloseButton()};
  switch (FilterInput(input, settings, StartCursor)) {
    case TFilterAction::Exit:
      ExitSaver(TriggerName(input.kind));
      return true;
    case TFilterAction::Swallow:
      return true;
    case TFilterAction::Pass:
      break;
  }
  return false;
}

void TfrmShowSaver::KRVButton1Click() {
  ExitSaver("close-button");
}

bool TfrmShowSaver::event(QEvent* event) {
  if (event->type() == ScreenSaveEventType()) {
    ExitSaver("screensave");
    return true;
  }
  if (event->type() == MciNotifyEvent::EventType()) {
    const auto& notification = static_cast<const MciNotifyEvent&>(*event);
    MciNotify(notification);
    // The notification chains to the next track unless the track was cut short.
    if (notification.NotifyCode() != MciNotifyEvent::Aborted) LogMusicStarted();
    return true;
  }
  if (IsPreview && event->type() == QEvent::WindowDeactivate) ExitSaver("deactivate");
  return QWidget::event(event);
}

void TfrmShowSaver::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous() || setUpStarted_) return;
  setUpStarted_ = true;
  FormShow();
}

void TfrmShowSaver::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (event->oldSize().isValid())
    KRVButton1->move(KRVButton1->x() + event->size().width() - event->oldSize().width(),
                     KRVButton1->y());
  if (pnWebPreView->isVisible()) pnWebPreView->setGeometry(rect());
}

void TfrmShowSaver::ItemDone() {
  if (QThread::currentThread() != thread()) {
    QMetaObject::invokeMethod(this, &TfrmShowSaver::ItemDone, Qt::QueuedConnection);
    return;
  }
  Log("item-done index=" + std::to_string(CurrentItem));
  // Enabling a running timer leaves it counting, as a second completion signal must.
  if (!Timer1->isActive()) Timer1->start();
}

void TfrmShowSaver::AppException(QObject* sender, const std::exception& error) {
  Report(ErrorReportLines(error, TraceFunction, TraceLine, ReportClassName(sender)));
}

void TfrmShowSaver::ReportPlayerError(const std::exception& error) {
  Report(ErrorReportLines(error, TraceFunction, TraceLine, ""));
}

void TfrmShowSaver::Report(const std::vector<std::string>& lines) {
  std::string logged = "error-report";
  for (const std::string& line : lines) logged += " | " + line;
  Log(logged);
  ShowErrorReport(this, lines);
}

void TfrmShowSaver::Log(std::string_view event) const {
  ShowLog(MonitorIndex, event);
}
