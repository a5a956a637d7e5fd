#include "host/StartModes.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
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

int RunPreview(TShowApplication& app, std::int32_t handle) {
  if (QGuiApplication::platformName() == "wayland") {
    std::fprintf(stderr, "Preview mode is not supported on Wayland\n");
    return 1;
  }
  const auto parentWindow = static_cast<ForeignWindowId>(handle);
  const auto client = ForeignClientSize(parentWindow);
  if (!client) {
    std::fprintf(stderr, "Window %d does not exist\n", handle);
    return 1;
  }
  std::unique_ptr<QWindow> parent(QWindow::fromWinId(parentWindow));
  auto window = std::make_unique<TfrmShowSaver>();
  window->IsPreview = true;
  window->winId();
  window->windowHandle()->setParent(parent.get());
  window->setGeometry(0, 0, client->width, client->height);
  // The preview ends with the window it plays in.
  QTimer parentWatch;
  QObject::connect(&parentWatch, &QTimer::timeout, window.get(), [&] {
    if (!ForeignClientSize(parentWindow)) window->ExitSaver("preview-window-gone");
  });
  parentWatch.start(1000);
  window->show();
  const int result = app.RunMessageLoop();
  window.reset();
  return result;
}

}  // namespace

int RunShowSaver(int argc, char** argv) {
  TCommandLine commandLine;
  try {
    commandLine = ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
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
  return RunFullScreen(app);
}
