#include "windows/help_window.h"

#include <QFile>
#include <QTextBrowser>

namespace tarvel {

namespace {
constexpr int kRowHelp = 27;
constexpr int kWidth = 660;
constexpr int kHeight = 540;
}  // namespace

QString TFormHelp::DocumentFor(int language) {
  return language == 1 ? QStringLiteral(":/help/help_ru.html") : QStringLiteral(":/help/help_en.html");
}

TFormHelp::TFormHelp(WindowContext& context, QWidget* parent) : AuxWindow(context, parent) {
  setWindowTitle(context.Tr(kRowHelp));
  SetClientSize(kWidth, kHeight);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("document"));
  browser_->setOpenExternalLinks(false);
  browser_->setFont(WidgetFont(14, false));
  Place(browser_, QRect(12, 12, kWidth - 24, kHeight - 70));
  QFile file(DocumentFor(context.options.Language));
  if (file.open(QIODevice::ReadOnly)) {
    browser_->setHtml(QString::fromUtf8(file.readAll()));
  } else {
    browser_->setPlainText(context.Tr(kRowHelp));
  }
  TKexCardsButton* ok = AddButton(QStringLiteral("Ok"), QRect(kWidth / 2 - 50, kHeight - 46, 100, 32), "ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tarvel
