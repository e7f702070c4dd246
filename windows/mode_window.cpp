#include "windows/mode_window.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

#include "windows/window_texts.h"

namespace tarvel {

namespace {
constexpr int kRowMode = 6;
constexpr int kRowMultiplayer = 104;
constexpr int kRowCancel = 75;
constexpr int kRowAccount = 196;
constexpr int kRowTournament = 1051;
constexpr int kWidth = 480;
constexpr int kHeight = 350;
}  // namespace

TFormMode::TFormMode(WindowContext& context, QWidget* parent) : AuxWindow(context, parent) {
  setWindowTitle(context.Tr(kRowMode));
  SetClientSize(kWidth, kHeight);
  const int lang = context.options.Language;
  AddHeading(context.Tr(kRowMode), QRect(0, 8, kWidth, 36), 22);

  const QString titles[4] = {WindowTextOf(WindowText::LocalGame, lang), context.Tr(kRowMultiplayer),
                             context.Tr(kRowAccount), context.Tr(kRowTournament)};
  const QString hints[4] = {WindowTextOf(WindowText::LocalGameHint, lang),
                            WindowTextOf(WindowText::NetworkGameHint, lang),
                            WindowTextOf(WindowText::AccountHint, lang) + QLatin1Char(' ') +
                                WindowTextOf(WindowText::NotYetAvailable, lang),
                            WindowTextOf(WindowText::TournamentHint, lang) + QLatin1Char(' ') +
                                WindowTextOf(WindowText::NotYetAvailable, lang)};
  const char* names[4] = {"modeLocal", "modeNetwork", "modeAccount", "modeTournament"};
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    const int y = 54 + 62 * i;
    auto* radio = new QRadioButton(titles[i], this);
    radio->setObjectName(QString::fromLatin1(names[i]));
    radio->setFont(WidgetFont(16, true));
    SetTextColour(radio, Look().Text);
    Place(radio, QRect(30, y, 420, 26));
    group->addButton(radio, i);
    QLabel* hint = AddLabel(hints[i], QRect(56, y + 26, 400, 32), 12, false, Qt::AlignLeft | Qt::AlignTop);
    hint->setWordWrap(true);
    const bool available = i < 2;
    radio->setEnabled(available);
    hint->setEnabled(available);
    radios_[i] = radio;
  }
  radios_[context.options.LanMode ? 1 : 0]->setChecked(true);

  TKexCardsButton* ok = AddButton(QStringLiteral("Ok"), QRect(100, 306, 120, 32), "ok");
  TKexCardsButton* cancel = AddButton(context.Tr(kRowCancel), QRect(260, 306, 120, 32), "cancel");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TFormMode::Accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFormMode::Choose(GameMode mode) {
  QRadioButton* radio = radios_[static_cast<int>(mode)];
  if (!radio->isEnabled()) return false;
  radio->setChecked(true);
  return true;
}

GameMode TFormMode::Chosen() const {
  for (int i = 0; i < 4; ++i)
    if (radios_[i]->isChecked()) return static_cast<GameMode>(i);
  return GameMode::Local;
}

void TFormMode::Accept() {
  Context().options.LanMode = Chosen() == GameMode::Network;
  accept();
}

}  // namespace tarvel
