#pragma once
// The about window: the program's name and version, what it is, and the free software it is made with.
#include "windows/aux_window.h"

namespace tarvel {

class TFormAbout : public AuxWindow {
 public:
  explicit TFormAbout(WindowContext& context, QWidget* parent = nullptr);

  // The version of this build ("0.1").
  static QString VersionText();
  // The lines under the name, as shown.
  QStringList Lines() const;

 protected:
  void PaintContents(QPainter& p) override;

 private:
  QPixmap title_;
};

}  // namespace tarvel
