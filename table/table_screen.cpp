#include "table/table_screen.h"
#include "table/qt_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QThread>
#include <cmath>

namespace tarvel {

namespace {

QRect ToQ(const Rect& r) { return QRect(r.left, r.top, r.width, r.height); }

// Where the two buttons lie in the 760 x 500 design: beside the user's bubble, and under the second
// team table.
constexpr Rect kMainButton{470, 357, 125, 30};
constexpr Rect kExitButton{615, 474, 130, 24};

QColor BubbleColour(int code) {
  switch (code) {
    case 114: return QColor(205, 40, 40);
    case 103: return QColor(40, 150, 60);
    case 98: return QColor(40, 80, 205);
    case 111: return QColor(130, 60, 170);
    default: return QColor(225, 190, 30);
  }
}

}  // namespace

TableScreen::TableScreen(Game& game, Options& options, const TextTable& texts, PictureSource& pictures,
                         QWidget* parent)
    : QWidget(parent), game_(game), options_(options), texts_(texts), pictures_(pictures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  main_ = new TKexCardsButton(this);
  exit_ = new TKexCardsButton(this);
  resultPicture_ = new QLabel(this);
  resultPicture_->setScaledContents(true);
  resultPicture_->hide();
  logEntry_ = new QLineEdit(this);
  logButton_ = new QPushButton(QStringLiteral("\u2709"), this);
  main_->hide();
  exit_->hide();
  logEntry_->setMaxLength(15);
  connect(main_, &QPushButton::clicked, this, [this] { MainButtonPressed(); });
  connect(exit_, &QPushButton::clicked, this, [this] { ExitButtonPressed(); });
  connect(logButton_, &QPushButton::clicked, this, [this] {
    if (!logEntry_->text().isEmpty()) AddLogLine(logEntry_->text());
    logEntry_->clear();
  });
  for (int s = 1; s <= 4; ++s) speech_[s] = Speech::Name;
}

QRect TableScreen::RectOf(Component c) const { return ToQ(ComponentRect(c, factors_, card_.height)); }

void TableScreen::LayoutTable() {
  factors_ = FactorsFor(options_.WindowSize, width(), height());
  card_ = CardGeometryFor(options_.CardSet, factors_);
  pictures_.Prepare(card_.width, card_.height, width(), height());
  // Red with white text on the ordinary table, the cards colour on the special design.
  for (TKexCardsButton* b : {main_, exit_}) {
    b->SetColorSB(options_.TableDesign == 1 ? TColorSB::DCards : TColorSB::DRed);
    b->SetFramed(options_.NewButtons);
    b->SetFontColor(options_.TableDesign == 1 ? QColor(40, 30, 10) : QColor(Qt::white));
    b->SetGrayDis(true);  // a disabled button shows a grey caption
  }
  main_->setGeometry(ToQ(PlaceRect(kMainButton, factors_)));
  exit_->setGeometry(ToQ(PlaceRect(kExitButton, factors_)));
  for (TKexCardsButton* b : {main_, exit_})
    b->SetHeightSB(b->height() <= 37 ? THeightSB::D30 : b->height() <= 52 ? THeightSB::D45 : THeightSB::D60);
  const Rect memo = ComponentRect(Component::Memo, factors_, card_.height);
  logEntry_->setGeometry(ToQ(MemoEntryRect(memo, factors_)));
  logButton_->setGeometry(ToQ(MemoButtonRect(memo, factors_)));
  QFont f = Font(14, false);
  main_->setFont(Font(15, true));
  exit_->setFont(Font(13, true));
  logEntry_->setFont(f);
  update();
}

void TableScreen::resizeEvent(QResizeEvent*) { LayoutTable(); }

QFont TableScreen::Font(int base, bool bold) const {
  QFont f(Q(options_.FontSmall));
  f.setPixelSize(std::max(6, FontHeight(Scaled(base, factors_), options_.ScaleSmall)));
  f.setBold(bold);
  return f;
}

void TableScreen::SetSpeech(int seat, Speech s) {
  if (seat < 1 || seat > 4) return;
  speech_[seat] = s;
  thinking_[seat].clear();
  update(RectOf(BubbleOf(seat)));
}

void TableScreen::SetThinking(int seat, const QString& text) {
  if (seat < 1 || seat > 4) return;
  thinking_[seat] = text;
  repaint(RectOf(BubbleOf(seat)));  // the search holds the thread: paint at once
}

void TableScreen::SetFaceUp(int seat, bool faceUp) {
  if (seat < 1 || seat > 4) return;
  faceUp_[seat] = faceUp;
  if (game_.st.LowTrumpShown.IsEmpty()) lowTrumpSeat_ = 0;
  update();
}

void TableScreen::SetLowTrump(int seat, TStr2 card) {
  lowTrumpSeat_ = seat;
  lowTrump_ = card;
  update();
}

void TableScreen::CardLaid(int seat, TStr2 card, MoveKind kind, int attackNumber) {
  (void)seat;
  table_.push_back({card, kind == MoveKind::Cover, attackNumber});
  update();
}

void TableScreen::TableChanged() {
  if (game_.st.KolCardsStol == 0) table_.clear();
  update();
}

void TableScreen::SetSeatMarker(int seat) {
  seatMarker_ = seat;
  update();
}

void TableScreen::SetFirstBoutMarker(bool shown) {
  firstBoutMarker_ = shown;
  update();
}

void TableScreen::SetResult(const DealResultView* result) {
  showResult_ = result != nullptr;
  if (result) result_ = *result;
  // The result's animated picture, 240 x 110 under the table: running from frame 0 up to its stop frame
  // with animations on, standing at its still frame with them off.
  delete resultMovie_;
  resultMovie_ = nullptr;
  resultPicture_->hide();
  const QString path = result ? pictures_.AnimationPath(QString::fromLatin1(result->animation.data(),
                                                                             static_cast<qsizetype>(result->animation.size())))
                              : QString();
  if (!path.isEmpty()) {
    resultMovie_ = new QMovie(path, QByteArray(), this);
    const QRect table = RectOf(Component::Table);
    const QSize size(Scaled(240, factors_), Scaled(110, factors_));
    resultPicture_->setGeometry(table.center().x() - size.width() / 2, table.bottom() - Scaled(10, factors_), size.width(),
                                size.height());
    resultPicture_->setMovie(resultMovie_);
    const int stop = result->stopFrame;
    if (options_.GifAnimation) {
      connect(resultMovie_, &QMovie::frameChanged, resultMovie_, [movie = resultMovie_, stop](int frame) {
        if (stop >= 0 && frame >= stop) movie->setPaused(true);
      });
      resultMovie_->start();
    } else {
      resultMovie_->jumpToFrame(std::min(result->stillFrame, std::max(0, resultMovie_->frameCount() - 1)));
    }
    resultPicture_->show();
    resultPicture_->raise();
  }
  update();
}

void TableScreen::ApplyControls(const TableControls& c) {
  auto apply = [&](QPushButton* b, const Button& state) {
    b->setText(state.caption == Caption::Ok ? QStringLiteral("Ok") : Q(texts_.Text(static_cast<int>(state.caption))));
    b->setEnabled(state.enabled);
    b->setVisible(state.visible);
  };
  apply(main_, c.main);
  apply(exit_, c.exit);
}

void TableScreen::AddLogLine(const QString& line) {
  log_.push_back(line);
  if (log_.size() > 5) log_.erase(log_.begin());
  update(RectOf(Component::Memo));
}

// --- Geometry of cards ---------------------------------------------------------------------------

QPoint TableScreen::HandCardPosition(int seat, int slot) const {
  const QRect hand = RectOf(HandOf(seat));
  const std::vector<int> xs = SpreadCards(0, hand.width(), game_.st.KolCards[seat], card_.width);
  if (slot < 1 || slot > static_cast<int>(xs.size())) return HandCentre(seat);
  return {hand.left() + xs[slot - 1], hand.top()};
}

QPoint TableScreen::HandCentre(int seat) const {
  const QRect hand = RectOf(HandOf(seat));
  return {hand.left() + (hand.width() - card_.width) / 2, hand.top()};
}

QPoint TableScreen::StockPosition() const {
  const QRect stock = RectOf(Component::Stock);
  return {stock.left(), stock.top() + Scaled(40, factors_)};
}

QPoint TableScreen::TablePlace(bool cover, int attackNumber) const {
  const QRect t = RectOf(Component::Table);
  const Point p = cover ? CoverPlace(attackNumber, factors_) : AttackPlace(attackNumber, factors_);
  return {t.left() + p.x, t.top() + p.y};
}

std::vector<std::pair<QPoint, TStr2>> TableScreen::TableCards() const {
  std::vector<std::pair<QPoint, TStr2>> out;
  for (const TableCard& c : table_) out.push_back({TablePlace(c.cover, c.attackNumber), c.card});
  return out;
}

void TableScreen::ClearTableCards() {
  table_.clear();
  update();
}

int TableScreen::SlotAt(int seat, QPoint p) const {
  const QRect hand = RectOf(HandOf(seat));
  const std::vector<int> xs = SpreadCards(0, hand.width(), game_.st.KolCards[seat], card_.width);
  // Later cards lie over earlier ones: the topmost card under the point wins.
  for (int k = static_cast<int>(xs.size()); k >= 1; --k)
    if (QRect(hand.left() + xs[k - 1], hand.top(), card_.width, card_.height).contains(p)) return k;
  return 0;
}

int TableScreen::TableSlotAt(QPoint p) const {
  for (int i = static_cast<int>(table_.size()); i >= 1; --i) {
    const QPoint at = TablePlace(table_[i - 1].cover, table_[i - 1].attackNumber);
    if (QRect(at, QSize(card_.width, card_.height)).contains(p)) return i;
  }
  return 0;
}

// --- Painting ------------------------------------------------------------------------------------

void TableScreen::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.setClipRegion(event->region());
  if (!clean_.isNull()) {
    p.drawPixmap(0, 0, clean_);
    for (const auto& [at, card] : sprites_) p.drawPixmap(at, card.IsEmpty() ? pictures_.DeckBack() : pictures_.CardFace(card));
    if (!burst_.isNull()) p.drawPixmap(burstAt_, burst_);
    return;
  }
  PaintScene(p, true);
}

void TableScreen::PaintScene(QPainter& p, bool withCards) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.drawPixmap(rect(), pictures_.Background());
  PaintPanels(p);
  PaintStock(p);
  if (withCards) PaintTable(p);
  for (int s = 1; s <= 4; ++s) {
    PaintHand(p, s);
    PaintBubble(p, s);
  }
  PaintResult(p);
}

void TableScreen::PaintHand(QPainter& p, int seat) {
  const QRect hand = RectOf(HandOf(seat));
  const GameState& st = game_.st;
  const std::vector<int> xs = SpreadCards(0, hand.width(), st.KolCards[seat], card_.width);
  const bool up = seat == 4 || faceUp_[seat] || st.ShowAllHands || st.DealOver;
  for (int k = 1; k <= static_cast<int>(xs.size()); ++k) {
    QPixmap pic = up ? pictures_.CardFace(st.CardsI[seat][k]) : pictures_.DeckBack();
    // The lowest trump shown at the start of a deal lies face up as the hand's sixth card.
    if (!up && seat == lowTrumpSeat_ && !st.LowTrumpShown.IsEmpty() && k == static_cast<int>(xs.size()))
      pic = pictures_.CardFace(lowTrump_);
    p.drawPixmap(hand.left() + xs[k - 1], hand.top(), pic);
  }
  if (!handNote_[seat].isEmpty() && st.KolCards[seat] == 0) {
    p.setFont(Font(16, true));
    p.setPen(QColor(255, 255, 0));
    p.drawText(hand, Qt::AlignCenter | Qt::TextWordWrap, handNote_[seat]);
  }
  if (seat == seatMarker_ && !st.DealOver) {
    p.setPen(QPen(QColor(255, 215, 0), std::max(2, Scaled(3, factors_))));
    const int y = seat == 2 ? hand.top() + card_.height + Scaled(4, factors_) : hand.top() - Scaled(5, factors_);
    p.drawLine(hand.left() + Scaled(20, factors_), y, hand.right() - Scaled(20, factors_), y);
  }
}

void TableScreen::PaintBubble(QPainter& p, int seat) {
  const QRect r = RectOf(BubbleOf(seat));
  const Speech s = speech_[seat];
  QString text;
  if (s == Speech::Name) text = QString::fromStdString(game_.st.SeatName[seat]);
  else if (s == Speech::Blank) text = thinking_[seat];
  else text = Q(texts_.Text(static_cast<int>(s)));
  if (text.isEmpty() && s != Speech::Blank) return;
  const int code = BubbleColourCode(s);
  const QPixmap pic = pictures_.Named(QString::fromLatin1(BubblePicture(code).data()) + (options_.WindowSize == 1 ? "" : "B"));
  if (!pic.isNull()) {
    p.drawPixmap(r, pic);
  } else {
    QPainterPath path;
    path.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), r.height() / 2.0, r.height() / 2.0);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, BubbleColour(code).lighter(135));
    g.setColorAt(1, BubbleColour(code));
    p.fillPath(path, g);
    p.setPen(QPen(BubbleColour(code).darker(150), 1));
    p.drawPath(path);
  }
  if (text.isEmpty()) return;
  // 18, then 16, then 14 when the text is wider than the bubble's text room.
  QFont f = Font(18, true);
  for (int base : {18, 16, 14}) {
    f = Font(base, true);
    if (QFontMetrics(f).horizontalAdvance(text) <= Scaled(150, factors_)) break;
  }
  p.save();
  p.setClipRect(r);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(r, Qt::AlignCenter, text);
  p.restore();
}

void TableScreen::PaintStock(QPainter& p) {
  const GameState& st = game_.st;
  if (st.Koz == '#') return;
  const QRect stock = RectOf(Component::Stock);
  const int n = StockCount(st);
  const int shift = DeckShift(options_.CardSet, options_.WindowSize, factors_);
  p.save();
  p.translate(stock.topLeft());
  if (n > 0) {
    const QRect plate(Scaled(20, factors_), Scaled(1, factors_), Scaled(58, factors_), Scaled(25, factors_));
    const QPixmap platePic = pictures_.Named(options_.WindowSize == 1 ? "GKolodaSmall" : "GKolodaSmallB");
    if (!platePic.isNull()) p.drawPixmap(plate, platePic);
    else {
      p.setBrush(QColor(250, 245, 225));
      p.setPen(QPen(QColor(120, 90, 40), 1));
      p.drawRoundedRect(plate, 4, 4);
    }
    // The trump card lies face up under the pile, turned across.
    p.drawPixmap(Scaled(12, factors_) + shift, Scaled(70, factors_), pictures_.CardFace(st.KolodaI[36]));
    QTransform turn;
    turn.rotate(90);
    const QPixmap across = pictures_.DeckBack().transformed(turn, Qt::SmoothTransformation);
    for (int y : StockPileLayers(n, factors_)) p.drawPixmap(0, y, across);
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(std::max(8, Scaled(20, factors_)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 255));
    p.drawText(QRect(Scaled(20, factors_), plate.top(), Scaled(59, factors_), plate.height()), Qt::AlignCenter,
               QString::number(n));
  } else {
    const QRect empty(Scaled(20, factors_), Scaled(54, factors_), Scaled(60, factors_), Scaled(60, factors_));
    const QPixmap pic = pictures_.Named(options_.WindowSize == 1 ? "GKolodaLarge" : "GKolodaLargeB");
    if (!pic.isNull()) p.drawPixmap(empty, pic);
    else {
      p.setBrush(QColor(250, 245, 225, 200));
      p.setPen(QPen(QColor(120, 90, 40), 1));
      p.drawEllipse(empty);
    }
    static const char16_t kSymbol[5] = {0, u'\u2665', u'\u2666', u'\u2663', u'\u2660'};
    const int suit = SuitNumber(st.Koz);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(8, Scaled(40, factors_)));
    p.setFont(f);
    p.setPen(suit <= 2 ? QColor(200, 20, 30) : QColor(20, 20, 20));
    p.drawText(empty, Qt::AlignCenter, QString(QChar(kSymbol[suit])));
  }
  p.restore();
}

void TableScreen::PaintTable(QPainter& p) {
  for (const TableCard& c : table_) p.drawPixmap(TablePlace(c.cover, c.attackNumber), pictures_.CardFace(c.card));
}

void TableScreen::PaintPanels(QPainter& p) {
  const GameState& st = game_.st;
  if (!st.GameOn) return;
  auto panel = [&](Component c, const QString& text) {
    const QRect r = RectOf(c);
    p.setBrush(QColor(0, 0, 0, 70));
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.drawRoundedRect(r, Scaled(8, factors_), Scaled(8, factors_));
    p.setFont(Font(16, true));
    p.setPen(QColor(255, 250, 220));
    p.drawText(r, Qt::AlignCenter, text);
  };
  panel(Component::DealPanel, Q(texts_.Text(412)) + ": " + QString::number(st.KonAll - st.KonAtStart));
  panel(Component::Tab1, Q(texts_.Text(419)) + QString::number(st.TeamWins[0]));
  panel(Component::Tab2, Q(texts_.Text(419)) + QString::number(st.TeamWins[1]));
  if (firstBoutMarker_) {
    const QRect help = RectOf(Component::Help);
    p.setBrush(QColor(255, 215, 0, 200));
    p.setPen(Qt::NoPen);
    p.drawEllipse(help.center(), help.width() / 3, help.width() / 3);
    p.setPen(QColor(60, 40, 0));
    p.setFont(Font(18, true));
    p.drawText(help, Qt::AlignCenter, QStringLiteral("5"));
  }
  const QRect memo = RectOf(Component::Memo);
  p.setBrush(QColor(0, 0, 0, 60));
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.drawRoundedRect(memo, Scaled(6, factors_), Scaled(6, factors_));
  p.setFont(Font(13, false));
  p.setPen(QColor(240, 240, 240));
  for (std::size_t i = 0; i < log_.size(); ++i)
    p.drawText(memo.adjusted(Scaled(6, factors_), Scaled(4, factors_) + static_cast<int>(i) * Scaled(16, factors_), 0, 0),
               Qt::AlignLeft | Qt::AlignTop, log_[i]);
}

void TableScreen::PaintResult(QPainter& p) {
  if (!showResult_) return;
  const QRect table = RectOf(Component::Table);
  const QString text = Q(texts_.Text(result_.textRow));
  QFont f = Font(26, true);
  p.setFont(f);
  const QRect line(table.left() - Scaled(60, factors_), table.bottom() - Scaled(40, factors_),
                   table.width() + Scaled(120, factors_), Scaled(36, factors_));
  p.setPen(QColor(0, 0, 0, 160));
  p.drawText(line.translated(2, 2), Qt::AlignCenter, text);
  p.setPen(QColor(result_.red, result_.green, result_.blue));
  p.drawText(line, Qt::AlignCenter, text);
}

// --- Flights -------------------------------------------------------------------------------------

void TableScreen::FlyCard(QPoint from, QPoint to, TStr2 card) { StepFlight({from}, {to}, {card}); }

void TableScreen::FlyCards(const std::vector<std::pair<QPoint, TStr2>>& cards, QPoint to) {
  std::vector<QPoint> from, target;
  std::vector<TStr2> codes;
  for (const auto& [at, card] : cards) {
    if (card.IsEmpty()) continue;
    from.push_back(at);
    target.push_back(to);
    codes.push_back(card);
  }
  StepFlight(from, target, codes);
}

void TableScreen::StepFlight(const std::vector<QPoint>& from, const std::vector<QPoint>& to,
                             const std::vector<TStr2>& cards) {
  if (!options_.FlyCards || from.empty() || !isVisible()) return;
  clean_ = QPixmap(size());
  {
    QPainter p(&clean_);
    PaintScene(p, true);
  }
  sprites_.clear();
  for (std::size_t i = 0; i < from.size(); ++i) sprites_.push_back({from[i], cards[i]});
  // One pixel per step along each card's longer axis, all cards stepping together.
  int steps = 0;
  for (std::size_t i = 0; i < from.size(); ++i)
    steps = std::max({steps, std::abs(to[i].x() - from[i].x()), std::abs(to[i].y() - from[i].y())});
  const QSize cardSize(card_.width, card_.height);
  for (int step = 1; step <= steps; ++step) {
    QRegion dirty;
    for (std::size_t i = 0; i < from.size(); ++i) {
      const QPoint a = from[i], b = to[i];
      const int dx = b.x() - a.x(), dy = b.y() - a.y();
      const int length = std::max(std::abs(dx), std::abs(dy));
      const int k = std::min(step, length);
      QPoint next;
      if (std::abs(dx) >= std::abs(dy)) {
        const int cx = a.x() + (dx > 0 ? k : -k);
        next = {cx, RoundHalfEven(dx ? double(dy) * (cx - a.x()) / dx + a.y() : a.y())};
      } else {
        const int cy = a.y() + (dy > 0 ? k : -k);
        next = {RoundHalfEven(double(dx) * (cy - a.y()) / dy + a.x()), cy};
      }
      dirty += QRect(sprites_[i].first, cardSize).adjusted(-2, -2, 2, 2);
      sprites_[i].first = next;
      dirty += QRect(next, cardSize).adjusted(-2, -2, 2, 2);
    }
    repaint(dirty);
    switch (options_.Speed) {
      case 1: QThread::msleep(2); break;
      case 2: QThread::msleep(1); break;
      case 3: if (++pauseCounter_ % 2 == 0) QThread::msleep(1); break;
      case 4: if (++pauseCounter_ % 3 == 0) QThread::msleep(1); break;
      default: break;
    }
  }
  clean_ = QPixmap();
  sprites_.clear();
  repaint();
}

void TableScreen::TouchBurst(QPoint at) {
  const QPixmap strip = pictures_.Named(QStringLiteral("GTouch"));
  if (strip.isNull() || !isVisible()) return;
  clean_ = QPixmap(size());
  {
    QPainter p(&clean_);
    PaintScene(p, true);
  }
  burstAt_ = at - QPoint(50, 50);
  const QRect area(burstAt_, QSize(100, 100));
  const int frames = std::min(30, strip.width() / 100);
  for (int i = 1; i <= frames; ++i) {
    burst_ = strip.copy((i - 1) * 100, 0, 100, 100);
    repaint(area);
    QThread::msleep(12);
  }
  burst_ = QPixmap();
  clean_ = QPixmap();
  repaint(area);
}

// --- The user's moves ----------------------------------------------------------------------------

void TableScreen::mouseReleaseEvent(QMouseEvent* event) {
  const GameState& st = game_.st;
  if (!st.GameOn) return;
  const QPoint p = event->position().toPoint();
  const Qt::MouseButton button = event->button();
  if (const int slot = SlotAt(4, p)) {
    CardClick(slot, button);
    return;
  }
  if (button != Qt::RightButton || !speakCard) return;
  if (const int t = TableSlotAt(p)) {
    speakCard(table_[t - 1].card);
    return;
  }
  const QRect trump(RectOf(Component::Stock).topLeft() + QPoint(Scaled(12, factors_), Scaled(70, factors_)),
                    QSize(card_.width, card_.height));
  if (StockCount(st) > 0 && trump.contains(p)) {
    speakCard(st.KolodaI[36]);
    return;
  }
  for (int seat = 1; seat <= 3; ++seat) {
    const int slot = SlotAt(seat, p);
    if (!slot) continue;
    if (st.DealOver) speakCard(st.CardsI[seat][slot]);
    else if (seat == lowTrumpSeat_ && !st.LowTrumpShown.IsEmpty() && slot == st.KolCards[seat]) speakCard(st.LowTrumpShown);
    return;
  }
}

void TableScreen::CardClick(int slot, Qt::MouseButton button) {
  GameState& st = game_.st;
  if (!st.GameOn || slot < 1 || slot > st.KolCards[4]) return;
  if (button == Qt::RightButton) {
    if (speakCard) speakCard(st.CardsI[4][slot]);
    return;
  }
  if (button != Qt::LeftButton) return;
  const UserMove m = UserMoveKind(st);
  if (!m.allowed) return;
  if (m.kind != MoveKind::Lead) {
    const CardTest t = TestUserCard(st, st.CardsI[4][slot], st.CardsJ[4][slot], m.kind);
    if (t.wrongCard) {
      if (wrongCard) wrongCard();
      return;
    }
    if (t.limitReached) return;
  }
  flyFrom_ = HandCardPosition(4, slot);
  if (options_.SaluteCards) TouchBurst(mapFromGlobal(QCursor::pos()));
  PlayStep(game_, st.Hod, true, slot, false);
  flyFrom_.reset();
  update();
  if (userActed) userActed();
}

void TableScreen::SetHandNote(int seat, const QString& text) {
  if (seat < 1 || seat > 4) return;
  handNote_[seat] = text;
  update();
}

void TableScreen::MainButtonPressed() {
  if (options_.SaluteButtons) TouchBurst(main_->geometry().center());
  tarvel::MainButton(game_);
  update();
  if (userActed) userActed();
}

void TableScreen::ExitButtonPressed() {
  if (!game_.st.DealShown) return;
  const SeriesOutcome outcome = LeaveAfterDeal(game_);
  showResult_ = false;
  table_.clear();
  update();
  if (seriesEnded) seriesEnded(outcome);
}

}  // namespace tarvel
