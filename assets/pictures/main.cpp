// tarvel-render-pictures OUT_DIR [--kde-decks DIR] [--gnome-decks DIR]
// Renders every picture of the table into OUT_DIR/<resource file>/ and writes one .qrc per resource file
// ("builtin" is compiled into the program; the others become KexCards06A.dll ... KexCGraph1.dll).
// Runs without a display (QT_QPA_PLATFORM=offscreen) and on all cores.
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QtConcurrent>
#include <atomic>
#include <cstdio>
#include <functional>
#include <vector>

#include "assets/pictures/backgrounds.h"
#include "assets/pictures/button_pieces.h"
#include "assets/pictures/card_faces.h"
#include "assets/pictures/deck_backs.h"
#include "assets/pictures/menu_pictures.h"
#include "assets/pictures/table_pictures.h"
#include "table/picture_names.h"

using namespace tarvel::assets;

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  QGuiApplication app(argc, argv);
  // Several system decks refer to elements that the SVG reader does not resolve; their cards still draw.
  QLoggingCategory::setFilterRules(QStringLiteral("qt.svg.warning=false"));
  QStringList args = app.arguments().mid(1);
  DeckDirs dirs;
  QString out;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == "--kde-decks" && i + 1 < args.size()) {
      dirs.kde = args[++i];
    } else if (args[i] == "--gnome-decks" && i + 1 < args.size()) {
      dirs.gnome = args[++i];
    } else if (out.isEmpty() && !args[i].startsWith("--")) {
      out = args[i];
    } else {
      std::fprintf(stderr, "usage: tarvel-render-pictures OUT_DIR [--kde-decks DIR] [--gnome-decks DIR]\n");
      return 2;
    }
  }
  if (out.isEmpty()) {
    std::fprintf(stderr, "usage: tarvel-render-pictures OUT_DIR [--kde-decks DIR] [--gnome-decks DIR]\n");
    return 2;
  }
  PictureSink sink(out);
  std::atomic<bool> failed{false};
  std::vector<std::function<void()>> jobs;
  // The heaviest jobs first, so that the cores stay busy to the end.
  for (int bg = 1; bg <= tarvel::kBackgroundCount; ++bg)
    jobs.push_back([&, bg] {
      if (RenderBackground(bg, sink) <= 0) failed = true;
    });
  for (int set = 0; set < 48; ++set)
    jobs.push_back([&, set] {
      if (RenderFaceSet(set, dirs, sink) <= 0) {
        std::fprintf(stderr, "card set %d: the deck %s cannot be read\n", set, FaceSourceOf(set).file);
        failed = true;
      }
    });
  for (int back = 0; back < tarvel::kDeckBackSets; ++back)
    jobs.push_back([&, back] {
      if (RenderBackSet(back, dirs, sink) <= 0) {
        std::fprintf(stderr, "back set %d cannot be drawn\n", back);
        failed = true;
      }
    });
  jobs.push_back([&] { RenderButtonPieces(sink); });
  jobs.push_back([&] { RenderTablePictures(sink); });
  jobs.push_back([&] { RenderMenuPictures(sink); });
  QtConcurrent::blockingMap(jobs, [](const std::function<void()>& job) { job(); });
  for (const QString& f : sink.Failures()) std::fprintf(stderr, "%s\n", qPrintable(f));
  if (failed || !sink.Failures().isEmpty() || !sink.WriteQrcFiles()) {
    std::fprintf(stderr, "tarvel-render-pictures: failed\n");
    return 1;
  }
  std::printf("tarvel-render-pictures: %d pictures\n", sink.Count());
  return 0;
}
