#include "platform/PowerOff.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <cstdlib>

void PowerOffComputer() {
  if (const char* command = std::getenv("SHOWSAVER_POWEROFF_COMMAND")) {
    QProcess::startDetached("/bin/sh", {"-c", QString::fromLocal8Bit(command)});
    return;
  }
  QDBusMessage call =
      QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                     "org.freedesktop.login1.Manager", "PowerOff");
  call << false;  // not interactive: no authentication dialog
  QDBusConnection::systemBus().call(call, QDBus::Block, 5000);
}
