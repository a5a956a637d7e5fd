#include "players/FlashControl.h"

#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <algorithm>
#include <cmath>

#include "platform/Errors.h"
#include "players/FlashScheme.h"
#include "players/swf/SwfFile.h"
#include "players/swf/SwfFrameReports.h"

namespace {

constexpr int kPageTimeoutMs = 60000;
constexpr int kLoadTimeoutMs = 60000;
const QString kMessagePrefix = QStringLiteral("showsaver:");

QString CssColor(std::int32_t value) {
  return QString("#%1").arg(static_cast<quint32>(value) & 0xFFFFFFu, 6, 16, QChar('0'));
}

}  // namespace

// The page hands its "showsaver:" console lines to the control. With SHOWSAVER_FLASH_DEBUG set,
// every console line of the page is printed too, with the time: Ruffle says there what it does.
class TFlashControl::Page : public QWebEnginePage {
 public:
  Page(QWebEngineProfile* profile, TFlashControl* control)
      : QWebEnginePage(profile, control), control_(control) {}

 protected:
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int,
                                const QString&) override {
    if (qEnvironmentVariableIsSet("SHOWSAVER_FLASH_DEBUG")) {
      qInfo("%s flash page: %s", qPrintable(QTime::currentTime().toString("ss.zzz")),
            qPrintable(message));
    }
    if (message.startsWith(kMessagePrefix)) {
      control_->OnPageMessage(message.mid(kMessagePrefix.size()));
    }
  }

 private:
  TFlashControl* control_;
};

TFlashControl::TFlashControl(QWidget* parent) : QWidget(parent) {
  setVisible(false);
  auto* profile = new QWebEngineProfile(this);  // off the record: nothing is written to disk
  scheme_ = new TFlashSchemeHandler(profile);
  profile->installUrlSchemeHandler(kFlashScheme, scheme_);
  profile->setUrlRequestInterceptor(new TFlashRequestFilter(profile));
  auto* page = new Page(profile, this);
  page->settings()->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  page->setBackgroundColor(Qt::black);
  view_ = new QWebEngineView(this);
  view_->setPage(page);
  view_->setContextMenuPolicy(Qt::NoContextMenu);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  setFocusProxy(view_);
  view_->setUrl(QUrl(kFlashPageUrl));
}

TFlashControl::~TFlashControl() {
  if (waiting_) waiting_->quit();
  // The page must go before its profile.
  delete view_->page();
  delete view_;
}

void TFlashControl::Stop() {
  if (playing_) playedMs_ += playClock_.elapsed();
  playing_ = false;
  RunScript("showsaver.stop()");
}

void TFlashControl::StopPlay() {
  Stop();
}

void TFlashControl::AlignToParent() {
  if (!alignToParent_ && parentWidget()) parentWidget()->installEventFilter(this);
  alignToParent_ = true;
  if (parentWidget()) setGeometry(parentWidget()->rect());
}

bool TFlashControl::eventFilter(QObject* watched, QEvent* event) {
  if (alignToParent_ && watched == parentWidget() && event->type() == QEvent::Resize) {
    setGeometry(parentWidget()->rect());
  }
  return QWidget::eventFilter(watched, event);
}

void TFlashControl::SetBackgroundColor(std::int32_t value) {
  backgroundColor_ = value;
  RunScript(QString("showsaver.setBackground('%1')").arg(CssColor(value)));
}

void TFlashControl::SetScaleMode(int mode) {
  if (mode < 0 || mode > 3) return;
  scaleMode_ = mode;
  RunScript(QString("showsaver.setScaleMode(%1)").arg(mode));
}

void TFlashControl::SetMuted(bool muted) {
  muted_ = muted;
  RunScript(QString("showsaver.setVolume(%1)").arg(muted ? 0 : 1));
}

void TFlashControl::SetMovie(const std::string& file) {
  FrameReportedSwf movie = WithFrameReports(ReadWholeFile(file));
  if (!QFileInfo::exists(RuffleFolder() + "/ruffle.js")) {
    throw EControlError("The Flash player is missing: no ruffle.js in " +
                        RuffleFolder().toStdString());
  }
  QPointer<TFlashControl> alive(this);
  if (!WaitUntil([this] { return pageReady_; }, kPageTimeoutMs)) {
    if (!alive) throw EControlError("The Flash control was freed while loading");
    throw EControlError("The Flash page did not start");
  }
  Stop();
  const QString url = scheme_->OfferMovie(
      QByteArray(reinterpret_cast<const char*>(movie.data.data()), qsizetype(movie.data.size())));
  reportsFrames_ = movie.reportsFrames;
  loaded_ = false;
  loadError_.clear();
  totalFrames_ = 0;
  reportedFrame_ = 0;
  playedMs_ = 0;
  firstFrameMs_ = -1;
  loadClock_.start();
  const int serial = ++loadSerial_;
  const QString options = QString("{scaleMode: %1, background: '%2', volume: %3}")
                              .arg(scaleMode_)
                              .arg(CssColor(backgroundColor_))
                              .arg(muted_ ? 0 : 1);
  RunScript(QString("showsaver.load(%1, '%2', %3)").arg(serial).arg(url, options));
  const bool done = WaitUntil([this] { return loaded_ || !loadError_.isEmpty(); }, kLoadTimeoutMs);
  if (!alive) throw EControlError("The Flash control was freed while loading");
  if (!loadError_.isEmpty())
    throw EControlError("Cannot play \"" + file + "\": " + loadError_.toStdString());
  if (!done) throw EControlError("Cannot play \"" + file + "\": the movie did not load");
}

void TFlashControl::Play() {
  if (!playing_) playClock_.start();
  playing_ = true;
  RunScript("showsaver.play()");
}

std::int32_t TFlashControl::FrameNum() const {
  if (reportsFrames_) return reportedFrame_;
  const qint64 ms = playedMs_ + (playing_ ? playClock_.elapsed() : 0);
  const auto frame = static_cast<std::int64_t>(std::floor(double(ms) * frameRate_ / 1000.0));
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(frame, 0, std::max(0, totalFrames_ - 1)));
}

bool TFlashControl::OwnsReceiver(const QObject* receiver) const {
  if (receiver == this) return true;
  const auto* widget = qobject_cast<const QWidget*>(receiver);
  return widget && isAncestorOf(widget);
}

void TFlashControl::OnPageMessage(const QString& message) {
  const QString kind = message.section(' ', 0, 0);
  if (kind == "ready") {
    pageReady_ = true;
  } else if (kind == "frame") {
    reportedFrame_ = message.section(' ', 1, 1).toInt();
    if (firstFrameMs_ < 0) firstFrameMs_ = loadClock_.elapsed();
  } else if (message.section(' ', 1, 1).toInt() == loadSerial_) {
    if (kind == "loaded") {
      const QJsonObject info = QJsonDocument::fromJson(message.section(' ', 2).toUtf8()).object();
      totalFrames_ = info["frames"].toInt();
      frameRate_ = info["rate"].toDouble();
      if (info["as3"].toBool()) reportsFrames_ = false;
      loaded_ = true;
    } else if (kind == "error") {
      loadError_ = message.section(' ', 2);
    }
  }
  if (waiting_) waiting_->quit();
}

void TFlashControl::RunScript(const QString& script) {
  if (pageReady_) view_->page()->runJavaScript(script);
}

bool TFlashControl::WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  QPointer<TFlashControl> alive(this);
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() >= timeoutMs) return false;
    QEventLoop loop;
    waiting_ = &loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!alive) return false;
    waiting_ = nullptr;
  }
  return true;
}
