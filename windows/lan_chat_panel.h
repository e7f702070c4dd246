#pragma once
// The chat beside the table in a network game: the last four lines, each in the colour of its sender's
// seat, an entry of at most 15 characters and its button. Enter or the button sends the entry's text.
// While the button has the keyboard focus the digits typed are collected; the fixed five-digit number
// turns the other hands face up (again: face down); moving the focus away drops the digits.
#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "table/picture_source.h"

class QLineEdit;

namespace tarvel {

class TKexCardsButton;

class LanChatPanel : public QWidget {
 public:
  static constexpr int kRows = 4;
  static constexpr const char* kHandsSwitch = "73195";

  // `pictures` gives the frame ("RamkaERSm" for the smallest window, "RamkaERBg" otherwise).
  LanChatPanel(PictureSource& pictures, QWidget* parent = nullptr);

  std::function<void(const QString& text)> send;  // the session's SendChat
  std::function<void()> toggleHands;              // the hidden switch
  QString sendCaption;                            // the button's text (set before showing)

  // The window's uniform factor and whether it is the smallest window size.
  void SetScale(double s, bool smallest);
  // Adds a line of `seat` (1-4): shortened to the row's width, into the first empty row or, with all
  // four full, at the bottom after the others moved up.
  void ShowChatLine(int seat, const QString& text);
  // The first deal of a game empties the rows and the entry.
  void Clear();
  void SetChatEnabled(bool enabled);

  QString RowText(int row) const { return rows_[row].text; }  // 0-based
  QColor RowColour(int row) const { return rows_[row].colour; }
  static QColor SeatColour(int seat);
  QLineEdit* Entry() const { return entry_; }
  TKexCardsButton* Button() const { return button_; }
  // What the entry and the button do.
  void Send();
  void DigitOnButton(QChar digit);
  void ButtonLostFocus() { digits_.clear(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    QString text;
    QColor colour;
  };
  QFont RowFont() const;
  int Sc(double v) const;

  PictureSource& pictures_;
  std::array<Row, kRows> rows_{};
  QLineEdit* entry_ = nullptr;
  TKexCardsButton* button_ = nullptr;
  QString digits_;
  double s_ = 1.0;
  bool smallest_ = false;
};

}  // namespace tarvel
