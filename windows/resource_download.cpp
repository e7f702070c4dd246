#include "windows/resource_download.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include "table/cursors.h"
#include "windows/resource_files.h"

namespace tarvel {
namespace {

constexpr char kUserAgent[] = "QorvelTimbrux";

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A plain file name: no directory part, nothing that climbs out of the target directory.
bool IsPlainFileName(const QString& name) {
  return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
         !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

// An error page served with status 200 instead of the file.
bool LooksLikeHtml(const QByteArray& head, const QString& contentType) {
  if (contentType.startsWith(QLatin1String("text/html"), Qt::CaseInsensitive)) return true;
  const QByteArray start = head.trimmed().left(16).toLower();
  return start.startsWith("<!doctype") || start.startsWith("<html") || start.startsWith("<head") ||
         start.startsWith("<body");
}

// Restores the cursor however the fetch ends.
struct WaitCursor {
  explicit WaitCursor(bool ownCursor) { QApplication::setOverrideCursor(TableCursor(CursorKind::Wait, ownCursor)); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

QString ResourceDownloadServer(const Options& options) {
  const QUrl url(FromUtf8(options.AccountServiceUrl()));
  if (url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
      !url.host().isEmpty()) {
    return url.toString(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo |
                        QUrl::StripTrailingSlash);
  }
  return QString::fromLatin1(kLocalServicesServer);
}

bool DownloadResourceFile(const QString& server, std::string_view file, const std::filesystem::path& dir,
                          const DownloadLimits& limits, QString* error) {
  auto fail = [error](const QString& why) {
    if (error) *error = why;
    return false;
  };
  const QString name = FromUtf8(file);
  if (!IsPlainFileName(name)) return fail(QStringLiteral("not a plain file name: ") + name);
  QString base = server;
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  const QUrl url(base + QLatin1String(kResourceDownloadPath) + name);
  if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
    return fail(QStringLiteral("not an http address: ") + url.toString());

  const QString target = QString::fromStdString((dir / std::string(file)).lexically_normal().string());
  QSaveFile out(target);
  if (!out.open(QIODevice::WriteOnly)) return fail(QStringLiteral("cannot write ") + target + ": " + out.errorString());

  QNetworkAccessManager manager;
  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(kUserAgent));
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setTransferTimeout(limits.stallMs);
  QNetworkReply* reply = manager.get(request);

  qint64 received = 0;
  QByteArray head;
  QString problem;
  auto take = [&] {
    const QByteArray chunk = reply->readAll();
    if (!problem.isEmpty()) return;
    if (received + chunk.size() > limits.maxBytes) {
      problem = QStringLiteral("the file is larger than allowed");
    } else if (out.write(chunk) != chunk.size()) {
      problem = QStringLiteral("cannot write ") + target + ": " + out.errorString();
    }
    if (!problem.isEmpty()) {
      reply->abort();
      return;
    }
    if (head.size() < 64) head += chunk.left(64 - head.size());
    received += chunk.size();
  };
  QObject::connect(reply, &QNetworkReply::readyRead, reply, take);
  QEventLoop loop;
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QTimer overall;
  overall.setSingleShot(true);
  QObject::connect(&overall, &QTimer::timeout, reply, [&] {
    if (problem.isEmpty()) problem = QStringLiteral("the download took too long");
    reply->abort();
  });
  overall.start(limits.totalMs);
  if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  overall.stop();

  // Whatever is still buffered (the last chunk may come with `finished`).
  if (problem.isEmpty() && reply->bytesAvailable() > 0) take();
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
  const QString contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
  const QNetworkReply::NetworkError networkError = reply->error();
  const QString networkText = reply->errorString();
  reply->deleteLater();

  if (!problem.isEmpty()) return fail(problem);
  if (networkError != QNetworkReply::NoError) return fail(networkText);
  if (status != 200) return fail(QStringLiteral("the server answered with status %1").arg(status));
  if (received == 0) return fail(QStringLiteral("the server sent an empty file"));
  if (length.isValid() && length.toLongLong() != received) return fail(QStringLiteral("the file arrived incomplete"));
  if (LooksLikeHtml(head, contentType)) return fail(QStringLiteral("the server sent a web page instead of the file"));
  if (!out.commit()) return fail(QStringLiteral("cannot write ") + target + ": " + out.errorString());
  return true;
}

bool FetchResourceFile(const WindowContext& context, OptionsEffects& effects, std::string_view file,
                       const QString& server, const DownloadLimits& limits) {
  bool ok = false;
  {
    WaitCursor wait(context.options.OwnCursor);
    if (context.options.SaluteButtons) effects.Burst(QCursor::pos());
    ok = DownloadResourceFile(server.isEmpty() ? ResourceDownloadServer(context.options) : server, file,
                              ResourceDownloadDir(context.programDir), limits);
  }
  context.Play(ok ? "WToMenK" : "WWrongs");
  if (ok) effects.ResourceFileFetched(FromUtf8(file));
  return ok;
}

}  // namespace tarvel
