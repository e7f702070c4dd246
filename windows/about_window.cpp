#include "windows/about_window.h"
#include "table/qt_text.h"

#include <QPainter>

#include "windows/window_texts.h"

#ifndef TARVEL_VERSION
#define TARVEL_VERSION "0"
#endif

namespace tarvel {

namespace {
constexpr int kRowAbout = 29;
constexpr int kWidth = 540;
constexpr int kHeight = 400;

}  // namespace

QString TFormAbout::VersionText() { return QStringLiteral(TARVEL_VERSION); }

TFormAbout::TFormAbout(WindowContext& context, QWidget* parent) : AuxWindow(context, parent) {
  setWindowTitle(context.Tr(kRowAbout));
  SetClientSize(kWidth, kHeight);
  title_ = context.pictures.Named(QStringLiteral("GTitle"));
  TKexCardsButton* ok = AddButton(QStringLiteral("Ok"), QRect(220, 354, 100, 32), "ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QStringList TFormAbout::Lines() const {
  const int lang = Context().options.Language;
  return {WindowTextOf(WindowText::Version, lang).arg(VersionText()),
          WindowTextOf(WindowText::AboutLine, lang),
          WindowTextOf(WindowText::Credits, lang),
          WindowTextOf(WindowText::CreditCards, lang),
          WindowTextOf(WindowText::CreditVoice, lang),
          WindowTextOf(WindowText::CreditMusic, lang),
          WindowTextOf(WindowText::CreditToolkit, lang).arg(QString::fromLatin1(qVersion()))};
}

void TFormAbout::PaintContents(QPainter& p) {
  const QRect titleRect(70, 14, 400, 106);
  if (!title_.isNull()) {
    p.drawPixmap(titleRect, title_);
  } else {
    p.setFont(DesignFont(44, true, true));
    p.setPen(Look().Accent);
    p.drawText(titleRect, Qt::AlignCenter, Q(Context().texts.ProductNameCapitals()));
  }
  const QStringList lines = Lines();
  p.setPen(Look().Text);
  p.setFont(DesignFont(18, true, true));
  p.drawText(QRect(20, 124, kWidth - 40, 28), Qt::AlignCenter, Q(Context().texts.ProductName()));
  p.setFont(DesignFont(14, false));
  p.drawText(QRect(20, 152, kWidth - 40, 22), Qt::AlignCenter, lines[0]);
  p.drawText(QRect(30, 176, kWidth - 60, 44), Qt::AlignCenter | Qt::TextWordWrap, lines[1]);
  p.setPen(Look().Accent);
  p.setFont(DesignFont(14, true));
  p.drawText(QRect(20, 228, kWidth - 40, 22), Qt::AlignCenter, lines[2]);
  p.setPen(Look().Text);
  p.setFont(DesignFont(12, false));
  for (int i = 3; i < lines.size(); ++i)
    p.drawText(QRect(20, 254 + 22 * (i - 3), kWidth - 40, 22), Qt::AlignCenter, lines[i]);
}

}  // namespace tarvel
