// tarvel-shot: the program's screens and windows as PNG pictures, without a display.
//   tarvel-shot --out FILE [--screen table|menu|intro|<window>] [--size 1-5] [--width W --height H]
//               [--language 0-9] [--steps N] [--seed S] [--cards C] [--back B] [--background G] [--design 0|1]
//               [--repaints N]   (the table: also measures N full repaints)
//   tarvel-shot --startup        (measures the start-up up to the menu, in a scratch program directory)
// The windows are those the main window opens: login, newplayer, topten, history, options, speed, mode,
// generalcount, endgame, changename, about, help.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/autoplay.h"
#include "app/dialogs.h"
#include "app/startup.h"
#include "table/font_substitutes.h"
#include "table/library_pictures.h"

namespace {

// A scratch program directory seeded with the shipped club files, so that a shot never touches the
// club of the build tree.
struct Scratch {
  QTemporaryDir temp;
  tarvel::ClubState club;
  tarvel::StartupResult start;
  Scratch(tarvel::Options& options) {
    const std::filesystem::path exe = QCoreApplication::applicationDirPath().toStdString();
    tarvel::ProgramPlaces places{temp.path().toStdString(), {exe / "shipped"}, {}, true};
    tarvel::SeedFreshProgramDirectory(places);
    start = tarvel::PrepareStart(places.programDir, places.programDir, options, club, {});
  }
};

int Startup() {
  QElapsedTimer clock;
  clock.start();
  tarvel::Options options;
  options.SoundOn = false;
  options.MusicOn = false;
  Scratch scratch(options);
  const double checked = clock.nsecsElapsed() / 1e6;
  auto pictures = std::make_unique<tarvel::LibraryPictures>(
      options, [](const QString& m) { std::fprintf(stderr, "%s\n", m.toUtf8().constData()); },
      QCoreApplication::applicationDirPath());
  tarvel::MainWindow w(options, scratch.club, scratch.start.places.programDir, std::move(pictures));
  w.show();
  w.StartIntro();
  w.Intro().Finish();  // a click on the intro
  QApplication::processEvents();
  const QPixmap shot = w.grab();
  std::printf("start-up: options and club files %.1f ms, window and menu drawn %.1f ms\n", checked,
              clock.nsecsElapsed() / 1e6);
  return shot.isNull() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tarvel::InstallFontSubstitutes();
  if (argc == 2 && std::strcmp(argv[1], "--startup") == 0) return Startup();
  tarvel::Options options;
  options.FlyCards = false;
  options.SoundOn = false;
  options.MusicOn = false;
  std::string out, screenName = "table";
  int steps = 12, width = 0, height = 0, repaints = 0, language = -1;
  unsigned long long seed = 1;
  Scratch scratch(options);
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string opt = argv[i];
    const char* value = argv[i + 1];
    if (opt == "--out") out = value;
    else if (opt == "--screen") screenName = value;
    else if (opt == "--size") options.WindowSize = std::atoi(value);
    else if (opt == "--width") width = std::atoi(value);
    else if (opt == "--height") height = std::atoi(value);
    else if (opt == "--steps") steps = std::atoi(value);
    else if (opt == "--repaints") repaints = std::atoi(value);
    else if (opt == "--seed") seed = std::strtoull(value, nullptr, 10);
    else if (opt == "--cards") options.CardSet = std::atoi(value);
    else if (opt == "--back") options.DeckBack = std::atoi(value);
    else if (opt == "--background") options.Background = std::atoi(value);
    else if (opt == "--language") language = std::atoi(value) % 10;
    else if (opt == "--design") options.MenuDesign = options.TableDesign = std::atoi(value) == 1 ? 1 : 0;
    else {
      std::fprintf(stderr, "tarvel-shot: unknown option %s\n", opt.c_str());
      return 2;
    }
  }
  if (language >= 0) options.Language = static_cast<std::uint8_t>(language);
  if (out.empty()) {
    std::fprintf(stderr, "usage: tarvel-shot --out FILE [--screen table|menu|intro|<window>] [--size 1-5] ...\n");
    return 2;
  }
  auto pictures = std::make_unique<tarvel::LibraryPictures>(
      options, [](const QString& message) { std::fprintf(stderr, "%s\n", message.toUtf8().constData()); },
      QCoreApplication::applicationDirPath());
  tarvel::MainWindow w(options, scratch.club, scratch.start.places.programDir, std::move(pictures));
  tarvel::InstallDialogs(w);
  w.Presenter().firstMoveAnswer = 4;
  if (width > 0 && height > 0) w.resize(width, height);
  w.show();
  QPixmap picture;
  if (screenName == "intro") {
    w.StartIntro();
    for (int i = 0; i < steps; ++i) w.Intro().IntroTick();
    w.StepTimer().stop();
  } else if (screenName == "menu") {
    w.ShowMenu();
    for (int i = 0; i < steps; ++i) w.Menu().MenuTick();
    w.StepTimer().stop();
  } else if (screenName == "table") {
    w.StartSeries();
    w.StepTimer().stop();
    tarvel::DealRandom random(seed);
    for (int i = 0; i < steps; ++i) {
      const std::string fault = tarvel::AutoplayStep(w, random);
      if (!fault.empty()) std::fprintf(stderr, "step %d: %s\n", i, fault.c_str());
      w.StepTimer().stop();
    }
    QApplication::processEvents();
    if (repaints > 0) {
      // The whole table painted into an off-screen picture, as a full repaint of the window does.
      QPixmap target(w.size());
      QElapsedTimer clock;
      clock.start();
      for (int i = 0; i < repaints; ++i) w.Screen().render(&target);
      std::printf("full repaint %dx%d: %.2f ms\n", w.width(), w.height(), clock.nsecsElapsed() / 1e6 / repaints);
    }
  } else {
    // A window: opened over the menu as its button would, grabbed once it shows, then closed.
    w.ShowMenu();
    w.StepTimer().stop();
    QTimer::singleShot(300, [&] {
      if (QWidget* dialog = QApplication::activeModalWidget()) {
        picture = dialog->grab();
        dialog->close();
      }
    });
    if (!tarvel::OpenWindowByName(w, screenName)) {
      std::fprintf(stderr, "tarvel-shot: no window named %s\n", screenName.c_str());
      return 2;
    }
  }
  QApplication::processEvents();
  if (picture.isNull()) picture = w.grab();
  if (!picture.save(QString::fromStdString(out))) {
    std::fprintf(stderr, "tarvel-shot: cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("%s: %dx%d\n", out.c_str(), picture.width(), picture.height());
  return 0;
}
