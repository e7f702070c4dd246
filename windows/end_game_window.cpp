#include "windows/end_game_window.h"
#include "table/qt_text.h"

#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QShowEvent>

namespace tarvel {

namespace {
constexpr int kLineX = 50;
constexpr int kMedalSize = 64;
constexpr int kPlaceSize = 32;
const QRect kPlate(18, 16, 584, 420);
const QRect kAnimation(396, 26, 200, 120);

}  // namespace

TFormEndGame::TFormEndGame(WindowContext& context, const EndGameWindow& data, QWidget* parent)
    : AuxWindow(context, parent), data_(data) {
  setWindowTitle(context.Tr(data_.CaptionRow));
  SetClientSize(kClientWidth, kClientHeight);
  const QString path = data_.Animation.empty() ? QString() : context.pictures.AnimationPath(Q(data_.Animation));
  if (!path.isEmpty()) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("animation"));
    movie_ = new QMovie(path, QByteArray(), label);
    movie_->setScaledSize(Sc(kAnimation).size());
    label->setMovie(movie_);
    Place(label, kAnimation);
    // Played once: it rests on the stop frame (or its last frame) instead of looping.
    connect(movie_, &QMovie::frameChanged, this, [this](int frame) {
      if (frame >= RestFrame()) movie_->setPaused(true);
    });
    if (context.options.GifAnimation) movie_->start();
    else {
      // GIF frames are read in order: step up to the resting frame.
      const int rest = RestFrame();
      while (movie_->currentFrameNumber() < rest && movie_->jumpToNextFrame()) {
      }
    }
  }
  TKexCardsButton* ok = AddButton(QStringLiteral("Ok"), QRect(260, 452, 100, 32), "ok");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

int TFormEndGame::RestFrame() const {
  const int last = movie_ && movie_->frameCount() > 0 ? movie_->frameCount() - 1 : 0;
  if (data_.AnimationStopFrame >= 0 && data_.AnimationStopFrame <= last) return data_.AnimationStopFrame;
  return last;
}

QString TFormEndGame::Compose(const TextLine& line) const {
  const WindowContext& ctx = Context();
  return ShownText(Q(ComposeLine(line, [&ctx](int row) { return std::string(ctx.texts.Text(row)); })));
}

QStringList TFormEndGame::Lines() const {
  QStringList lines;
  for (const TextLine& line : data_.Lines) lines << Compose(line);
  return lines;
}

void TFormEndGame::showEvent(QShowEvent* event) {
  AuxWindow::showEvent(event);
  if (!sounded_ && !data_.Sound.empty()) {
    sounded_ = true;
    Context().Play(data_.Sound, false);
  }
}

void TFormEndGame::PaintContents(QPainter& p) {
  // The plate the texts are written on.
  QLinearGradient g(kPlate.topLeft(), kPlate.bottomRight());
  g.setColorAt(0, QColor(255, 250, 232, 235));
  g.setColorAt(1, QColor(232, 218, 182, 235));
  p.setPen(QPen(QColor(150, 110, 50), 2));
  p.setBrush(g);
  p.drawRoundedRect(kPlate, 14, 14);
  p.setPen(QPen(QColor(190, 150, 80), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(kPlate.adjusted(6, 6, -6, -6), 10, 10);

  const QStringList lines = Lines();
  for (int i = 0; i < lines.size() && i < static_cast<int>(data_.LineY.size()); ++i) {
    p.setFont(DesignFont(i == 0 ? 24 : 18, true, true));
    p.setPen(i == 0 ? QColor(160, 0, 0) : QColor(0, 0, 128));
    const int y = data_.LineY[static_cast<std::size_t>(i)];
    p.drawText(QRect(kLineX, y, kPlate.right() - kLineX - 10, 34), Qt::AlignLeft | Qt::AlignTop, lines[i]);
  }
  if (!data_.Medal.empty()) {
    const QRect medal(kLineX, data_.MedalY, kMedalSize, kMedalSize);
    const QPixmap picture = Context().pictures.Named(Q(data_.Medal));
    if (!picture.isNull()) {
      p.drawPixmap(medal, picture);
    } else {
      QRadialGradient gold(medal.center(), kMedalSize / 2.0);
      gold.setColorAt(0, QColor(255, 236, 130));
      gold.setColorAt(1, QColor(200, 140, 20));
      p.setPen(QPen(QColor(120, 80, 0), 2));
      p.setBrush(gold);
      p.drawEllipse(medal.adjusted(4, 4, -4, -4));
    }
    const QRect place(medal.center().x() - kPlaceSize / 2, medal.center().y() - kPlaceSize / 2, kPlaceSize, kPlaceSize);
    const QPixmap number = Context().pictures.Named(Q(data_.PlacePicture));
    if (!number.isNull()) {
      p.drawPixmap(place, number);
    } else {
      const int n = Q(data_.PlacePicture).right(2).toInt();
      p.setFont(DesignFont(18, true));
      p.setPen(QColor(90, 40, 0));
      if (n > 0) p.drawText(place, Qt::AlignCenter, QString::number(n));
    }
  }
  if (data_.Reward) {
    const int y = data_.MedalY + kMedalSize + 20;
    const QString text = Compose(*data_.Reward);
    p.setFont(DesignFont(18, true, true));
    const int width = p.fontMetrics().horizontalAdvance(text);
    const QPixmap coin = Context().pictures.Named(QStringLiteral("GKexs128"));
    const QRect left(kLineX, y - 4, 40, 40);
    const QRect right(kLineX + 50 + width + 10, y - 4, 40, 40);
    for (const QRect& r : {left, right}) {
      if (!coin.isNull()) {
        p.drawPixmap(r, coin);
      } else {
        p.setPen(QPen(QColor(120, 80, 0), 2));
        p.setBrush(QColor(240, 190, 40));
        p.drawEllipse(r.adjusted(3, 3, -3, -3));
      }
    }
    p.setPen(QColor(0, 110, 0));
    p.drawText(QRect(kLineX + 50, y, width + 4, 34), Qt::AlignLeft | Qt::AlignTop, text);
  }
}

}  // namespace tarvel
