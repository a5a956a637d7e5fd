#pragma once

#include <QObject>
#include <QTest>

#include <vector>

#include "platform/Mci.h"

// Records the codes of the media notifications it receives.
class NotifySink : public QObject {
 public:
  std::vector<int> codes;

  bool WaitForCodes(std::size_t count, int timeoutMs = 10000) {
    return QTest::qWaitFor([&] { return codes.size() >= count; }, timeoutMs);
  }

 protected:
  void customEvent(QEvent* event) override {
    if (event->type() == MciNotifyEvent::EventType())
      codes.push_back(static_cast<MciNotifyEvent*>(event)->NotifyCode());
  }
};
