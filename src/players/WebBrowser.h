#pragma once

#include <QString>
#include <QWebEngineView>
#include <string>

// The web browser control of a website show: a web view inside the show window that navigates
// to web addresses and local files and tells when a document has loaded. Placing it uses the
// widget's own geometry; "alignment none" is the default, and AlignToParent makes it cover the
// parent's whole client area until SetAlignNone.
class TWebBrowser : public QWebEngineView {
  Q_OBJECT
 public:
  explicit TWebBrowser(QWidget* parent);
  ~TWebBrowser() override;

  void AlignToParent();
  void SetAlignNone();
  // Starts loading address (a web address, or a local file) and returns at once. An address
  // that names nothing loadable raises EControlError.
  void Navigate(const std::string& address);
  // The URL Navigate loads for address; empty when there is none.
  static QUrl AddressUrl(const std::string& address);
  // True when receiver is the control or one of its windows.
  bool OwnsReceiver(const QObject* receiver) const;

 signals:
  // Raised on the user-interface thread each time a document has finished loading, also when
  // loading failed (the view then shows its error page).
  void DocumentComplete(const QString& address);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool alignToParent_ = false;
};
