#pragma once

#include <QObject>
#include <functional>

// The application-events component: its OnMessage sees every event of the process before it
// is delivered, and returning true keeps the event from being delivered. One filter on the
// application serves every component, and every component with a handler sees every event,
// so one key press reaches the filters of all show windows.
class TApplicationEvents : public QObject {
  Q_OBJECT

 public:
  using MessageEvent = std::function<bool(QObject* receiver, QEvent* event)>;

  explicit TApplicationEvents(QObject* owner);
  ~TApplicationEvents() override;

  MessageEvent OnMessage;
};
