#pragma once

#include <QByteArray>
#include <QString>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlSchemeHandler>

// The Flash page's own address space: "showsaver-flash://player/" serves the page, Ruffle's
// files and the movie being loaded, all from this process. The scheme is registered before the
// application object exists (a static initializer does it; RegisterFlashScheme may be called
// again).
inline constexpr const char* kFlashScheme = "showsaver-flash";
inline constexpr const char* kFlashPageUrl = "showsaver-flash://player/index.html";
void RegisterFlashScheme();

// The folder holding Ruffle's web build: "ruffle" beside the executable, or the build's copy.
QString RuffleFolder();

class TFlashSchemeHandler : public QWebEngineUrlSchemeHandler {
  Q_OBJECT
 public:
  explicit TFlashSchemeHandler(QObject* parent = nullptr);
  void requestStarted(QWebEngineUrlRequestJob* job) override;
  // Holds the movie the page is to load next and returns its address on the scheme.
  QString OfferMovie(QByteArray data);

 private:
  QString ruffleFolder_;
  QByteArray movie_;
  QString moviePath_;
  int serial_ = 0;
};

// Refuses every request of the Flash page that does not stay on its own scheme.
class TFlashRequestFilter : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
