#include "app/dialogs.h"

#include <QLineEdit>
#include <QMessageBox>
#include <memory>

#include "app/main_window.h"
#include "records/club_file.h"
#include "records/general_count.h"
#include "settings/cp1251.h"
#include "windows/about_window.h"
#include "windows/change_name_window.h"
#include "windows/end_game_window.h"
#include "windows/general_count_window.h"
#include "windows/help_window.h"
#include "windows/lan_welcome_section.h"
#include "windows/history_window.h"
#include "windows/login_window.h"
#include "windows/mode_window.h"
#include "windows/options_dialog.h"
#include "windows/options_effects.h"
#include "windows/speed_chooser.h"
#include "windows/top_ten_window.h"
#include "windows/window_context.h"

namespace tarvel {

namespace {

// What a changed option does to the main window.
class MainWindowEffects : public OptionsEffects {
 public:
  explicit MainWindowEffects(MainWindow& w) : w_(w) {}
  void WindowSizeChanged() override { w_.OptionsChanged(); }
  void LanguageChanged() override { w_.OptionsChanged(); }
  void LanModeChanged() override { w_.OptionsChanged(); }
  void SoundChanged() override { w_.SoundsOut().SoundOptionChanged(); }
  void MusicChanged() override { w_.Music().MusicOptionChanged(); }
  void GifAnimationChanged() override { w_.OptionsChanged(); }
  void ButtonStyleChanged() override { w_.OptionsChanged(); }
  void CardSetChanged() override { w_.OptionsChanged(); }
  void DeckBackChanged() override { w_.OptionsChanged(); }
  void FontsChanged() override { w_.OptionsChanged(); }
  void BackgroundChanged() override { w_.OptionsChanged(); }
  void DesignChanged() override { w_.OptionsChanged(); }
  void RulesChanged() override { w_.GameOf().rules = w_.Opts().Rules; }
  bool MenuShown() const override { return w_.Menu().MenuShown(); }
  void ShowMessage(const QString& text) override {
    if (w_.dialogs.message) w_.dialogs.message(text);
  }

 private:
  MainWindow& w_;
};

struct DialogState {
  WindowContext context;
  MainWindowEffects effects;
  int historyFile = 0;  // the history window shows the file chosen last in this run
};

}  // namespace

void InstallDialogs(MainWindow& w) {
  const QString caption = QString::fromUtf8(w.Texts().ProductName().data());
  auto state = std::shared_ptr<DialogState>(new DialogState{
      WindowContext{w.Opts(), w.Texts(), w.Pictures(), w.ProgramDir(),
                    [&w](const std::string& name, bool wait) { w.SoundsOut().PlayEffect(name, wait); }},
      MainWindowEffects(w)});
  WindowContext& ctx = state->context;
  auto& d = w.dialogs;
  d.ask = [&w, caption](const QString& text) {
    return QMessageBox::question(&w, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
  };
  d.message = [&w, caption](const QString& text) { QMessageBox::information(&w, caption, text); };

  d.logIn = [state, &w, &ctx](int slot) {
    const ClubLoad load = LoadClubFile(ClubFilePath(w.ProgramDir(), w.ClubInUse()));
    const ClubLines club = load.Club.value_or(ClubLines{});
    TFormLogin window(ctx, club, slot, w.Club(), &w);
    if (w.Opts().LanMode) {
      auto* section = new LanWelcomeSection(ctx, w.Lan());
      window.SetNetworkSection(section);
      window.confirmNetwork = [section] { return section->Confirm(); };
      // The name goes out with the join request before the window has closed: take it as typed.
      section->playerName = [&window, &w] {
        const auto* entry = window.findChild<QLineEdit*>(QStringLiteral("name"));
        return entry && !entry->text().trimmed().isEmpty() ? Utf8ToCp1251(entry->text().trimmed().toStdString())
                                                           : w.Opts().PlayerName;
      };
    }
    return window.exec() == QDialog::Accepted;
  };
  d.topTen = [state, &w, &ctx] {
    const ClubLoad load = LoadClubFile(ClubFilePath(w.ProgramDir(), w.ClubInUse()));
    TFormTopTen window(ctx, load.Club.value_or(ClubLines{}), w.ClubInUse(), &w);
    window.exec();
  };
  d.history = [state, &w, &ctx] {
    TFormHistory window(ctx, &state->historyFile, &w);
    window.exec();
  };
  d.options = [state, &w] { OptionsDialog::Run(state->context, state->effects, &w); };
  d.speed = [state, &w] { SpeedChooser::Choose(state->context, &w); };
  d.mode = [state, &w, &ctx] {
    TFormMode window(ctx, &w);
    const bool lan = w.Opts().LanMode;
    window.exec();
    if (w.Opts().LanMode != lan) w.OptionsChanged();
  };
  d.generalCount = [state, &w, &ctx] {
    const GameState& st = w.GameOf().st;
    const SeriesCounters counters{st.KonAll, st.KonAtStart, st.ScoreAtStart, SeriesScore(st), w.Club().Rating};
    TFormCount window(ctx, GeneralCountLocal(counters), QString::fromStdString(w.GameOf().userName), 1, &w);
    window.exec();
  };
  d.changeName = [state, &w, &ctx] {
    TFormChangeName window(ctx, w.Club(), w.ClubInUse(), &w);
    if (window.exec() == QDialog::Accepted) w.GameOf().userName = w.Club().Name;
  };
  d.endGame = [state, &w, &ctx](const EndGameWindow& data) {
    TFormEndGame window(ctx, data, &w);
    window.exec();
  };
  d.help = [state, &w, &ctx] {
    TFormHelp window(ctx, &w);
    window.exec();
  };
  d.about = [state, &w, &ctx] {
    TFormAbout window(ctx, &w);
    window.exec();
  };
}

bool OpenWindowByName(MainWindow& w, const std::string& name) {
  const auto open = [](const std::function<void()>& f) {
    if (f) f();
    return true;
  };
  auto& d = w.dialogs;
  if (name == "login") return d.logIn ? (d.logIn(1), true) : false;
  if (name == "newplayer") return d.logIn ? (d.logIn(6), true) : false;
  if (name == "topten") return open(d.topTen);
  if (name == "history") return open(d.history);
  if (name == "options") return open(d.options);
  if (name == "speed") return open(d.speed);
  if (name == "mode") return open(d.mode);
  if (name == "generalcount") return open(d.generalCount);
  if (name == "changename") return open(d.changeName);
  if (name == "about") return open(d.about);
  if (name == "help") return open(d.help);
  if (name == "endgame") {
    if (d.endGame) d.endGame(EndGameWindowFor(3, 420, PlayKind::Local, false));
    return true;
  }
  return false;
}

}  // namespace tarvel
