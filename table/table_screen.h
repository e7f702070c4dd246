#pragma once
// The game table: the main window's client area drawn from the game state, with the two buttons below
// the table, the message log, flying cards and the user's clicks.
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "engine/game.h"
#include "settings/options.h"
#include "settings/text_table.h"
#include "table/kex_cards_button.h"
#include "table/picture_source.h"
#include "table/table_layout.h"

class QLabel;
class QLineEdit;
class QMovie;

namespace tarvel {

class TableScreen : public QWidget {
 public:
  TableScreen(Game& game, Options& options, const TextTable& texts, PictureSource& pictures, QWidget* parent = nullptr);

  // Places everything for the current window size; called when the table is shown and on resize.
  void LayoutTable();
  WindowFactors Factors() const { return factors_; }
  CardGeometry Card() const { return card_; }

  // What the presenter tells the table.
  void SetSpeech(int seat, Speech s);
  void SetFaceUp(int seat, bool faceUp);
  void SetLowTrump(int seat, TStr2 card);
  void CardLaid(int seat, TStr2 card, MoveKind kind, int attackNumber);
  void TableChanged();
  void SetSeatMarker(int seat);
  void SetFirstBoutMarker(bool shown);
  void SetResult(const DealResultView* result);
  void ApplyControls(const TableControls& controls);
  void AddLogLine(const QString& line);
  void SetThinking(int seat, const QString& text);

  // Flights: they run inside the step and return when the card has landed.
  void FlyCard(QPoint from, QPoint to, TStr2 card);
  void FlyCards(const std::vector<std::pair<QPoint, TStr2>>& cards, QPoint to);
  QPoint HandCardPosition(int seat, int slot) const;
  QPoint HandCentre(int seat) const;
  QPoint StockPosition() const;
  QPoint TablePlace(bool cover, int attackNumber) const;
  // The cards on the table with their places, in the order they were laid; and emptying that list.
  std::vector<std::pair<QPoint, TStr2>> TableCards() const;
  void ClearTableCards();
  const Options& Opts() const { return options_; }

  // The touch burst at a point of the table: 30 frames of the "GTouch" strip, 12 ms each; nothing
  // when the graphics library has no strip.
  void TouchBurst(QPoint at);

  // The user's moves.
  void CardClick(int slot, Qt::MouseButton button);
  void MainButtonPressed();
  void ExitButtonPressed();
  // Which slot of seat 4's hand, which table slot, or which card of another hand lies under a point.
  int SlotAt(int seat, QPoint p) const;
  int TableSlotAt(QPoint p) const;

  // Where a card of seat 4 flies from: its place in the hand before it was played.
  std::optional<QPoint> FlyFrom() const { return flyFrom_; }

  bool ResultShown() const { return showResult_; }
  QPushButton* MainButton() { return main_; }
  QPushButton* ExitButton() { return exit_; }

  // Called for a card to be spoken (right button); the media layer fills it in.
  std::function<void(TStr2)> speakCard;
  // Called when the user leaves the table after a deal, with the series' numbers.
  std::function<void(const SeriesOutcome&)> seriesEnded;
  // The sound of a refused card.
  std::function<void()> wrongCard;
  // After the user's card or main button has been taken (a network game sends and answers then).
  std::function<void()> userActed;
  // A text written over a seat's hand while it holds no cards yet ("Expectation of the server...").
  void SetHandNote(int seat, const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct TableCard {
    TStr2 card;
    bool cover = false;
    int attackNumber = 1;
  };

  void PaintScene(QPainter& p, bool withCards);
  void PaintHand(QPainter& p, int seat);
  void PaintBubble(QPainter& p, int seat);
  void PaintStock(QPainter& p);
  void PaintTable(QPainter& p);
  void PaintPanels(QPainter& p);
  void PaintResult(QPainter& p);
  QRect RectOf(Component c) const;
  QFont Font(int base, bool bold) const;
  void StepFlight(const std::vector<QPoint>& from, const std::vector<QPoint>& to, const std::vector<TStr2>& cards);

  Game& game_;
  Options& options_;
  const TextTable& texts_;
  PictureSource& pictures_;
  WindowFactors factors_;
  CardGeometry card_;
  std::array<Speech, 5> speech_{};
  std::array<QString, 5> thinking_{};
  std::array<QString, 5> handNote_{};
  std::array<bool, 5> faceUp_{};
  int lowTrumpSeat_ = 0;
  TStr2 lowTrump_{};
  std::vector<TableCard> table_;
  int seatMarker_ = 0;
  bool firstBoutMarker_ = false;
  bool showResult_ = false;
  DealResultView result_;
  std::vector<QString> log_;
  TKexCardsButton* main_;
  TKexCardsButton* exit_;
  QLabel* resultPicture_;
  QMovie* resultMovie_ = nullptr;
  QLineEdit* logEntry_;
  QPushButton* logButton_;

  // A running flight: the scene without the flying cards, and the cards at their current places.
  QPixmap clean_;
  QPixmap burst_;  // the burst frame drawn over the clean copy while a burst runs
  QPoint burstAt_;
  std::vector<std::pair<QPoint, TStr2>> sprites_;
  int pauseCounter_ = 0;
  std::optional<QPoint> flyFrom_;
};

}  // namespace tarvel
