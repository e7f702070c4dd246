#pragma once
// Plays seat 4 through the window's own handlers: left clicks on legal cards of the hand and the main
// button, with the computer seats answering at each tick. For the window tests and the screenshot tool.
#include <QCoreApplication>
#include <QMouseEvent>

#include "app/main_window.h"
#include "engine/invariants.h"

namespace tarvel {

// A left click at a point of a widget, delivered as the window system would.
inline void ClickAt(QWidget* widget, QPoint at) {
  const QPointF local(at), global(widget->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QCoreApplication::sendEvent(widget, &release);
}

// One step of the table: a tick, a click on a card of seat 4, or a press of the main button.
// Returns a fault description, empty when the step was clean.
inline std::string AutoplayStep(MainWindow& w, DealRandom& random) {
  Game& g = w.GameOf();
  TableScreen& screen = w.Screen();
  GameState& st = g.st;
  if (st.DealOver) {
    if (!st.DealShown) Tick(g);
    return {};
  }
  if (st.StartPhase == 1) {
    screen.MainButton()->click();
    return {};
  }
  const int actor = Actor(st);
  if (actor >= 1 && actor <= 3) {
    Tick(g);
  } else if (actor == 4) {
    const UserMove m = UserMoveKind(st);
    std::vector<int> legal;
    for (int k = 1; k <= st.KolCards[4]; ++k) {
      const CardTest t = TestUserCard(st, st.CardsI[4][k], st.CardsJ[4][k], m.kind);
      if (m.kind == MoveKind::Lead || (!t.limitReached && !t.wrongCard)) legal.push_back(k);
    }
    const bool press = m.kind != MoveKind::Lead && (legal.empty() || random.Uniform(1, 100) <= 35);
    if (press) {
      if (!screen.MainButton()->isEnabled()) return "main button disabled when the user may answer without a card";
      screen.MainButton()->click();
    } else {
      const int slot = legal[random.Uniform(0, static_cast<int>(legal.size()) - 1)];
      // Aim at the visible part of the card: the middle of its uncovered strip.
      const QPoint at = screen.HandCardPosition(4, slot);
      const int next = slot < st.KolCards[4] ? screen.HandCardPosition(4, slot + 1).x() : at.x() + screen.Card().width;
      const QPoint click((at.x() + std::min(next, at.x() + screen.Card().width)) / 2, at.y() + screen.Card().height / 2);
      const int cardsBefore = st.KolCardsStol;
      ClickAt(&screen, click);
      if (st.KolCardsStol == cardsBefore && !st.DealOver && st.KolCards[4] > 0)
        return "a click on a legal card did not play it";
    }
  } else {
    if (!screen.MainButton()->isEnabled()) return "main button disabled at a closing phase";
    screen.MainButton()->click();
  }
  return CheckInvariants(st);
}

}  // namespace tarvel
