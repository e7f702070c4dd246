#include "windows/general_count_window.h"
#include "table/qt_text.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>

namespace tarvel {

namespace {
constexpr int kRowPlayer = 79;
constexpr int kRowHeading = 80;
// The labels in the order of the TCount texts.
constexpr int kLabelRows[7] = {84, 85, 82, 81, 83, 87, 88};
constexpr int kWidth = 580;
constexpr int kHeight = 400;
const QRect kAccount(478, 58, 64, 64);
const QRect kAnimation(450, 170, 120, 55);

}  // namespace

QString TFormCount::AnimationFor(const TCount& count) {
  bool ok = false;
  const int score = QString::fromStdString(count.Count_ScoCur).trimmed().toInt(&ok);
  if (ok && score > 0) return QStringLiteral("GKonGood");
  if (ok && score < 0) return QStringLiteral("GKonBads");
  return QStringLiteral("GKonNich");
}

QColor TFormCount::LampColour(int accountState) {
  switch (accountState) {
    case 2: return QColor(255, 220, 0);
    case 3: return QColor(30, 210, 40);
    default: return QColor(230, 20, 20);
  }
}

TFormCount::TFormCount(WindowContext& context, const TCount& count, const QString& playerName, int accountState,
                       QWidget* parent)
    : AuxWindow(context, parent), count_(count), accountState_(accountState) {
  setWindowTitle(context.Tr(kRowPlayer) + QStringLiteral(":  ") + playerName);
  SetClientSize(kWidth, kHeight);
  account_ = context.pictures.Named(QStringLiteral("Account48"));
  const QString path = context.pictures.AnimationPath(AnimationFor(count_));
  if (!path.isEmpty()) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("animation"));
    movie_ = new QMovie(path, QByteArray(), label);
    movie_->setScaledSize(Sc(kAnimation).size());
    label->setMovie(movie_);
    Place(label, kAnimation);
    if (context.options.GifAnimation) movie_->start();
    else movie_->jumpToFrame(0);
  }
  TKexCardsButton* ok = AddButton(QStringLiteral("Ok"), QRect(240, 350, 100, 32), "ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormCount::PaintContents(QPainter& p) {
  p.setFont(DesignFont(20, true, true));
  p.setPen(Look().Accent);
  p.drawText(QRect(0, 10, kWidth, 32), Qt::AlignCenter, Context().Tr(kRowHeading));
  const std::string* values[7] = {&count_.Count_KonAll, &count_.Count_KonCur, &count_.Count_ScoBeg,
                                  &count_.Count_ScoCur, &count_.Count_ScoAll, &count_.Count_ReiBeg,
                                  &count_.Count_ReiCur};
  for (int i = 0; i < 7; ++i) {
    const int y = 58 + 38 * i;
    // A soft band under every other pair keeps the long labels readable against their values.
    if (i % 2 == 0) p.fillRect(QRect(16, y - 3, 420, 32), QColor(255, 255, 255, Look().Text.lightness() > 128 ? 24 : 90));
    p.setPen(Look().Text);
    p.setFont(DesignFont(14, false));
    p.drawText(QRect(24, y, 310, 26), Qt::AlignLeft | Qt::AlignVCenter, Context().Tr(kLabelRows[i]));
    p.setFont(DesignFont(15, true));
    p.setPen(Look().Accent);
    p.drawText(QRect(334, y, 96, 26), Qt::AlignRight | Qt::AlignVCenter, Q(*values[i]).trimmed());
  }
  // The account picture with its lamp.
  if (!account_.isNull()) {
    p.drawPixmap(kAccount, account_);
  } else {
    p.setPen(QPen(Look().Text, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kAccount.center(), 14, 14);
    p.drawArc(QRect(kAccount.x() + 8, kAccount.center().y() + 12, 48, 40), 0, 180 * 16);
  }
  const QColor lamp = LampColour(accountState_);
  QRadialGradient g(QPointF(kAccount.right() - 4, kAccount.bottom() - 4), 10);
  g.setColorAt(0, lamp.lighter(160));
  g.setColorAt(1, lamp.darker(120));
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(g);
  p.drawEllipse(QPointF(kAccount.right() - 4, kAccount.bottom() - 4), 9, 9);
}

}  // namespace tarvel
