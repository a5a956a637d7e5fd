#include "host/ReportNames.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>
#include <array>
#include <cstring>
#include <new>
#include <utility>

#include "platform/Errors.h"

namespace {

// The toolkit's classes and the components they stand for, most specific first.
constexpr std::array<std::pair<const char*, const char*>, 14> kComponentNames{{
    {"QTimer", "TTimer"},
    {"QApplication", "TApplication"},
    {"QGuiApplication", "TApplication"},
    {"QCoreApplication", "TApplication"},
    {"QDialog", "TForm"},
    {"QPushButton", "TButton"},
    {"QAbstractButton", "TButton"},
    {"QLabel", "TLabel"},
    {"QPlainTextEdit", "TMemo"},
    {"QTextEdit", "TMemo"},
    {"QFrame", "TPanel"},
    {"QSocketNotifier", "TApplication"},
    {"QWidget", "TWinControl"},
    {"QObject", "TObject"},
}};

bool IsOurClass(const char* name) {
  return name[0] == 'T' && std::strlen(name) > 1;
}

const QObject* FormOfWindow(const QObject* object) {
  const auto* window = qobject_cast<const QWindow*>(object);
  if (window == nullptr) return object;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->windowHandle() == window) return widget;
  return object;
}

}  // namespace

std::string ReportClassName(const QObject* object) {
  if (object == nullptr) return {};
  if (object == QCoreApplication::instance()) return "TApplication";
  for (const QMetaObject* meta = FormOfWindow(object)->metaObject(); meta != nullptr;
       meta = meta->superClass()) {
    const char* name = meta->className();
    if (IsOurClass(name)) return name;
    for (const auto& [qtName, componentName] : kComponentNames)
      if (std::strcmp(name, qtName) == 0) return componentName;
  }
  return "TObject";
}

std::string ErrorClassName(const std::exception& error) {
  if (const auto* ours = dynamic_cast<const Exception*>(&error)) return ours->ClassName();
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return "EOutOfMemory";
  return "Exception";
}

int ErrorHelpContext(const std::exception& error) {
  const auto* ours = dynamic_cast<const Exception*>(&error);
  return ours != nullptr ? ours->HelpContext() : 0;
}
