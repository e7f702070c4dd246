#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "settings/address_cipher.h"
#include "settings/text_table.h"
#include "table/kex_cards_button.h"
#include "tests/windows/built_in_pictures.h"
#include "windows/options_dialog.h"
#include "windows/resource_download.h"

namespace tarvel {
namespace {

// A local HTTP server that answers every request with one canned reply and closes, or stays silent.
class CannedServer {
 public:
  explicit CannedServer(QByteArray reply, bool silent = false) : reply_(std::move(reply)), silent_(silent) {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          request_ += socket->readAll();
          if (!request_.contains("\r\n\r\n") || silent_) return;
          socket->write(reply_);
          socket->disconnectFromHost();
        });
      }
    });
  }
  QString Url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
  QByteArray RequestLine() const { return request_.left(request_.indexOf("\r\n")); }

 private:
  QTcpServer server_;
  QByteArray reply_;
  bool silent_;
  QByteArray request_;
};

QByteArray Reply(const QByteArray& status, const QByteArray& headers, const QByteArray& body) {
  return "HTTP/1.1 " + status + "\r\nConnection: close\r\n" + headers + "\r\n" + body;
}

QByteArray Binary(int size) {
  QByteArray bytes(size, '\0');
  for (int i = 0; i < size; ++i) bytes[i] = static_cast<char>((static_cast<quint32>(i) * 2654435761u) >> 24);
  return bytes;
}

struct DownloadFixture : ::testing::Test {
  QTemporaryDir root;
  QString prog;
  Options options;
  TextTable texts{options};
  test::BuiltInPictures pictures;
  QStringList played;
  struct : OptionsEffects {
    int bursts = 0;
    QStringList fetched;
    void Burst(QPoint) override { ++bursts; }
    void ResourceFileFetched(const QString& file) override { fetched << file; }
  } effects;
  const DownloadLimits quick{.stallMs = 2000, .totalMs = 10000, .maxBytes = 1 << 20};

  DownloadFixture() {
    prog = root.filePath("prog");
    QDir().mkpath(prog);
  }
  WindowContext Context() {
    return WindowContext{options, texts, pictures, prog.toStdString(),
                         [this](const std::string& name, bool) { played << QString::fromStdString(name); }};
  }
  // Everything in the parent directory and the program directory but the program directory itself.
  QStringList Left() const {
    QStringList names = QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    names.removeAll("prog");
    names += QDir(prog).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    return names;
  }
};

TEST_F(DownloadFixture, FetchWritesTheFileIntoTheParentDirectory) {
  const QByteArray body = Binary(300000);
  CannedServer server(Reply("200 OK", "Content-Type: application/octet-stream\r\nContent-Length: " +
                                          QByteArray::number(body.size()) + "\r\n", body));
  options.SaluteButtons = true;
  EXPECT_TRUE(FetchResourceFile(Context(), effects, "KexCGraph1.dll", server.Url(), quick));
  EXPECT_EQ(server.RequestLine(), "GET /downloads/progr/cards/KexCGraph1.dll HTTP/1.1");
  QFile file(root.filePath("KexCGraph1.dll"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), body);
  EXPECT_EQ(Left(), QStringList{"KexCGraph1.dll"}) << "no temporary file is left";
  EXPECT_EQ(played, QStringList{"WToMenK"});
  EXPECT_EQ(effects.bursts, 1) << "the burst at the pointer while SaluteButtons is on";
  EXPECT_EQ(effects.fetched, QStringList{"KexCGraph1.dll"});
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone";
}

TEST_F(DownloadFixture, FailedFetchLeavesNothingBehind) {
  struct Case {
    const char* what;
    QByteArray reply;
    bool silent = false;
    qint64 maxBytes = 1 << 20;
  };
  const Case cases[] = {
      {"not found", Reply("404 Not Found", "Content-Length: 9\r\n", "not found")},
      {"server error", Reply("500 Internal Server Error", "Content-Length: 4\r\n", "oops")},
      {"empty body", Reply("200 OK", "Content-Length: 0\r\n", "")},
      {"error page typed as HTML", Reply("200 OK", "Content-Type: text/html\r\nContent-Length: 6\r\n", "sorry!")},
      {"error page typed as a file", Reply("200 OK", "Content-Type: application/octet-stream\r\n",
                                           "  <!DOCTYPE html><html><body>No such file</body></html>")},
      {"cut short", Reply("200 OK", "Content-Length: 5000\r\n", Binary(1200))},
      {"larger than allowed", Reply("200 OK", "Content-Length: 4096\r\n", Binary(4096)), false, 1000},
      {"no answer", QByteArray(), true},
      {"not HTTP at all", QByteArray("\x16\x03\x01 garbage\r\n\r\n")},
  };
  for (const Case& c : cases) {
    played.clear();
    CannedServer server(c.reply, c.silent);
    DownloadLimits limits = quick;
    limits.maxBytes = c.maxBytes;
    if (c.silent) limits.stallMs = 300;
    QString error;
    EXPECT_FALSE(DownloadResourceFile(server.Url(), "KexBackG03.dll", root.path().toStdString(), limits, &error)) << c.what;
    EXPECT_FALSE(error.isEmpty()) << c.what;
    EXPECT_TRUE(Left().isEmpty()) << c.what << ": " << Left().join(", ").toStdString();
    EXPECT_FALSE(FetchResourceFile(Context(), effects, "KexBackG03.dll", server.Url(), limits)) << c.what;
    EXPECT_EQ(played, QStringList{"WWrongs"}) << c.what;
    EXPECT_TRUE(Left().isEmpty()) << c.what;
    EXPECT_TRUE(effects.fetched.isEmpty()) << c.what;
  }
}

TEST_F(DownloadFixture, NoServerAndUnsafeNamesFailAtOnce) {
  quint16 port = 0;
  {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    port = closed.serverPort();
  }
  const QString refused = QStringLiteral("http://127.0.0.1:%1").arg(port);
  EXPECT_FALSE(FetchResourceFile(Context(), effects, "KexRadio.rad", refused, quick));
  EXPECT_EQ(played, QStringList{"WWrongs"});
  for (const char* name : {"../KexRadio.rad", "sub/KexRadio.rad", "..", ""})
    EXPECT_FALSE(DownloadResourceFile(refused, name, root.path().toStdString(), quick)) << name;
  EXPECT_FALSE(DownloadResourceFile("ftp://127.0.0.1", "KexRadio.rad", root.path().toStdString(), quick));
  EXPECT_TRUE(Left().isEmpty());
}

TEST(ResourceDownloadServer, TheAccountServiceHostOrTheLocalServer) {
  Options options;
  EXPECT_EQ(ResourceDownloadServer(options), "http://127.0.0.1:8765");
  options.AccountServiceAddress = EncipherAddress("https://games.example.org:8443/acc/login.php?x=1");
  EXPECT_EQ(ResourceDownloadServer(options), "https://games.example.org:8443");
  options.AccountServiceAddress = "not enciphered";
  EXPECT_EQ(ResourceDownloadServer(options), kLocalServicesServer);
  options.AccountServiceAddress = EncipherAddress("mailto:someone@example.org");
  EXPECT_EQ(ResourceDownloadServer(options), kLocalServicesServer);
}

TEST_F(DownloadFixture, DialogButtonFetchesAndRefreshes) {
  CannedServer server(Reply("200 OK", "Content-Length: 5\r\n", "abcde"));
  const WindowContext context = Context();
  OptionsDialog dialog(context, effects);
  dialog.SetDownloadServer(server.Url());
  dialog.SetDownloadLimits(quick);
  auto* button = dialog.findChild<TKexCardsButton*>("Dll_KexCGraph1.dll");
  auto* salute = dialog.findChild<QCheckBox*>("SaluteCards");
  ASSERT_TRUE(button && salute);
  ASSERT_TRUE(button->isEnabled());
  EXPECT_FALSE(salute->isEnabled());
  button->click();
  EXPECT_TRUE(QFile::exists(root.filePath("KexCGraph1.dll")));
  EXPECT_FALSE(button->isEnabled());
  EXPECT_FALSE(dialog.findChild<TKexCardsButton*>("Fetch_KexCGraph1.dll")->isEnabled());
  EXPECT_TRUE(salute->isEnabled()) << "the graphics library now exists";
  EXPECT_EQ(played, QStringList{"WToMenK"});
}

}  // namespace
}  // namespace tarvel
