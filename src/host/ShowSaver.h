#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "showdata/SaverBase.h"

class MciNotifyEvent;
class QLabel;
class QTimer;
class TMediaPlayer;
class TApplicationEvents;
class TFlashControl;
class TFlashManager;
class TKRVButton;
class TPicManager;
class TTransitionView;
class TWebBrowser;

// How a show window is made: which player copy names its show, and which monitor it covers.
struct TShowWindowOptions {
  QString playerPath;  // empty: this program's own executable
  int monitorIndex = 0;
};

// The show window: a borderless, topmost window that covers one monitor or fills the preview
// area. Its set-up loads the show and starts the music and the first item; its exit routine
// ExitSaver is the one way a show ends. It owns everything the show uses.
//
// The players' routines are members of this window, each defined in its player's own file
// under players/.
class TfrmShowSaver : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmShowSaver(QWidget* parent = nullptr, TShowWindowOptions options = {});
  ~TfrmShowSaver() override;

  // Life cycle and exit triggers.
  void FormCreate();
  void FormShow();
  // Ends the show; trigger names the cause in the diagnostic log. Runs once.
  void ExitSaver(std::string_view trigger = "other");
  bool ApplicationEvents1Message(QObject* receiver, QEvent* event);
  void KRVButton1Click();

  // The sequencer.
  void PlayRes();
  void Timer1Timer();
  void StopAny();
  // Players call this when their item is done: enables Timer1. Safe from any thread.
  void ItemDone();

  // The idle shutdown: true when the countdown ran out and the computer is to be powered off.
  bool ShutdownDue();

  // The background music (players/Music.cpp).
  std::string SndMciStr(const std::string& command);
  void PlayMusic();
  void MciNotify(const MciNotifyEvent& message);

  // Video items (players/Video.cpp).
  void PlayVideo();
  void mdpNotify(QObject* sender);

  // Picture items (players/PlayPicture.cpp).
  void PlayPicture();
  void TransitionView1Progress(QObject* sender);

  // Flash items (players/PlayFlash.cpp).
  void PlayFlash();
  void timeFlashTimer();

  // Website items (players/PlayWebsite.cpp).
  void PlayWebsite();
  void WebBrowser1DocumentComplete(QObject* sender, const QString& address);

  // Error reports: the handler of every unhandled error of the process, and the players' own.
  void AppException(QObject* sender, const std::exception& error);
  void ReportPlayerError(const std::exception& error);

  // One line of the diagnostic log, with this window's monitor index.
  void Log(std::string_view event) const;

  // Components.
  QWidget* pnVedeo = nullptr;
  TTransitionView* TransitionView1 = nullptr;
  QWidget* pnWebPreView = nullptr;
  QLabel* lblWebsitePre = nullptr;
  TKRVButton* KRVButton1 = nullptr;
  QTimer* Timer1 = nullptr;
  QTimer* timeFlash = nullptr;
  TApplicationEvents* ApplicationEvents1 = nullptr;
  TMediaPlayer* mdp = nullptr;  // video shows only

  // Fields.
  std::unique_ptr<TSaverBase> Saver;
  std::unique_ptr<TPicManager> PicManager;
  std::unique_ptr<TFlashManager> FlashManager;
  std::string TraceLine;
  std::string TraceFunction;
  QPoint StartCursor;
  std::int32_t PrevRandom = 0;
  std::int32_t CurrentMusic = 0;
  std::int32_t CurrentItem = 0;
  std::int32_t FlashFrameCount = 0;
  bool VideoPlaying = false;
  std::uint32_t StartTick = 0;
  TFlashControl* FlashMovie = nullptr;  // Flash shows only
  TWebBrowser* WebBrowser1 = nullptr;   // website shows only
  bool IsPreview = false;
  // Drawn inside a window of another program (XScreenSaver), which owns the input and the
  // cursor there: the show plays in full but reads no input and leaves the cursor alone.
  bool IsHosted = false;
  // False when another process of the same user plays the music of the show.
  bool PlaysMusic = true;

  // The effect style of the item being started, for the log; players that draw one set it.
  int ItemStyle = -1;
  const int MonitorIndex;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateComponents();
  void SetColor(const QColor& color);
  void ShowWebsitePreview();
  void ShowCloseButton();
  void Report(const std::vector<std::string>& lines);
  // Diagnostic log entries for what the players do (ShowDiagnostics.cpp).
  std::vector<std::string> TemporaryFiles() const;
  void LogMadeFiles(const std::vector<std::string>& known) const;
  void LogDeletedFiles(const std::vector<std::string>& made) const;
  void LogMusicStarted();
  // True when the window covers a monitor of its own: neither a preview nor hosted.
  bool OwnsScreen() const { return !IsPreview && !IsHosted; }

  QString playerPath_;
  bool setUpStarted_ = false;
  bool exited_ = false;
  int closeButtonRightMargin_ = 0;
};
