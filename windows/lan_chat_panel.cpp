#include "windows/lan_chat_panel.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "table/kex_cards_button.h"

namespace tarvel {

namespace {
constexpr int kMaxEntry = 15;
constexpr double kRowWidth = 85;
constexpr int kMaxCuts = 12;
}  // namespace

LanChatPanel::LanChatPanel(PictureSource& pictures, QWidget* parent) : QWidget(parent), pictures_(pictures) {
  entry_ = new QLineEdit(this);
  entry_->setMaxLength(kMaxEntry);
  button_ = new TKexCardsButton(this);
  button_->installEventFilter(this);
  connect(entry_, &QLineEdit::returnPressed, this, [this] { Send(); });
  connect(button_, &QPushButton::clicked, this, [this] { Send(); });
  SetChatEnabled(false);
}

int LanChatPanel::Sc(double v) const { return qRound(v * s_); }

QColor LanChatPanel::SeatColour(int seat) {
  switch (seat) {
    case 1: return QColor(128, 0, 0);
    case 2: return QColor(0, 0, 128);
    case 3: return QColor(0, 128, 0);
    default: return QColor(128, 128, 0);
  }
}

QFont LanChatPanel::RowFont() const {
  QFont f = font();
  f.setPixelSize(std::max(1, Sc(14)));
  return f;
}

void LanChatPanel::SetScale(double s, bool smallest) {
  s_ = s > 0 ? s : 1.0;
  smallest_ = smallest;
  resize(Sc(130), Sc(95));
  update();
}

void LanChatPanel::ShowChatLine(int seat, const QString& text) {
  const QFontMetrics metrics(RowFont());
  QString line = text;
  int cuts = 0;
  while (cuts < kMaxCuts && !line.isEmpty() && metrics.horizontalAdvance(line) > Sc(kRowWidth)) {
    line.chop(1);
    ++cuts;
  }
  if (cuts > 0) line += QStringLiteral("...");
  int row = 0;
  while (row < kRows && !rows_[row].text.isEmpty()) ++row;
  if (row == kRows) {
    for (int j = 1; j < kRows; ++j) rows_[j - 1] = rows_[j];
    row = kRows - 1;
  }
  rows_[row] = {line, SeatColour(seat)};
  update();
}

void LanChatPanel::Clear() {
  rows_ = {};
  entry_->clear();
  update();
}

void LanChatPanel::SetChatEnabled(bool enabled) {
  entry_->setEnabled(enabled);
  button_->setEnabled(enabled);
}

void LanChatPanel::Send() {
  const QString text = entry_->text();
  if (text.isEmpty() || !entry_->isEnabled()) return;
  if (send) send(text.left(kMaxEntry));
  entry_->clear();
}

void LanChatPanel::DigitOnButton(QChar digit) {
  if (!digit.isDigit()) return;
  digits_ += digit;
  if (digits_.size() > 5) digits_.remove(0, digits_.size() - 5);
  if (digits_ == QLatin1String(kHandsSwitch)) {
    digits_.clear();
    if (toggleHands) toggleHands();
  }
}

bool LanChatPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == button_) {
    if (event->type() == QEvent::KeyPress) {
      const QString t = static_cast<QKeyEvent*>(event)->text();
      if (t.size() == 1 && t[0].isDigit()) DigitOnButton(t[0]);
    } else if (event->type() == QEvent::FocusOut) {
      ButtonLostFocus();
    }
  }
  return QWidget::eventFilter(watched, event);
}

void LanChatPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  entry_->setGeometry(Sc(5), Sc(68), Sc(85), Sc(22));
  button_->setGeometry(Sc(92), Sc(66), Sc(36), Sc(26));
  button_->setText(sendCaption);
}

void LanChatPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPixmap frame = pictures_.Named(smallest_ ? QStringLiteral("RamkaERSm") : QStringLiteral("RamkaERBg"));
  const QRect area(0, 0, width(), Sc(62));
  if (!frame.isNull()) {
    p.drawPixmap(area, frame);
  } else {
    p.fillRect(area, QColor(250, 245, 230));
    p.setPen(QColor(90, 60, 30));
    p.drawRect(area.adjusted(0, 0, -1, -1));
  }
  p.setFont(RowFont());
  for (int j = 0; j < kRows; ++j) {
    const Row& r = rows_[j];
    if (r.text.isEmpty()) continue;
    p.setPen(r.colour);
    // Row j (from 0) at scaled y = 14 j + 3, scaled x = 20.
    p.drawText(QRect(Sc(20), Sc(14 * j + 3), width() - Sc(20), Sc(14)), Qt::AlignLeft | Qt::AlignVCenter, r.text);
  }
}

}  // namespace tarvel
