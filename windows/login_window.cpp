#include "windows/login_window.h"
#include "table/qt_text.h"

#include <QLabel>
#include <QLineEdit>

#include "records/club_login.h"
#include "settings/cp1251.h"

namespace tarvel {

namespace {
constexpr int kRowWelcome = 70;
constexpr int kRowEnterName = 71;
constexpr int kRowEnterPassword = 72;
constexpr int kRowOnceAgain = 73;
constexpr int kRowCancel = 75;
constexpr int kNameLength = 20;
constexpr int kNetworkNameLength = 4;
constexpr int kPasswordLength = 5;
constexpr int kNetworkExtra = TFormLogin::kNetworkClientHeight - TFormLogin::kClientHeight;

}  // namespace

TFormLogin::TFormLogin(WindowContext& context, const ClubLines& club, int slot, ClubState& state, QWidget* parent)
    : AuxWindow(context, parent), club_(club), slot_(slot), state_(state) {
  setWindowTitle(context.Tr(kRowWelcome));
  heading_ = AddHeading(context.Tr(kRowWelcome), QRect(0, 8, kClientWidth, 36), 22);

  nameLabel_ = AddLabel(context.Tr(kRowEnterName), QRect(30, 50, 400, 22), 14, false);
  name_ = AddEntry(QRect(30, 73, 400, 27), kNameLength, false, "name");
  passwordLabel_ = AddLabel(context.Tr(kRowEnterPassword), QRect(30, 104, 400, 22), 14, false);
  password_ = AddEntry(QRect(30, 127, 150, 27), kPasswordLength, true, "password");
  againLabel_ = AddLabel(context.Tr(kRowOnceAgain), QRect(30, 158, 400, 22), 14, false);
  again_ = AddEntry(QRect(30, 181, 150, 27), kPasswordLength, true, "passwordAgain");
  message_ = AddLabel(QString(), QRect(20, 215, 420, 24), 14, true, Qt::AlignCenter);
  message_->setObjectName(QStringLiteral("message"));
  SetTextColour(message_, MessageColour());
  ok_ = AddButton(QStringLiteral("Ok"), QRect(90, 250, 120, 32), "ok");
  cancel_ = AddButton(context.Tr(kRowCancel), QRect(250, 250, 120, 32), "cancel");
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, [this] { Accept(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  if (NewPlayer()) {
    const std::string last = Cp1251ToUtf8(context.options.PlayerName);
    name_->setText(Q(last));
  } else {
    // A member's name stands as the club file holds it; only the password is asked for.
    const auto member = ParseMemberLine(ReadMember(club_, slot_));
    name_->setText(member ? Q(member->Name) : QString());
    name_->setReadOnly(true);
    name_->setFocusPolicy(Qt::NoFocus);
    againLabel_->hide();
    again_->hide();
  }
  LayOut();
  (NewPlayer() ? name_ : password_)->setFocus();
}

void TFormLogin::LayOut() {
  const int extra = network_ ? kNetworkExtra : 0;
  SetClientSize(kClientWidth, kClientHeight + extra);
  Place(message_, QRect(20, 215 + extra, 420, 24));
  Place(ok_, QRect(90, 250 + extra, 120, 32));
  Place(cancel_, QRect(250, 250 + extra, 120, 32));
  if (network_) Place(network_, QRect(0, 212, kClientWidth, kNetworkExtra));
}

void TFormLogin::SetNetworkSection(QWidget* section) {
  network_ = section;
  if (network_) {
    network_->setParent(this);
    network_->show();
    if (NewPlayer()) {
      name_->setMaxLength(kNetworkNameLength);
      name_->setText(name_->text().left(kNetworkNameLength));
    }
  } else {
    name_->setMaxLength(kNameLength);
  }
  LayOut();
}

void TFormLogin::SetName(const QString& name) {
  if (NewPlayer()) TypeInto(name_, name);
}
void TFormLogin::SetPassword(const QString& password) { TypeInto(password_, password); }
void TFormLogin::SetPasswordAgain(const QString& password) { TypeInto(again_, password); }
QString TFormLogin::Message() const { return message_->text(); }

bool TFormLogin::Accept() {
  message_->clear();
  // The checks work on a copy: the club state changes only when the window closes with success.
  ClubState next = state_;
  const std::string password = password_->text().toStdString();
  std::optional<int> refused;
  if (NewPlayer()) {
    refused = StartNewPlayer(name_->text().toStdString(), password, again_->text().toStdString(), next);
  } else {
    refused = LogInMember(club_, slot_, password, next);
  }
  if (refused) {
    message_->setText(ShownText(Context().Tr(*refused)));
    (NewPlayer() && *refused != 69 && name_->text().trimmed().isEmpty() ? name_ : password_)->setFocus();
    return false;
  }
  if (confirmNetwork && !confirmNetwork()) return false;
  state_ = next;
  Context().options.PlayerName = Utf8ToCp1251(state_.Name);
  accept();
  return true;
}

}  // namespace tarvel
