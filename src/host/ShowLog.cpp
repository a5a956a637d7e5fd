#include "host/ShowLog.h"

#include <QDateTime>
#include <cstdlib>
#include <fstream>
#include <mutex>

void ShowLog(int monitor, std::string_view event) {
  const char* path = std::getenv("SHOWSAVER_LOG");
  if (path == nullptr || *path == '\0') return;
  static std::mutex lock;
  const std::string stamp =
      QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss.zzz").toStdString();
  const std::lock_guard guard(lock);
  std::ofstream file(path, std::ios::app);
  file << stamp << " [" << monitor << "] " << event << '\n';
}
