#include "host/ApplicationEvents.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace {

std::vector<TApplicationEvents*>& Components() {
  static std::vector<TApplicationEvents*> components;
  return components;
}

// The one filter on the application; it lives as long as some component does.
class TApplicationFilter : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    std::vector<QPointer<TApplicationEvents>> targets(Components().begin(), Components().end());
    bool handled = false;
    for (const QPointer<TApplicationEvents>& target : targets)
      if (target && target->OnMessage && target->OnMessage(receiver, event)) handled = true;
    return handled;
  }
};

TApplicationFilter* filter = nullptr;

}  // namespace

TApplicationEvents::TApplicationEvents(QObject* owner) : QObject(owner) {
  if (filter == nullptr) {
    filter = new TApplicationFilter;
    QCoreApplication::instance()->installEventFilter(filter);
  }
  Components().push_back(this);
}

TApplicationEvents::~TApplicationEvents() {
  std::erase(Components(), this);
  if (Components().empty()) {
    delete filter;
    filter = nullptr;
  }
}
