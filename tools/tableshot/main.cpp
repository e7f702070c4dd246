// tarvel-tableshot: plays a deal at the table for a number of steps and writes the window to a PNG.
//   tarvel-tableshot --out FILE [--size 1-5] [--width W --height H] [--steps N] [--seed S] [--language L]
//                    [--repaints N]   (also measures N full repaints of the table)
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/autoplay.h"
#include "table/library_pictures.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tarvel::Options options;
  options.FlyCards = false;
  options.SoundOn = false;
  options.PlayerName = "Anna";
  std::string out;
  int steps = 12, width = 0, height = 0, repaints = 0;
  unsigned long long seed = 1;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string opt = argv[i];
    const char* value = argv[i + 1];
    if (opt == "--out") out = value;
    else if (opt == "--size") options.WindowSize = std::atoi(value);
    else if (opt == "--width") width = std::atoi(value);
    else if (opt == "--height") height = std::atoi(value);
    else if (opt == "--steps") steps = std::atoi(value);
    else if (opt == "--repaints") repaints = std::atoi(value);
    else if (opt == "--seed") seed = std::strtoull(value, nullptr, 10);
    else if (opt == "--cards") options.CardSet = std::atoi(value);
    else if (opt == "--back") options.DeckBack = std::atoi(value);
    else if (opt == "--background") options.Background = std::atoi(value);
    else if (opt == "--language") options.Language = static_cast<std::uint8_t>(std::atoi(value) % 10);
    else {
      std::fprintf(stderr, "tarvel-tableshot: unknown option %s\n", opt.c_str());
      return 2;
    }
  }
  if (out.empty()) {
    std::fprintf(stderr, "usage: tarvel-tableshot --out FILE [--size 1-5] [--width W --height H] [--steps N]\n");
    return 2;
  }
  auto pictures = std::make_unique<tarvel::LibraryPictures>(
      options, [](const QString& message) { std::fprintf(stderr, "%s\n", message.toUtf8().constData()); });
  tarvel::MainWindow w(options, std::move(pictures));
  w.Presenter().firstMoveAnswer = 4;
  if (width > 0 && height > 0) w.resize(width, height);
  w.show();
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
  if (!w.grab().save(QString::fromStdString(out))) {
    std::fprintf(stderr, "tarvel-tableshot: cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("%s: %dx%d\n", out.c_str(), w.width(), w.height());
  return 0;
}
