#include "windows/aux_window.h"
#include "table/qt_text.h"

#include <QRawFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QShowEvent>
#include <QValidator>
#include <algorithm>

#include "settings/cp1251.h"
#include "table/window_scale.h"

namespace tarvel {

namespace {

// Refuses any character that Windows-1251 lacks: the club file could only store it as "?".
class Cp1251Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    for (const uint c : input.toUcs4()) {
      if (c == '?') continue;
      const std::string bytes = Utf8ToCp1251(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1).toStdString());
      if (bytes == "?" || c < ' ') return Invalid;
    }
    return Acceptable;
  }
};
}  // namespace

void TypeInto(QLineEdit* entry, const QString& text) {
  entry->clear();
  for (const QChar c : text) entry->insert(QString(c));
}

AuxLook AuxLookFor(const Options& options) {
  AuxLook look;
  if (options.AuxDesignSpecial) {
    // Lilac paper with dark violet texts; the buttons take the cards colour with the same text colour.
    look.Top = QColor(236, 222, 246);
    look.Bottom = QColor(200, 176, 226);
    look.Text = QColor(60, 20, 90);
    look.Accent = QColor(110, 30, 140);
    look.Buttons = TColorSB::DCards;
    look.ButtonText = look.Text;
    look.Special = true;
    return look;
  }
  switch (options.AuxDesign) {
    case 1:  // green baize, light texts, yellow captions on the red buttons
      look.Top = QColor(22, 110, 52);
      look.Bottom = QColor(8, 60, 26);
      look.Text = QColor(245, 245, 225);
      look.Accent = QColor(255, 220, 60);
      look.ButtonText = QColor(255, 255, 0);
      break;
    case 3:  // night blue, white texts, yellow captions
      look.Top = QColor(30, 50, 110);
      look.Bottom = QColor(10, 16, 50);
      look.Text = QColor(235, 240, 255);
      look.Accent = QColor(255, 210, 90);
      look.ButtonText = QColor(255, 255, 0);
      break;
    default:  // 2, the plain design: warm light paper, navy texts, white captions
      look.Top = QColor(252, 246, 228);
      look.Bottom = QColor(226, 214, 184);
      look.Text = QColor(0, 0, 128);
      look.Accent = QColor(128, 0, 0);
      look.ButtonText = QColor(Qt::white);
      break;
  }
  return look;
}

QString ShownText(const QString& text) {
  QString t = text;
  t.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return t;
}

AuxWindow::AuxWindow(WindowContext& context, QWidget* parent) : QDialog(parent), ctx_(context) {
  setModal(true);
  s_ = FactorsFor(ctx_.options.WindowSize).s;
  UpdateLook();
  bigFamily_ = FamilyFor(ctx_.options.FontBig);
  smallFamily_ = FamilyFor(ctx_.options.FontSmall);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  showMessage = [this](QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, Q(std::string(ctx_.texts.ProductName())), text, QMessageBox::Ok, this);
    box.exec();
  };
}

int AuxWindow::Sc(double v) const { return RoundHalfEven(v * s_); }

QRect AuxWindow::Sc(const QRect& d) const {
  const int x = Sc(d.x()), y = Sc(d.y());
  return QRect(x, y, Sc(d.x() + d.width()) - x, Sc(d.y() + d.height()) - y);
}

void AuxWindow::SetClientSize(int width, int height) {
  designSize_ = QSize(width, height);
  setFixedSize(Sc(width), Sc(height));
}

void AuxWindow::Place(QWidget* child, const QRect& design) const { child->setGeometry(Sc(design)); }

TKexCardsButton* AuxWindow::AddButton(const QString& caption, const QRect& design, const char* objectName) {
  auto* b = new TKexCardsButton(this);
  b->setObjectName(QString::fromLatin1(objectName));
  b->setText(caption);
  const int h = Sc(design.height());
  b->SetHeightSB(h <= 37 ? THeightSB::D30 : h <= 52 ? THeightSB::D45 : THeightSB::D60);
  Place(b, design);
  b->setFont(WidgetFont(13, true));
  b->SetGrayDis(true);
  buttons_.push_back(b);
  StyleButtons();
  return b;
}

void SetTextColour(QWidget* widget, QColor colour) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Active, QPalette::WindowText, colour);
  p.setColor(QPalette::Inactive, QPalette::WindowText, colour);
  // A switched-off control shows its text half-way to grey.
  const QColor grey(128, 128, 128);
  p.setColor(QPalette::Disabled, QPalette::WindowText,
             QColor((colour.red() + 2 * grey.red()) / 3, (colour.green() + 2 * grey.green()) / 3,
                    (colour.blue() + 2 * grey.blue()) / 3));
  widget->setPalette(p);
}

QLabel* AuxWindow::AddLabel(const QString& text, const QRect& design, int fontBase, bool bold, Qt::Alignment align) {
  auto* l = new QLabel(text, this);
  l->setFont(WidgetFont(fontBase, bold));
  l->setAlignment(align);
  SetTextColour(l, look_.Text);
  Place(l, design);
  return l;
}

QLabel* AuxWindow::AddHeading(const QString& text, const QRect& design, int fontBase, Qt::Alignment align) {
  QLabel* l = AddLabel(text, design, fontBase, true, align);
  l->setFont(WidgetFont(fontBase, true, true));
  SetTextColour(l, look_.Accent);
  return l;
}

QLineEdit* AuxWindow::AddEntry(const QRect& design, int maxLength, bool hidden, const char* objectName) {
  auto* e = new QLineEdit(this);
  e->setObjectName(QString::fromLatin1(objectName));
  e->setMaxLength(maxLength);
  if (hidden) e->setEchoMode(QLineEdit::Password);
  e->setValidator(new Cp1251Validator(e));
  e->setFont(WidgetFont(14, false));
  Place(e, design);
  return e;
}

QFont CoveringFont(QFont font, const QString& text) {
  // A font that lacks some letters of a text has each of them drawn in another font, so that one word
  // mixes two faces: the whole text then takes a font that has them all.
  const QRawFont primary = QRawFont::fromFont(font);
  if (!primary.isValid()) return font;
  for (const uint c : text.toUcs4()) {
    if (c > ' ' && !primary.supportsCharacter(c)) {
      font.setFamily(QStringLiteral("DejaVu Sans"));
      break;
    }
  }
  return font;
}

QString AuxWindow::FamilyFor(const std::string& chosen) const {
  // The texts of the window's language decide the family of all its fonts.
  const QString sample = ctx_.Tr(70) + ctx_.Tr(79) + ctx_.Tr(3) + ctx_.Tr(19);
  return CoveringFont(QFont(Q(chosen)), sample).family();
}

QFont AuxWindow::DesignFont(int base, bool bold, bool big) const {
  const Options& o = ctx_.options;
  QFont f(big ? bigFamily_ : smallFamily_);
  f.setPixelSize(std::max(6, RoundHalfEven(base * (big ? o.ScaleBig : o.ScaleSmall) / 100.0)));
  f.setBold(bold);
  return f;
}

QFont AuxWindow::WidgetFont(int base, bool bold, bool big) const {
  QFont f = DesignFont(base, bold, big);
  f.setPixelSize(std::max(6, Sc(f.pixelSize())));
  return f;
}

QColor AuxWindow::MessageColour() const {
  return look_.Text.lightness() > 128 ? QColor(255, 120, 100) : QColor(200, 0, 0);
}

void AuxWindow::ShowMessage(QMessageBox::Icon icon, const QString& text) {
  if (showMessage) showMessage(icon, ShownText(text));
}

void AuxWindow::UpdateLook() {
  look_ = AuxLookFor(ctx_.options);
  if (!look_.Special) return;
  // The special design's texts are written on its picture: light texts on a dark picture.
  const QPixmap picture = ctx_.pictures.Named(QStringLiteral("BGLilu"));
  if (picture.isNull()) return;
  const QColor average = picture.toImage().scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
  if (average.lightness() < 128) {
    look_.Text = QColor(250, 238, 255);
    look_.Accent = QColor(255, 222, 90);
    look_.ButtonText = look_.Text;
  }
}

void AuxWindow::StyleButtons() {
  for (TKexCardsButton* b : buttons_) {
    b->SetColorSB(look_.Buttons);
    b->SetFontColor(look_.ButtonText);
    b->SetFramed(ctx_.options.NewButtons);
    b->SetLightFont(true);
    b->SetColorMouse(QColor(255, 255, 0));
    if (look_.Special) b->SetColorMouse(look_.Accent);
    b->update();
  }
}

void AuxWindow::showEvent(QShowEvent* event) {
  // The options may have changed since the window was made: buttons and background follow them.
  UpdateLook();
  StyleButtons();
  QDialog::showEvent(event);
}

void AuxWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  QPixmap picture;
  if (look_.Special) picture = ctx_.pictures.Named(QStringLiteral("BGLilu"));
  if (!picture.isNull()) {
    p.drawPixmap(r, picture);
  } else {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, look_.Top);
    g.setColorAt(1, look_.Bottom);
    p.fillRect(r, g);
  }
  // A thin inner frame gives the window an edge of its own on every design.
  p.setPen(QPen(look_.Accent, 1));
  p.drawRect(r.adjusted(2, 2, -3, -3));
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(s_, s_);
  PaintContents(p);
}

}  // namespace tarvel
