#include "windows/window_texts.h"

namespace tarvel {

namespace {
struct Pair {
  const char* English;
  const char* Russian;
};

Pair PairOf(WindowText text) {
  switch (text) {
    case WindowText::LocalGame: return {"Game with the computer", "Игра с компьютером"};
    case WindowText::LocalGameHint:
      return {"You and your partner against two computer players", "Вы и ваш партнёр против двух компьютерных игроков"};
    case WindowText::NetworkGameHint:
      return {"Two or four players on the local network; the computer takes the free seats",
              "Два или четыре игрока в локальной сети; свободные места занимает компьютер"};
    case WindowText::AccountHint:
      return {"Games for the world rating under an online account", "Игры на мировой рейтинг под учётной записью"};
    case WindowText::TournamentHint:
      return {"Ten tables of the online tournament", "Десять столов онлайн-турнира"};
    case WindowText::NotYetAvailable:
      return {"(not available in this version)", "(недоступно в этой версии)"};
    case WindowText::Version: return {"Version %1", "Версия %1"};
    case WindowText::AboutLine:
      return {"Four-player Durak with a 36-card deck, two teams of partners sitting opposite each other.",
              "Дурак на четверых колодой в 36 карт: две команды, партнёры сидят друг напротив друга."};
    case WindowText::Credits: return {"Made with free software", "Сделано на свободном программном обеспечении"};
    case WindowText::CreditCards:
      return {"Card faces: the free card-deck artwork packaged in Debian (KDE and GNOME card decks)",
              "Карты: свободные рисунки колод из Debian (колоды KDE и GNOME)"};
    case WindowText::CreditVoice:
      return {"Spoken card names: espeak-ng", "Голос, называющий карты: espeak-ng"};
    case WindowText::CreditMusic:
      return {"Music: FluidSynth with a General MIDI sound font", "Музыка: FluidSynth со звуковым шрифтом General MIDI"};
    case WindowText::CreditToolkit: return {"Windows and pictures: Qt %1", "Окна и рисунки: Qt %1"};
  }
  return {"", ""};
}
}  // namespace

QString WindowTextOf(WindowText text, int language) {
  const Pair pair = PairOf(text);
  return QString::fromUtf8(language == 1 ? pair.Russian : pair.English);
}

}  // namespace tarvel
