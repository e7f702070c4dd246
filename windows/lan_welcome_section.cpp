#include "windows/lan_welcome_section.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "lan/entry_checks.h"
#include "table/kex_cards_button.h"
#include "windows/lan_waiting_window.h"

namespace tarvel {

namespace {
constexpr int kIncorrectName = 67, kIncorrectAddress = 77, kIncorrectPort = 78;
constexpr int kEnterAddress = 105, kEnterPort = 106, kNumberGames = 107, kServerClient = 108;
constexpr int kServerCreates = 109, kClientEnters = 110, kReceiveAddresses = 111;

struct Place {
  QWidget* widget;
  QRect design;
};
}  // namespace

LanWelcomeSection::LanWelcomeSection(WindowContext& context, LanSession& session, QWidget* parent)
    : QWidget(parent), ctx_(context), session_(session) {
  group_ = new QLabel(ctx_.Tr(kServerClient), this);
  server_ = new QRadioButton(ctx_.Tr(kServerCreates), this);
  client_ = new QRadioButton(ctx_.Tr(kClientEnters), this);
  addressLabel_ = new QLabel(ctx_.Tr(kEnterAddress), this);
  address_ = new QLineEdit(this);
  address_->setMaxLength(20);
  portLabel_ = new QLabel(ctx_.Tr(kEnterPort), this);
  port_ = new QLineEdit(this);
  port_->setMaxLength(5);
  gamesLabel_ = new QLabel(ctx_.Tr(kNumberGames), this);
  games_ = new QSpinBox(this);
  games_->setRange(3, 3);
  games_->setEnabled(false);
  receive_ = new TKexCardsButton(this);
  receive_->setText(ctx_.Tr(kReceiveAddresses));
  help_ = new TKexCardsButton(this);
  help_->setText(QStringLiteral("?"));
  help_->hide();
  for (QLineEdit*& f : fields_) {
    f = new QLineEdit(this);
    f->setReadOnly(true);
    f->hide();
  }
  message_ = new QLabel(this);
  message_->setStyleSheet(QStringLiteral("color: #c00000"));

  connect(server_, &QRadioButton::clicked, this, [this] { ChooseServer(); });
  connect(client_, &QRadioButton::clicked, this, [this] { ChooseClient(); });
  connect(address_, &QLineEdit::textEdited, this, [this](const QString& t) { TypeAddress(t); });
  connect(port_, &QLineEdit::textEdited, this, [this](const QString& t) { TypePort(t); });
  connect(receive_, &QPushButton::clicked, this, [this] { ReceiveAddresses(); });
  connect(help_, &QPushButton::clicked, this, [this] {
    if (openRouterHelp) openRouterHelp();
  });

  // On opening: the server is chosen, the address entry is off and empty, the port shows `LanPort`.
  lastPort_ = QString::fromStdString(ctx_.options.LanPort);
  if (!PortTextAllowed(ctx_.options.LanPort)) lastPort_.clear();
  port_->setText(lastPort_);
  ChooseServer();
  resize(kDesignWidth, kDesignHeight);
  LayOut();
}

void LanWelcomeSection::LayOut() {
  help_->setVisible(static_cast<bool>(openRouterHelp));
  const double sx = width() / double(kDesignWidth), sy = height() / double(kDesignHeight);
  const Place places[] = {
      {group_, {10, 2, 200, 18}},         {server_, {10, 20, 210, 20}},     {client_, {10, 42, 210, 20}},
      {addressLabel_, {230, 2, 130, 18}}, {address_, {360, 2, 95, 20}},     {portLabel_, {230, 26, 130, 18}},
      {port_, {360, 26, 95, 20}},         {gamesLabel_, {230, 50, 130, 18}}, {games_, {360, 50, 95, 20}},
      {receive_, {10, 68, 210, 28}},      {help_, {425, 70, 30, 26}},       {message_, {10, 138, 440, 20}},
  };
  auto scaled = [&](const QRect& r) {
    return QRect(qRound(r.x() * sx), qRound(r.y() * sy), qRound(r.width() * sx), qRound(r.height() * sy));
  };
  for (const Place& p : places) p.widget->setGeometry(scaled(p.design));
  for (int i = 0; i < 6; ++i) fields_[i]->setGeometry(scaled(QRect(10 + (i % 3) * 148, 100 + (i / 3) * 18, 144, 17)));
}

void LanWelcomeSection::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void LanWelcomeSection::ChooseServer() {
  server_->setChecked(true);
  address_->setEnabled(false);
  address_->clear();
  lastAddress_.clear();
}

void LanWelcomeSection::ChooseClient() {
  client_->setChecked(true);
  address_->setEnabled(true);
  const QString saved = QString::fromStdString(ctx_.options.LanAddress);
  lastAddress_ = AddressTextAllowed(ctx_.options.LanAddress) ? saved.left(20) : QString();
  address_->setText(lastAddress_);
}

void LanWelcomeSection::TypeAddress(const QString& text) {
  const std::string bytes = text.toStdString();
  if (!AddressTextAllowed(bytes) || text.size() > 20) {
    address_->setText(lastAddress_);
    return;
  }
  lastAddress_ = text;
  if (address_->text() != text) address_->setText(text);
  if (client_->isChecked() && !text.isEmpty()) ctx_.options.LanAddress = bytes;
}

void LanWelcomeSection::TypePort(const QString& text) {
  const std::string bytes = text.toStdString();
  if (!PortTextAllowed(bytes) || text.size() > 5) {
    port_->setText(lastPort_);
    return;
  }
  lastPort_ = text;
  if (port_->text() != text) port_->setText(text);
  ctx_.options.LanPort = bytes;
}

void LanWelcomeSection::ReceiveAddresses() {
  const AddressFields f = LayOutAddresses(InterfaceAddresses(), externalAddress ? externalAddress() : QString());
  for (int i = 0; i < 6; ++i) {
    fields_[i]->setText(f[i].text);
    fields_[i]->setToolTip(f[i].hint);
    fields_[i]->show();
  }
}

void LanWelcomeSection::Show(const QString& message) { message_->setText(message); }

bool LanWelcomeSection::Confirm() {
  Show({});
  const std::string name = playerName ? playerName() : ctx_.options.PlayerName;
  if (name.empty()) {
    Show(ctx_.Tr(kIncorrectName));
    return false;
  }
  const bool host = server_->isChecked();
  const std::string address = address_->text().toStdString();
  if (!host && !AddressLooksValid(address)) {
    Show(ctx_.Tr(kIncorrectAddress));
    address_->setFocus();
    return false;
  }
  // An empty port is refused; so is one that names no port at all (0 or above 65535), which the
  // socket could not open.
  const std::optional<unsigned short> port = PortNumber(port_->text().toStdString());
  if (!port) {
    Show(ctx_.Tr(kIncorrectPort));
    return false;
  }
  ctx_.options.LanPort = port_->text().toStdString();
  if (host) {
    if (!session_.StartHost(*port, name)) {
      Show(ctx_.Tr(kIncorrectPort));  // the port is taken by another program
      return false;
    }
  } else {
    ctx_.options.LanAddress = address;
    QHostAddress hostAddress;
    if (!hostAddress.setAddress(address_->text())) {
      Show(ctx_.Tr(kIncorrectAddress));
      address_->setFocus();
      return false;
    }
    session_.StartClient(hostAddress, *port, name);
  }
  bool started;
  if (runWaitingWindow) {
    started = runWaitingWindow();
  } else {
    LanWaitingWindow waiting(ctx_, session_, window());
    started = waiting.exec() == QDialog::Accepted;
  }
  if (!started) {
    session_.Cancel();
    return false;
  }
  return true;
}

bool LanWelcomeSection::IsServer() const { return server_->isChecked(); }
QString LanWelcomeSection::Address() const { return address_->text(); }
QString LanWelcomeSection::Port() const { return port_->text(); }
bool LanWelcomeSection::AddressEnabled() const { return address_->isEnabled(); }
QString LanWelcomeSection::Message() const { return message_->text(); }
QString LanWelcomeSection::AddressField(int i) const { return i >= 0 && i < 6 ? fields_[i]->text() : QString(); }
bool LanWelcomeSection::AddressFieldsShown() const { return !fields_[0]->isHidden(); }

}  // namespace tarvel
