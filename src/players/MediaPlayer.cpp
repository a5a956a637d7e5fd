#include "players/MediaPlayer.h"

#include <mpv/client.h>

#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>

#include "platform/Errors.h"

namespace {

constexpr int kOpenTimeoutMs = 10000;
constexpr int kFirstFrameTimeoutMs = 5000;

MpvPlayer::Options& ExtraOptions() {
  static MpvPlayer::Options options;
  return options;
}

MpvPlayer::Options DefaultOptions() {
  // The picture stretches to the window it is given; keep-open holds the last frame and
  // reports the end through eof-reached; the video output stays from one file to the next.
  // Input belongs to the show window, not the player.
  return {{"vo", "gpu"},
          {"gpu-sw", "yes"},
          {"ao", "pulse,alsa,null"},
          {"keep-open", "yes"},
          {"keepaspect", "no"},
          {"idle", "yes"},
          {"terminal", "no"},
          {"load-scripts", "no"},
          {"osd-level", "0"},
          {"input-default-bindings", "no"},
          {"input-vo-keyboard", "no"},
          {"input-cursor", "no"},
          {"cursor-autohide", "no"},
          {"stop-screensaver", "no"},
          {"force-window", "yes"}};
}

std::int32_t Milliseconds(double seconds) {
  return static_cast<std::int32_t>(std::lround(std::max(0.0, seconds) * 1000));
}

}  // namespace

// The native window libmpv draws into. It releases the player before its window goes: when
// the surface is destroyed, in whichever order the panel and the component are, and when its
// native window is, as closing the show window does.
class TVideoSurface : public QWidget {
 public:
  TVideoSurface(QWidget* display, TMediaPlayer* player) : QWidget(display), player_(player) {
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    hide();
  }
  ~TVideoSurface() override {
    if (player_) player_->ReleasePlayer();
  }
  // The native window's id, watched from now on.
  WId WatchedWinId() {
    const WId id = winId();
    windowHandle()->installEventFilter(this);
    return id;
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::PlatformSurface && player_ &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
      player_->ReleasePlayer();
    return QWidget::eventFilter(watched, event);
  }
  QPointer<TMediaPlayer> player_;
};

void TMediaPlayer::SetPlayerOptions(const MpvPlayer::Options& options) {
  ExtraOptions() = options;
}

TMediaPlayer::TMediaPlayer(QWidget* owner) : QWidget(owner) {
  hide();
}

TMediaPlayer::~TMediaPlayer() {
  ReleasePlayer();
  if (surface_) {
    surface_->player_ = nullptr;
    delete surface_;
  }
}

void TMediaPlayer::SetDisplay(QWidget* display) {
  ReleasePlayer();
  delete surface_;
  display_ = display;
  if (display_) surface_ = new TVideoSurface(display_, this);
}

void TMediaPlayer::MakePlayer() {
  auto options = DefaultOptions();
  if (surface_) options.emplace_back("wid", std::to_string(surface_->WatchedWinId()));
  const auto& extra = ExtraOptions();
  options.insert(options.end(), extra.begin(), extra.end());
  player_ = std::make_unique<MpvPlayer>(options);
  player_->Observe("eof-reached");
  player_->onEvent = [this](const mpv_event& event) { OnEvent(event); };
}

void TMediaPlayer::ReleasePlayer() {
  player_.reset();
  entry_ = 0;
  playing_ = ended_ = notifyPending_ = false;
}

void TMediaPlayer::Open() {
  Close();
  if (!player_) MakePlayer();
  const auto loaded = player_->Load(fileName_, kOpenTimeoutMs);
  if (loaded.entry == 0) {
    if (surface_) surface_->hide();
    throw EMCIDeviceError("Cannot open the file \"" + fileName_ + "\": " + loaded.error);
  }
  entry_ = loaded.entry;
  QSize natural(0, 0);
  if (player_->Int("current-tracks/video/id", 0) > 0) {
    player_->WaitFor(
        [this](const mpv_event& event) {
          return event.event_id == MPV_EVENT_VIDEO_RECONFIG && player_->Int("dwidth", 0) > 0;
        },
        kFirstFrameTimeoutMs);
    natural = {static_cast<int>(player_->Int("dwidth", 0)),
               static_cast<int>(player_->Int("dheight", 0))};
  }
  // The surface takes its place when playback starts, so that it moves only once.
  displayRect_ = {QPoint(0, 0), natural};
}

void TMediaPlayer::Close() {
  if (entry_ == 0) return;
  // The file stays loaded, paused on its frame, until the next one replaces it: the picture
  // goes from one video to the next without a blank in between.
  player_->SetPause(true);
  entry_ = 0;
  playing_ = ended_ = notifyPending_ = false;
}

void TMediaPlayer::Play() {
  if (entry_ == 0) throw EMCIDeviceError("No media file is open");
  notifyPending_ = true;
  if (ended_) {
    Ended();
    return;
  }
  playing_ = true;
  if (surface_) {
    surface_->setGeometry(displayRect_);
    surface_->show();
  }
  player_->SetPause(false);
}

void TMediaPlayer::SetDisplayRect(const QRect& rect) {
  displayRect_ = rect;
  if (surface_ && playing_) surface_->setGeometry(rect);
}

std::int32_t TMediaPlayer::Position() const {
  if (entry_ == 0) return 0;
  // A file played to its end stands at its end, even where its last frame starts earlier.
  if (ended_) return Length();
  return Milliseconds(player_->Double("time-pos", 0));
}

std::int32_t TMediaPlayer::Length() const {
  return entry_ == 0 ? 0 : Milliseconds(player_->Double("duration", 0));
}

void TMediaPlayer::OnEvent(const mpv_event& event) {
  if (entry_ == 0 || !playing_) return;
  if (event.event_id == MPV_EVENT_PROPERTY_CHANGE) {
    const auto* property = static_cast<const mpv_event_property*>(event.data);
    if (std::string_view(property->name) == "eof-reached" && property->format == MPV_FORMAT_FLAG &&
        *static_cast<int*>(property->data))
      Ended();
  } else if (event.event_id == MPV_EVENT_END_FILE) {
    // A decoder that fails part of the way ends the file like its end does.
    if (static_cast<const mpv_event_end_file*>(event.data)->playlist_entry_id == entry_) Ended();
  }
}

void TMediaPlayer::Ended() {
  playing_ = false;
  ended_ = true;
  if (!notifyPending_) return;
  notifyPending_ = false;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (OnNotify) OnNotify(this);
      },
      Qt::QueuedConnection);
}
