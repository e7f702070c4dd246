// Tarvel: four-player Durak. Starts the table straight into a new player's series.
#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "app/main_window.h"
#include "settings/options_file.h"
#include "table/library_pictures.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::filesystem::path programDirectory = QCoreApplication::applicationDirPath().toStdString();
  tarvel::Options options;
  tarvel::LoadOptions(programDirectory, options);
  auto pictures = std::make_unique<tarvel::LibraryPictures>(options, [](const QString& message) {
    QMessageBox::warning(nullptr, QStringLiteral("Tarvel"), message);
  });
  tarvel::MainWindow window(options, std::move(pictures));
  window.show();
  window.StartSeries();
  const int code = app.exec();
  const tarvel::OptionsSaveResult saved = tarvel::SaveOptions(programDirectory, options);
  if (!saved.Saved) QMessageBox::critical(nullptr, QStringLiteral("Tarvel"), QString::fromStdString(saved.Message));
  return code;
}
