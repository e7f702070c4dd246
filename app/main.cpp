// Tarvel: four-player Durak. Starts the table straight into a new player's series.
#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "app/main_window.h"
#include "settings/options_file.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::filesystem::path programDirectory = QCoreApplication::applicationDirPath().toStdString();
  tarvel::Options options;
  tarvel::LoadOptions(programDirectory, options);
  tarvel::MainWindow window(options, std::make_unique<tarvel::DrawnPictures>());
  window.show();
  window.StartSeries();
  const int code = app.exec();
  const tarvel::OptionsSaveResult saved = tarvel::SaveOptions(programDirectory, options);
  if (!saved.Saved) QMessageBox::critical(nullptr, QStringLiteral("Tarvel"), QString::fromStdString(saved.Message));
  return code;
}
