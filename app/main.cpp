// Tarvel: four-player Durak. Start-up: options, club files, the main window with its intro and menu;
// at exit the options are written (unless a club file was found invalid) and the song file removed.
#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "settings/text_table.h"
#include "table/font_substitutes.h"
#include "table/library_pictures.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("tarvel"));
  tarvel::InstallFontSubstitutes();

  tarvel::Options options;
  tarvel::ClubState club;
  const auto text = [&options](int row) { return std::string(tarvel::Text(row, options.Language)); };
  const tarvel::StartupResult start = tarvel::PrepareStart(
      QCoreApplication::applicationDirPath().toStdString(),
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString(), options, club,
      [&](const tarvel::RecordsMessage& message, bool fatal) {
        const QString shown = QString::fromStdString(message.Compose(text));
        if (fatal) QMessageBox::critical(nullptr, QStringLiteral("Tarvel"), shown);
        else QMessageBox::warning(nullptr, QStringLiteral("Tarvel"), shown);
      });
  if (!start.canStart) return 1;
  const std::filesystem::path& programDir = start.places.programDir;

  auto pictures = std::make_unique<tarvel::LibraryPictures>(
      options, [](const QString& message) { QMessageBox::warning(nullptr, QStringLiteral("Tarvel"), message); },
      QString::fromStdString(programDir.string()));
  tarvel::MainWindow window(options, club, programDir, std::move(pictures));
  tarvel::InstallDialogs(window);
  window.show();
  window.StartIntro();
  const int code = app.exec();

  if (const auto failed = tarvel::ShutDown(window.Music(), programDir, options, club))
    QMessageBox::critical(nullptr, QStringLiteral("Tarvel"), QString::fromStdString(*failed));
  return code;
}
