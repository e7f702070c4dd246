#include "table/menu_screen.h"
#include "table/qt_text.h"

#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>

#include "table/window_scale.h"

namespace tarvel {

namespace {

QRect ToQ(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

// The button rows' text-table rows.
constexpr int kCaptionRows[] = {0, 0, 0, 0, 0, 0, 0, 3, 5, 2, 6, 4};

// Measures in the units of the 760 x 500 design: the list's width limits are given there, and the font
// grows with the window.
class FontMeter : public TextMeter {
 public:
  FontMeter(const QFont& font, double scale) : metrics_(font), scale_(scale) {}
  int Width(std::string_view text) const override {
    return static_cast<int>(metrics_.horizontalAdvance(Q(text)) / scale_);
  }

 private:
  QFontMetrics metrics_;
  double scale_;
};

QImage Recoloured(QImage image, int k) {
  if (k == 1 || image.isNull()) return image;
  image = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = RecolourCaptionPixel({qRed(line[x]), qGreen(line[x]), qBlue(line[x])}, k);
      line[x] = qRgba(c.r, c.g, c.b, qAlpha(line[x]));
    }
  }
  return image;
}

}  // namespace

MenuScreen::MenuScreen(Options& options, const TextTable& texts, PictureSource& pictures, QWidget* parent)
    : QWidget(parent), options_(options), texts_(texts), pictures_(pictures) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);  // the link icons show the hand and their hints
  for (int i = 1; i <= 11; ++i) {
    auto* b = new TKexCardsButton(this);
    b->setObjectName(QString("menuButton%1").arg(i));
    const auto which = static_cast<MenuButton>(i);
    connect(b, &QPushButton::clicked, this, [this, which] {
      if (buttonClicked) buttonClicked(which);
    });
    buttons_[i] = b;
  }
  panel4_ = new TKexCardsButton(this);
  panel4_->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (int i = 1; i <= 3; ++i) {
    panels_[i] = new TKexCardsButton(this);
    panels_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    panels_[i]->hide();
  }
  for (int i = 0; i < 2; ++i) {
    animations_[i] = new QLabel(this);
    animations_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    animations_[i]->hide();
  }
  hide();
}

QPixmap MenuScreen::Picture(const QString& name) { return pictures_.Named(name); }

QFont MenuScreen::ListFont() const {
  // The member lines are columns padded with spaces: a fixed-pitch font keeps them aligned.
  QFont f(Q(options_.FontSpecial2));
  f.setStyleHint(QFont::TypeWriter);
  f.setFixedPitch(true);
  f.setPixelSize(std::max(8, FontHeight(Scaled(14, factors_), options_.ScaleSpecial2)));
  f.setBold(true);
  return f;
}

void MenuScreen::ColourButtons() {
  const bool cards = options_.MenuDesign == 1;
  const QColor cardsText(255, 235, 170);  // light on the special design's dark buttons
  for (int i = 1; i <= 11; ++i) {
    TKexCardsButton* b = buttons_[i];
    const bool member = i <= 6;
    if (cards) {
      b->SetColorSB(TColorSB::DCards);
      b->SetFontColor(cardsText);
    } else if (member) {
      if (i != 5) b->SetColorSB(TColorSB::DNavy);
      b->SetFontColor(QColor(0, 255, 255));
    } else {
      b->SetColorSB(TColorSB::DRed);
      b->SetFontColor(Qt::white);
    }
    b->SetColorMouse(QColor(255, 255, 0));
    b->SetFramed(options_.NewButtons);
    b->SetGrayDis(true);
  }
  panel4_->SetColorSB(cards ? TColorSB::DCards : TColorSB::DBlue);
  panel4_->SetKLightSB(cards ? 50 : 0);
  if (cards) panel4_->SetFontColor(QColor(128, 50, 50));
  else panel4_->SetFontColor(options_.NewButtons ? QColor(0, 0, 255) : QColor(200, 255, 255));
  panel4_->SetFramed(options_.NewButtons);
  const bool medals = options_.NewButtons && factors_.s >= 1.6;
  for (int i = 1; i <= 3; ++i) {
    panels_[i]->SetColorSB(cards ? TColorSB::DCards : TColorSB::DNavy);
    panels_[i]->SetFontColor(options_.NewButtons ? QColor(Qt::white) : QColor(255, 200, 255));
    panels_[i]->SetFramed(options_.NewButtons);
    panels_[i]->SetGlyph(medals ? Picture(QString("GMEDAL%1").arg(i, 2, 10, QChar('0'))).toImage() : QImage());
  }
}

void MenuScreen::LabelButtons() {
  for (int i = 6; i <= 11; ++i) buttons_[i]->setText(Q(texts_.Text(kCaptionRows[i])));
  panel4_->setText(Q(texts_.Text(6 + options_.ClubListMode)));
  const QFont list = ListFont();
  for (int i = 1; i <= 5; ++i) buttons_[i]->setFont(list);
  panel4_->setFont(list);
  for (int i = 1; i <= 3; ++i) panels_[i]->setFont(list);
  QFont command(Q(options_.FontSmall));
  command.setPixelSize(std::max(8, FontHeight(Scaled(14, factors_), options_.ScaleSmall)));
  command.setBold(true);
  for (int i = 6; i <= 11; ++i) buttons_[i]->setFont(command);
  // A caption longer than its button in some language takes a smaller font rather than being cut.
  const auto fit = [](TKexCardsButton* b) {
    QFont f = b->font();
    while (f.pixelSize() > 7 && QFontMetrics(f).horizontalAdvance(b->text()) > b->width() - 10)
      f.setPixelSize(f.pixelSize() - 1);
    b->setFont(f);
  };
  for (int i = 6; i <= 11; ++i) fit(buttons_[i]);
  if (clubList) {
    const ClubList list = clubList(FontMeter(ListFont(), factors_.s));
    for (int i = 1; i <= 5; ++i) buttons_[i]->setText(Q(list.Buttons[static_cast<std::size_t>(i)]));
    for (int i = 1; i <= 3; ++i) panels_[i]->setText(Q(list.Panels[static_cast<std::size_t>(i)]));
    panel4_->setText(Q(texts_.Text(list.HeaderRow)));
    fit(panel4_);
    if (options_.MenuDesign == 0) buttons_[5]->SetColorSB(list.Button5Account ? TColorSB::DRed : TColorSB::DNavy);
  }
}

void MenuScreen::resizeEvent(QResizeEvent*) {
  if (menuShown_) ShowMenu();
}

void MenuScreen::ShowMenu() {
  factors_ = FactorsFor(options_.WindowSize, width(), height());
  // The calendar library is not part of this program yet: the leaves stay hidden and the scrolls close in.
  const bool calendar = false;
  layout_ = MenuLayoutFor(factors_, width(), height(), calendar);
  pictures_.UseDesign(options_.MenuDesign);
  pictures_.Prepare(71, 96, width(), height());

  ColourButtons();
  const auto place = [](TKexCardsButton* b, const Rect& r) {
    b->setGeometry(ToQ(r));
    b->SetHeightSB(r.height <= 37 ? THeightSB::D30 : r.height <= 52 ? THeightSB::D45 : THeightSB::D60);
  };
  for (int i = 1; i <= 5; ++i) place(buttons_[i], layout_.members[static_cast<std::size_t>(i)]);
  place(buttons_[6], layout_.newPlayer);
  place(buttons_[7], layout_.topTen);
  place(buttons_[8], layout_.history);
  place(buttons_[9], layout_.options);
  place(buttons_[10], layout_.mode);
  place(buttons_[11], layout_.exit);
  place(panel4_, layout_.panel4);
  for (int i = 1; i <= 3; ++i) {
    place(panels_[i], layout_.topPanels[static_cast<std::size_t>(i)]);
    panels_[i]->hide();
  }
  for (int i = 1; i <= 11; ++i) buttons_[i]->show();
  panel4_->show();
  LabelButtons();

  clockShown_ = ClockShown(options_.WindowSize, width(), height()) && factors_.s >= 1.6;
  BuildScene();
  if (clockShown_) DrawStatsPanel(StatsModeFor(now().time().minute(), accountState));

  if (!menuShown_) {
    news_ = newsCheck && newsCheck();
    chat_ = chatCheck && chatCheck();
    BuildScene();
  }
  StartAnimations();
  menuShown_ = true;
  show();
  update();
}

void MenuScreen::StartAnimations() {
  const QRect places[] = {ToQ(layout_.animation1), ToQ(layout_.animation2)};
  const QString names[] = {QStringLiteral("GifMenu1"), QStringLiteral("GifMenu2")};
  for (int i = 0; i < 2; ++i) {
    animations_[i]->setGeometry(places[i]);
    const QString path = pictures_.AnimationPath(names[i]);
    if (path.isEmpty()) {
      animations_[i]->hide();
      continue;
    }
    if (!movies_[i] || movies_[i]->fileName() != path) {
      delete movies_[i];
      movies_[i] = new QMovie(path, {}, this);
      movies_[i]->setScaledSize(places[i].size());
      movies_[i]->setCacheMode(QMovie::CacheAll);
      animations_[i]->setMovie(movies_[i]);
    }
    if (options_.GifAnimation) {
      movies_[i]->stop();
      movies_[i]->start();
    } else {
      movies_[i]->jumpToFrame(frozenFrame_[i]);
      movies_[i]->setPaused(true);
    }
    animations_[i]->show();
  }
}

void MenuScreen::HideMenu() {
  for (int i = 0; i < 2; ++i) {
    if (movies_[i]) {
      frozenFrame_[i] = std::max(0, movies_[i]->currentFrameNumber());
      movies_[i]->setPaused(true);
    }
    animations_[i]->hide();
  }
  menuShown_ = false;
  hide();
}

void MenuScreen::BuildScene() {
  scene_ = QPixmap(size());
  scene_.fill(QColor(0, 80, 30));
  QPainter p(&scene_);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QPixmap background = pictures_.Background();
  if (!background.isNull()) p.drawPixmap(rect(), background);
  const auto draw = [&](const QString& name, const Rect& r) {
    const QPixmap pic = Picture(name);
    if (!pic.isNull()) p.drawPixmap(ToQ(r), pic);
  };
  draw(QStringLiteral("GTitle"), layout_.title);
  const QPixmap caption = Picture(Q(texts_.PictureName("Cap")));
  if (!caption.isNull()) p.drawImage(ToQ(layout_.caption), Recoloured(caption.toImage(), options_.CaptionColour));
  const QPixmap plate = Picture(Q(texts_.PictureName(options_.LanMode ? "Net__" : "Elite")));
  if (!plate.isNull()) p.drawImage(ToQ(layout_.modePlate), Recoloured(plate.toImage(), options_.CaptionColour));
  draw(QStringLiteral("GScrollL"), layout_.scrollLeft);
  draw(QStringLiteral("GScrollR"), layout_.scrollRight);

  // The link icons, 48 x 48, down both edges.
  links_.clear();
  const int right = width() - 53;
  struct Icon {
    const char* name;
    QPoint at;
    const char* hint;
  };
  const Icon icons[] = {{"AdvGiftR", {5, 5}, ""},         {"Android", {5, 58}, ""},
                        {"AdvGiftG", {right, 5}, ""},      {"Earth48", {right, 58}, "World Top 10"},
                        {"Stats", {right, 111}, ""},       {"Account48", {right, 164}, ""}};
  for (const Icon& icon : icons) {
    const QPixmap pic = Picture(QString::fromLatin1(icon.name));
    if (pic.isNull()) continue;
    const QRect r(icon.at, QSize(48, 48));
    p.drawPixmap(r, pic);
    links_.push_back({QString::fromLatin1(icon.name), r, QString::fromLatin1(icon.hint)});
  }

  // The news shelf on large windows; on smaller ones only a siren with something to tell.
  if (factors_.s >= 1.6) {
    const QRect shelf = ToQ(layout_.newsShelf);
    const QPixmap polka = Picture(QStringLiteral("GPolkaNw"));
    if (!polka.isNull()) p.drawPixmap(shelf.topLeft() + QPoint(0, 71), polka);
    const QPixmap news = Picture(QStringLiteral("GNews072"));
    if (!news.isNull()) p.drawPixmap(shelf.topLeft() + QPoint(30, 20), news);
    const QPixmap chat = Picture(QStringLiteral("GChat072"));
    if (!chat.isNull()) p.drawPixmap(shelf.topLeft() + QPoint(107, 22), chat);
  }
  if (clockShown_) {
    const QPixmap bg = Picture(QStringLiteral("GClockBG"));
    if (!bg.isNull()) {
      p.drawPixmap(ToQ(layout_.clock).topLeft(), bg);
      p.drawPixmap(ToQ(layout_.stats).topLeft(), bg);
    }
  }
}

void MenuScreen::DrawStatsPanel(int mode) {
  statsMode_ = mode;
  static constexpr int kHintRows[] = {0, 1031, 1032, 1033, 1034, 1035, 0, 209};
  statsHint_ = mode == 6 ? QString() : Q(texts_.Text(kHintRows[mode]));
  statsText_ = QStringLiteral("00");
  statsSuffix_.clear();
  const std::optional<StatsReading> reading = statsValue ? statsValue(mode) : std::nullopt;
  if (!reading) {
    statsHint_ += QString::fromLatin1(NoConnectSuffix(mode).c_str());
  } else {
    statsHint_ += Q(reading->hintExtra);
    if (mode == 2) {
      const ShortCount c = ShortenCount(QString::fromStdString(reading->value).toLongLong());
      statsText_ = QString::fromStdString(c.digits);
      statsSuffix_ = QString::fromStdString(c.suffix);
    } else if (!reading->value.empty()) {
      statsText_ = QString::fromStdString(reading->value);
    }
  }
  update(ToQ(layout_.stats));
}

void MenuScreen::MenuTick() {
  if (!menuShown_) return;
  lightPhase_ = (lightPhase_ + 1) % 6;
  for (const Rect& scroll : {layout_.scrollLeft, layout_.scrollRight}) update(ToQ(scroll).adjusted(0, 0, 0, -150));
  if (clockShown_) {
    update(ToQ(layout_.clock));
    const QDateTime t = now();
    if (t.time().second() == 1) {
      if (!statsSwitched_) {
        statsSwitched_ = true;
        DrawStatsPanel(StatsModeFor(t.time().minute(), accountState));
      }
    } else {
      statsSwitched_ = false;
    }
  }
}

void MenuScreen::PaintLights(QPainter& p) {
  for (int place = 0; place < 6; ++place) {
    const Rect& scroll = place < 3 ? layout_.scrollLeft : layout_.scrollRight;
    const Point at = LightPlace(place);
    const QPixmap light = Picture(QString("GLight%1").arg(LightPicture(lightPhase_, place)));
    if (!light.isNull()) p.drawPixmap(QRect(scroll.left + at.x, scroll.top + at.y, 20, 30), light);
  }
}

void MenuScreen::PaintClock(QPainter& p) {
  const QDateTime t = now();
  const QPoint o = ToQ(layout_.clock).topLeft();
  const std::array<int, 4> digits = ClockDigits(t.time().hour(), t.time().minute());
  for (int i = 0; i < 4; ++i) {
    if (digits[static_cast<std::size_t>(i)] < 0) continue;
    const QPixmap d = Picture(QString("GBClock%1").arg(digits[static_cast<std::size_t>(i)]));
    if (!d.isNull()) p.drawPixmap(o + QPoint(kClockDigitX[static_cast<std::size_t>(i)], 15), d);
  }
  if (t.time().msec() > 500) {
    const QPixmap colon = Picture(QStringLiteral("GBClockP"));
    if (!colon.isNull()) p.drawPixmap(o + QPoint(55, 24), colon);
  }
}

void MenuScreen::PaintStats(QPainter& p) {
  const QPoint o = ToQ(layout_.stats).topLeft();
  static constexpr const char* kIcons[] = {"", "Windows", "Windows", "Windows", "Android", "Account48", "GKexs128", "Account48"};
  const QPixmap icon = Picture(QString::fromLatin1(kIcons[statsMode_]));
  if (!icon.isNull()) p.drawPixmap(QRect(o + QPoint(10, 10), QSize(16, 16)), icon);
  const QString set = QString::fromStdString(StatsDigitSet(statsMode_));
  const DigitPlaces places = StatsDigitPlaces(static_cast<int>(statsText_.size()));
  for (int i = 0; i < places.count; ++i) {
    const QChar c = statsText_[i];
    const QPixmap d = Picture(set + (c == '-' ? QChar('M') : c));
    if (!d.isNull()) p.drawPixmap(QRect(o + QPoint(places.x[static_cast<std::size_t>(i)], 15), QSize(places.width, 40)), d);
  }
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setBold(true);
  if (statsMode_ == 1 || statsMode_ == 2) {
    f.setPointSize(8);
    p.setFont(f);
    p.setPen(statsMode_ == 1 ? Qt::red : Qt::yellow);
    p.drawText(o + QPoint(90, 20), statsMode_ == 1 ? QStringLiteral("IQ") : QStringLiteral("D"));
  }
  if (!statsSuffix_.isEmpty()) {
    f.setPointSize(12);
    p.setFont(f);
    p.setPen(Qt::yellow);
    p.drawText(o + QPoint(90, 40), statsSuffix_);
  }
}

void MenuScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (scene_.size() != size()) BuildScene();
  p.drawPixmap(0, 0, scene_);
  PaintLights(p);
  if (clockShown_) {
    PaintClock(p);
    PaintStats(p);
  }
}

void MenuScreen::CaptionPlateClicked() {
  options_.CaptionColour = NextCaptionColour(options_.CaptionColour);
  BuildScene();
  update();
}

void MenuScreen::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  for (const Link& link : links_) {
    if (!link.rect.contains(at)) continue;
    setCursor(Qt::PointingHandCursor);
    setToolTip(link.hint);
    return;
  }
  const bool overClock = clockShown_ && ToQ(layout_.stats).contains(at);
  unsetCursor();
  setToolTip(overClock ? statsHint_ : QString());
}

void MenuScreen::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  if (ToQ(layout_.caption).contains(at)) return CaptionPlateClicked();
  for (const Link& link : links_)
    if (link.rect.contains(at) && linkClicked) return linkClicked(link.picture);
  QWidget::mouseReleaseEvent(event);
}

}  // namespace tarvel
