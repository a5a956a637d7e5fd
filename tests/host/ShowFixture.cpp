#include "ShowFixture.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <fstream>
#include <stdexcept>

namespace {

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes, std::size_t keep,
                std::ios::openmode mode = std::ios::binary) {
  std::ofstream file(path, mode);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(std::min(keep, bytes.size())));
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace

TTestShow::TTestShow(const ShowSpec& showData, std::size_t keepBytes) {
  WriteBytes(ShowPath(), EncodeShow(showData), keepBytes);
  playerPath_ = QString::fromStdString(Folder() + "player.scr");
  std::vector<std::uint8_t> player(64, 0x90);
  const std::vector<std::uint8_t> trailer = EncodeTrailer(ShowPath());
  player.insert(player.end(), trailer.begin(), trailer.end());
  WriteBytes(playerPath_.toStdString(), player, player.size());
}

std::string TTestShow::Folder() const {
  return dir_.path().toStdString() + "/";
}
std::string TTestShow::ShowPath() const {
  return Folder() + "show.krv";
}

QString TTestShow::MakePlayerCopy(const QString& executable, const QString& name) const {
  const QString copy = QString::fromStdString(Folder()) + name;
  QFile::remove(copy);
  if (!QFile::copy(executable, copy)) throw std::runtime_error("cannot copy the player");
  WriteBytes(copy.toStdString(), EncodeTrailer(ShowPath()), std::string::npos,
             std::ios::binary | std::ios::app);
  QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ExeOwner);
  return copy;
}

ShowSpec SilentShow(int count) {
  ShowSpec showData;
  showData.exitOnMouseMove = false;
  showData.exitOnClick = false;
  showData.exitOnKey = false;
  for (int i = 0; i < count; ++i)
    showData.items.push_back({kSilentKind, "", "item" + std::to_string(i), ".x"});
  return showData;
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

void ClearQuitRequest() {
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}
