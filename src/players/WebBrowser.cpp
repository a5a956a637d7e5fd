#include "players/WebBrowser.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "platform/Errors.h"

TWebBrowser::TWebBrowser(QWidget* parent) : QWebEngineView(parent) {
  // Off the record: the show writes nothing of the pages it shows to disk.
  auto* profile = new QWebEngineProfile(this);
  setPage(new QWebEnginePage(profile, this));
  setContextMenuPolicy(Qt::NoContextMenu);
  connect(this, &QWebEngineView::loadFinished, this,
          [this](bool) { emit DocumentComplete(url().toString()); });
}

TWebBrowser::~TWebBrowser() {
  // The page must go before its profile.
  delete page();
}

void TWebBrowser::AlignToParent() {
  if (!alignToParent_ && parentWidget()) parentWidget()->installEventFilter(this);
  alignToParent_ = true;
  if (parentWidget()) setGeometry(parentWidget()->rect());
}

void TWebBrowser::SetAlignNone() {
  if (alignToParent_ && parentWidget()) parentWidget()->removeEventFilter(this);
  alignToParent_ = false;
}

bool TWebBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (alignToParent_ && watched == parentWidget() && event->type() == QEvent::Resize) {
    setGeometry(parentWidget()->rect());
  }
  return QWebEngineView::eventFilter(watched, event);
}

QUrl TWebBrowser::AddressUrl(const std::string& address) {
  const QString text = QString::fromStdString(address).trimmed();
  if (text.isEmpty()) return {};
  if (QFileInfo(text).isAbsolute() && QFileInfo::exists(text)) return QUrl::fromLocalFile(text);
  return QUrl::fromUserInput(text, QDir::currentPath());
}

void TWebBrowser::Navigate(const std::string& address) {
  const QUrl url = AddressUrl(address);
  if (!url.isValid() || url.isEmpty()) {
    throw EControlError("Invalid address: \"" + address + "\"");
  }
  load(url);
}

bool TWebBrowser::OwnsReceiver(const QObject* receiver) const {
  if (receiver == this) return true;
  const auto* widget = qobject_cast<const QWidget*>(receiver);
  return widget && isAncestorOf(widget);
}
