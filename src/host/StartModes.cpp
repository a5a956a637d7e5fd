#include "host/StartModes.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "host/CommandLine.h"
#include "host/ExitTriggers.h"
#include "host/ShowApplication.h"
#include "host/ShowSaver.h"
#include "platform/ConfigRegistry.h"
#include "platform/Errors.h"
#include "platform/ScreenSaveSignals.h"
#include "platform/TopLevelWindow.h"
#include "platform/UserLock.h"
#include "transition/TransitionView.h"

namespace {

constexpr const char* kConfigToolTitle = "BrindlemoorBrindlemoor";

// Brings up the configuration tool: the running one when its window exists, a new one
// otherwise. Any failure is silent.
void RunConfigure() {
  try {
    const std::string path = ReadConfigToolPath();
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) return;
    if (const auto window = FindTopLevelWindow(kConfigToolTitle))
      SetForegroundWindow(*window);
    else
      QProcess::startDetached(QString::fromStdString(path), {});
  } catch (...) {
  }
}

// The screen-saver command reaches every show window through its event queue.
void DeliverScreenSaveCommand(TShowApplication& app) {
  bool delivered = false;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<TfrmShowSaver*>(widget) == nullptr) continue;
    QCoreApplication::postEvent(widget, new QEvent(ScreenSaveEventType()));
    delivered = true;
  }
  if (!delivered) app.Terminate();
}

int RunFullScreen(TShowApplication& app) {
  std::vector<std::unique_ptr<TfrmShowSaver>> windows;
  const QList<QScreen*> screens = QGuiApplication::screens();
  for (int index = 0; index < screens.size(); ++index) {
    auto window = std::make_unique<TfrmShowSaver>(nullptr, TShowWindowOptions{{}, index});
    window->setScreen(screens[index]);
    window->setGeometry(screens[index]->geometry());
    window->TransitionView1->setGeometry(0, 0, screens[index]->geometry().width(),
                                         screens[index]->geometry().height());
    window->show();
    windows.push_back(std::move(window));
  }
  return app.RunMessageLoop();
}

// Plays window inside parentWindow, a window of another program, filling its client area until
// the show ends or parentWindow goes away. Returns the exit status of the process.
int RunInForeignWindow(TShowApplication& app, ForeignWindowId parentWindow,
                       std::unique_ptr<TfrmShowSaver> window, const std::string& goneTrigger) {
  if (QGuiApplication::platformName() == "wayland") {
    std::fprintf(stderr, "Playing inside another window is not supported on Wayland\n");
    return 1;
  }
  const auto client = ForeignClientSize(parentWindow);
  if (!client) {
    std::fprintf(stderr, "Window %u (0x%x) does not exist\n", parentWindow, parentWindow);
    return 1;
  }
  std::unique_ptr<QWindow> parent(QWindow::fromWinId(parentWindow));
  window->winId();
  window->windowHandle()->setParent(parent.get());
  window->setGeometry(0, 0, client->width, client->height);
  QTimer parentWatch;
  QObject::connect(&parentWatch, &QTimer::timeout, window.get(), [&] {
    if (!ForeignClientSize(parentWindow)) window->ExitSaver(goneTrigger);
  });
  parentWatch.start(1000);
  window->show();
  const int result = app.RunMessageLoop();
  window.reset();
  return result;
}

int RunPreview(TShowApplication& app, std::int32_t handle) {
  auto window = std::make_unique<TfrmShowSaver>();
  window->IsPreview = true;
  return RunInForeignWindow(app, static_cast<ForeignWindowId>(handle), std::move(window),
                            "preview-window-gone");
}

// XScreenSaver starts one process per monitor, each with its own window: the first of them to
// take the user's music lock plays the music, the others play silently.
int RunXScreenSaver(TShowApplication& app, std::uint32_t hostWindow) {
  const TUserLock musicLock("showsaver-music");
  auto window = std::make_unique<TfrmShowSaver>();
  window->IsHosted = true;
  window->PlaysMusic = musicLock.Held();
  if (!window->PlaysMusic) window->Log("music-elsewhere");
  return RunInForeignWindow(app, hostWindow, std::move(window), "host-window-gone");
}

}  // namespace

int RunShowSaver(int argc, char** argv) {
  TCommandLine commandLine;
  try {
    commandLine = ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc),
                                   std::getenv("XSCREENSAVER_WINDOW"));
  } catch (const EConvertError& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  if (commandLine.mode == TStartMode::Configure) {
    RunConfigure();
    return 0;
  }
  TShowApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  TScreenSaveSignals screenSaveSignals;
  QObject::connect(&screenSaveSignals, &TScreenSaveSignals::ScreenSaveCommand, &app,
                   [&app] { DeliverScreenSaveCommand(app); });
  if (commandLine.mode == TStartMode::Preview) return RunPreview(app, commandLine.previewWindow);
  if (commandLine.mode == TStartMode::XScreenSaver)
    return RunXScreenSaver(app, commandLine.hostWindow);
  return RunFullScreen(app);
}
