#include "MediaShow.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include "MediaFiles.h"

TMediaShow::TMediaShow(const ShowSpec& showData) {
  WriteBytes(ShowPath(), EncodeShow(showData));
  std::vector<std::uint8_t> player(64, 0x90);
  const std::vector<std::uint8_t> trailer = EncodeTrailer(ShowPath());
  player.insert(player.end(), trailer.begin(), trailer.end());
  WriteBytes(PlayerPath().toStdString(), player);
}

QString TMediaShow::MakePlayerCopy(const QString& executable) const {
  const QString copy = QString::fromStdString(Folder() + "show.scr");
  QFile::remove(copy);
  QFile::copy(executable, copy);
  QFile file(copy);
  if (file.open(QIODevice::Append)) {
    const std::vector<std::uint8_t> trailer = EncodeTrailer(ShowPath());
    file.write(reinterpret_cast<const char*>(trailer.data()), static_cast<qint64>(trailer.size()));
  }
  file.close();
  QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner);
  return copy;
}

void WhenModal(std::function<void(QWidget*)> action) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, action = std::move(action)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    action(modal);
  });
  poll->start(10);
}
