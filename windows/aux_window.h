#pragma once
// The common frame of the club, about and help windows: a modal dialog laid out in design pixels and
// scaled by the window size's uniform factor, painted in the auxiliary design the options choose
// (`AuxDesign` 1-3 or `AuxDesignSpecial`), with owner-drawn buttons coloured for that design. OK accepts,
// Escape and Cancel reject.
#include <QDialog>
#include <QMessageBox>
#include <functional>
#include <vector>

#include "table/kex_cards_button.h"
#include "windows/window_context.h"

class QLabel;
class QLineEdit;

namespace tarvel {

// The look of an auxiliary window, from the options.
struct AuxLook {
  QColor Top, Bottom;  // the background gradient
  QColor Text;         // texts drawn on the background
  QColor Accent;       // headings
  TColorSB Buttons = TColorSB::DRed;
  QColor ButtonText;
  bool Special = false;  // the special design: the graphics library's background picture
};
AuxLook AuxLookFor(const Options& options);

class AuxWindow : public QDialog {
 public:
  explicit AuxWindow(WindowContext& context, QWidget* parent = nullptr);

  WindowContext& Context() const { return ctx_; }
  // How the window shows a message box (icon, text); a modal QMessageBox unless replaced (tests replace
  // it to see the text).
  std::function<void(QMessageBox::Icon, const QString&)> showMessage;

  // The uniform factor of the window size option.
  double S() const { return s_; }

 protected:
  int Sc(double v) const;
  QRect Sc(const QRect& design) const;
  // The client size in design pixels.
  void SetClientSize(int width, int height);
  QSize DesignSize() const { return designSize_; }

  TKexCardsButton* AddButton(const QString& caption, const QRect& design, const char* objectName);
  QLabel* AddLabel(const QString& text, const QRect& design, int fontBase, bool bold,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
  // A heading in the big font and the accent colour.
  QLabel* AddHeading(const QString& text, const QRect& design, int fontBase, Qt::Alignment align = Qt::AlignCenter);
  // An entry for names and passwords: it takes only characters that the club file's code page holds.
  QLineEdit* AddEntry(const QRect& design, int maxLength, bool hidden, const char* objectName);
  // Places a child at a design rectangle.
  void Place(QWidget* child, const QRect& design) const;

  // Fonts: for widgets (scaled to the window) and for painting in design pixels (PaintContents).
  QFont WidgetFont(int base, bool bold, bool big = false) const;
  QFont DesignFont(int base, bool bold, bool big = false) const;
  const AuxLook& Look() const { return look_; }
  // The colour of a window's message line: red that reads on the design's background.
  QColor MessageColour() const;

  void ShowMessage(QMessageBox::Icon icon, const QString& text);

  // Draws over the background in design pixels (the painter is already scaled).
  virtual void PaintContents(QPainter&) {}
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void StyleButtons();
  void UpdateLook();
  QString FamilyFor(const std::string& chosen) const;

  WindowContext& ctx_;
  double s_ = 1.0;
  QSize designSize_{400, 300};
  AuxLook look_;
  QString bigFamily_, smallFamily_;
  std::vector<TKexCardsButton*> buttons_;
};

// Sets the text colour of a label or button for its enabled looks; disabled it is greyed.
void SetTextColour(QWidget* widget, QColor colour);

// The font itself when it has every letter of text, else the same size and weight in a font that has.
QFont CoveringFont(QFont font, const QString& text);

// Replaces an entry's text as typing would: characters the entry refuses are not taken.
void TypeInto(QLineEdit* entry, const QString& text);

// A text of the text table as shown in a window: the message line ends "\n\r" become one line break.
QString ShownText(const QString& text);

}  // namespace tarvel
