#include "players/FlashScheme.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {

// Registered before main() runs, as the web engine asks.
const bool g_registered = (RegisterFlashScheme(), true);

QByteArray MimeTypeOf(const QString& path) {
  if (path.endsWith(".html")) return "text/html";
  if (path.endsWith(".js")) return "text/javascript";
  if (path.endsWith(".wasm")) return "application/wasm";
  return "application/octet-stream";
}

void Reply(QWebEngineUrlRequestJob* job, const QByteArray& mimeType, QByteArray data) {
  auto* buffer = new QBuffer(job);
  buffer->setData(std::move(data));
  job->reply(mimeType, buffer);
}

}  // namespace

void RegisterFlashScheme() {
  if (QWebEngineUrlScheme::schemeByName(kFlashScheme).name() == kFlashScheme) return;
  QWebEngineUrlScheme scheme(kFlashScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
  QWebEngineUrlScheme::registerScheme(scheme);
}

// Ruffle's files: beside the executable (the build's bin folder), in the share folder of the
// installation the executable belongs to (also when that installation was moved), where
// `cmake --install` or the Debian package put them, and last in the build. Player copies kept
// elsewhere, such as ~/.local/bin, find one of the last three.
QString RuffleFolder() {
  const QString exeDir = QCoreApplication::applicationDirPath();
  const QStringList candidates{exeDir + "/ruffle", exeDir + "/../share/showsaver/ruffle",
                               QStringLiteral(SHOWSAVER_RUFFLE_INSTALLED),
                               QStringLiteral(SHOWSAVER_RUFFLE_PACKAGED)};
  for (const QString& folder : candidates)
    if (QFileInfo::exists(folder + "/ruffle.js")) return QDir::cleanPath(folder);
  return QStringLiteral(SHOWSAVER_RUFFLE_FOLDER);
}

TFlashSchemeHandler::TFlashSchemeHandler(QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), ruffleFolder_(RuffleFolder()) {}

QString TFlashSchemeHandler::OfferMovie(QByteArray data) {
  movie_ = std::move(data);
  moviePath_ = QString("/movie/%1.swf").arg(++serial_);
  return QString(kFlashScheme) + "://player" + moviePath_;
}

void TFlashSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
  const QString path = job->requestUrl().path();
  if (path == moviePath_) return Reply(job, "application/x-shockwave-flash", movie_);
  QString file;
  if (path == "/index.html" || path == "/player.js") {
    file = ":/flash" + path;
  } else if (path.startsWith("/ruffle/") && !path.contains("..")) {
    file = ruffleFolder_ + path.mid(int(sizeof("/ruffle") - 1));
  }
  QFile source(file);
  if (file.isEmpty() || !source.open(QIODevice::ReadOnly)) {
    return job->fail(QWebEngineUrlRequestJob::UrlNotFound);
  }
  Reply(job, MimeTypeOf(path), source.readAll());
}

void TFlashRequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QString scheme = info.requestUrl().scheme();
  info.block(scheme != kFlashScheme && scheme != "data" && scheme != "blob");
}
