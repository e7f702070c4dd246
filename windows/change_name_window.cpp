#include "windows/change_name_window.h"
#include "table/qt_text.h"

#include <QLabel>
#include <QLineEdit>

#include "records/club_login.h"
#include "settings/cp1251.h"

namespace tarvel {

namespace {
constexpr int kRowChangeName = 26;
constexpr int kRowEnterName = 71;
constexpr int kRowEnterPassword = 72;
constexpr int kRowOnceAgain = 73;
constexpr int kRowCancel = 75;
constexpr int kRowChanged = 76;
constexpr int kWidth = 460;

}  // namespace

TFormChangeName::TFormChangeName(WindowContext& context, ClubState& state, ClubKind kind, QWidget* parent)
    : AuxWindow(context, parent), state_(state), kind_(kind) {
  setWindowTitle(context.Tr(kRowChangeName));
  SetClientSize(kWidth, 295);
  AddHeading(context.Tr(kRowChangeName), QRect(0, 8, kWidth, 36), 22);
  AddLabel(context.Tr(kRowEnterName), QRect(30, 50, 400, 22), 14, false);
  name_ = AddEntry(QRect(30, 73, 400, 27), static_cast<int>(kMemberNameLength), false, "name");
  name_->setText(Q(state.Name));
  AddLabel(context.Tr(kRowEnterPassword), QRect(30, 104, 400, 22), 14, false);
  password_ = AddEntry(QRect(30, 127, 150, 27), 5, true, "password");
  AddLabel(context.Tr(kRowOnceAgain), QRect(30, 158, 400, 22), 14, false);
  again_ = AddEntry(QRect(30, 181, 150, 27), 5, true, "passwordAgain");
  message_ = AddLabel(QString(), QRect(20, 215, 420, 24), 14, true, Qt::AlignCenter);
  message_->setObjectName(QStringLiteral("message"));
  SetTextColour(message_, MessageColour());
  TKexCardsButton* ok = AddButton(QStringLiteral("Ok"), QRect(90, 250, 120, 32), "ok");
  TKexCardsButton* cancel = AddButton(context.Tr(kRowCancel), QRect(250, 250, 120, 32), "cancel");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { Accept(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  name_->setFocus();
  name_->selectAll();
}

void TFormChangeName::SetName(const QString& name) { TypeInto(name_, name); }
void TFormChangeName::SetPassword(const QString& password) { TypeInto(password_, password); }
void TFormChangeName::SetPasswordAgain(const QString& password) { TypeInto(again_, password); }
QString TFormChangeName::Message() const { return message_->text(); }

bool TFormChangeName::Accept() {
  message_->clear();
  WindowContext& ctx = Context();
  const NameChange change =
      ChangeMemberName(ClubFilePath(ctx.programDir, kind_), state_.Writable(kind_), name_->text().toStdString(),
                       password_->text().toStdString(), again_->text().toStdString(), state_, hooks);
  if (change.Row) {
    message_->setText(ShownText(ctx.Tr(*change.Row)));
    return false;
  }
  if (change.Message) {
    const auto text = [&ctx](int row) { return std::string(ctx.texts.Text(row)); };
    ShowMessage(QMessageBox::Critical, Q(change.Message->Compose(text)));
    return false;
  }
  ctx.options.PlayerName = Utf8ToCp1251(state_.Name);
  ShowMessage(QMessageBox::Information, ctx.Tr(kRowChanged) + Q(state_.Name));
  accept();
  return true;
}

}  // namespace tarvel
