#include "host/CustomModule.h"

#include <QCoreApplication>
#include <cctype>

std::string ApplicationTitle(std::string_view executablePath) {
  const std::size_t slash = executablePath.find_last_of('/');
  std::string_view name =
      slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
  name = name.substr(0, name.find('.'));
  std::string title(name);
  for (std::size_t i = 1; i < title.size(); ++i)
    title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
  return title;
}

std::string TruncateText(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  std::size_t end = maxBytes;
  // Step back over continuation bytes so that the cut falls between characters.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return std::string(text.substr(0, end));
}

void CustomMessageBox(QWidget* owner, std::string_view text, std::string_view title,
                      QMessageBox::Icon icon) {
  QMessageBox box(icon, QString::fromStdString(TruncateText(title, kMessageBoxTitleBytes)),
                  QString::fromStdString(TruncateText(text, kMessageBoxTextBytes)), QMessageBox::Ok,
                  owner);
  box.setWindowFlag(Qt::WindowStaysOnTopHint);
  box.exec();
}

void InfoBox(QWidget* owner, std::string_view text) {
  CustomMessageBox(owner, text,
                   ApplicationTitle(QCoreApplication::applicationFilePath().toStdString()),
                   QMessageBox::Information);
}
