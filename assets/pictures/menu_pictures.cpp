#include "assets/pictures/menu_pictures.h"

#include <QPainterPath>
#include <cmath>

#include "assets/pictures/backgrounds.h"
#include "assets/pictures/drawing.h"
#include "assets/pictures/gif_writer.h"
#include "settings/text_table.h"
#include "table/picture_names.h"

namespace tarvel::assets {
namespace {

const QString kGraphics = QString::fromLatin1(kGraphicsLibrary.data(), kGraphicsLibrary.size());
// The picture suffixes of languages 0-7 (Japanese and Korean use the English pictures).
const char* const kSuffixes[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// No font for Chinese is installed with the game: the Chinese plates carry the English text.
QString Shown(int language, int row) { return Utf8(Text(row, language == kChinese ? kEnglish : language)); }

QImage TextPlate(QSize size, QColor colour, const QString& text, double textShare = 0.55) {
  QImage image = NewImage(size.width(), size.height());
  QPainter p(&image);
  GlossyPlate(p, QRectF(0, 0, size.width(), size.height()), colour, size.height() * 0.3);
  OutlinedText(p, QRectF(0, 0, size.width(), size.height()), text, static_cast<int>(size.height() * textShare),
               QColor(255, 245, 220));
  return image;
}

// A seven-segment digit ("0"-"9", "M" for the minus sign) lit in `colour` over faint unlit segments.
QImage Digit(QChar ch, QColor colour, QSize size = QSize(18, 40)) {
  static const int kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  const int mask = ch == 'M' ? 0x40 : kSegments[ch.digitValue() < 0 ? 8 : ch.digitValue()];
  QImage image = NewImage(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width(), h = size.height(), t = w * 0.18;
  const QRectF segs[7] = {{t, 0, w - 2 * t, t},          {w - t, t, t, h / 2 - t},          {w - t, h / 2, t, h / 2 - t},
                          {t, h - t, w - 2 * t, t},      {0, h / 2, t, h / 2 - t},          {0, t, t, h / 2 - t},
                          {t, h / 2 - t / 2, w - 2 * t, t}};
  for (int s = 0; s < 7; ++s) {
    p.setPen(Qt::NoPen);
    p.setBrush((mask >> s) & 1 ? colour : QColor(colour.red(), colour.green(), colour.blue(), 28));
    p.drawRoundedRect(segs[s].adjusted(0.6, 0.6, -0.6, -0.6), t / 2, t / 2);
  }
  return image;
}

QImage Icon(const QString& kind, int s = 48) {
  QImage image = NewImage(s, s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double u = s / 48.0;
  p.scale(u, u);
  if (kind == "Windows") {
    const QColor c[4] = {QColor(240, 80, 30), QColor(120, 190, 30), QColor(0, 160, 240), QColor(255, 190, 0)};
    for (int i = 0; i < 4; ++i) p.fillRect(QRectF(4 + (i % 2) * 21, 4 + (i / 2) * 21, 19, 19), c[i]);
  } else if (kind == "Android") {
    p.setBrush(QColor(120, 194, 60));
    p.setPen(Qt::NoPen);
    p.drawChord(QRectF(10, 6, 28, 26), 0, 180 * 16);
    p.drawRoundedRect(QRectF(10, 21, 28, 20), 4, 4);
    p.drawRoundedRect(QRectF(3, 21, 5, 15), 2, 2);
    p.drawRoundedRect(QRectF(40, 21, 5, 15), 2, 2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(18, 14), 2, 2);
    p.drawEllipse(QPointF(30, 14), 2, 2);
  } else if (kind == "Account48") {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 110, 200));
    p.drawEllipse(QPointF(24, 15), 10, 10);
    p.drawChord(QRectF(6, 28, 36, 34), 0, 180 * 16);
  } else if (kind == "GKexs128") {
    QRadialGradient g(QPointF(20, 18), 30);
    g.setColorAt(0, QColor(255, 240, 140));
    g.setColorAt(1, QColor(200, 140, 20));
    p.setPen(QPen(QColor(140, 90, 0), 2));
    p.setBrush(g);
    p.drawEllipse(QRectF(4, 4, 40, 40));
    OutlinedText(p, QRectF(4, 4, 40, 40), QStringLiteral("K"), 24, QColor(255, 250, 210));
  } else if (kind.startsWith("AdvGift")) {
    const QColor box = kind.endsWith('R') ? QColor(210, 30, 40) : QColor(30, 150, 60);
    p.setPen(QPen(box.darker(160), 1));
    p.setBrush(box);
    p.drawRect(QRectF(8, 20, 32, 24));
    p.drawRect(QRectF(6, 14, 36, 8));
    p.fillRect(QRectF(21, 14, 6, 30), QColor(255, 215, 60));
    p.setBrush(QColor(255, 215, 60));
    p.drawEllipse(QRectF(13, 6, 11, 9));
    p.drawEllipse(QRectF(24, 6, 11, 9));
  } else if (kind == "Earth48") {
    QRadialGradient g(QPointF(18, 16), 28);
    g.setColorAt(0, QColor(110, 180, 255));
    g.setColorAt(1, QColor(20, 60, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(4, 4, 40, 40));
    p.setBrush(QColor(60, 170, 70));
    p.drawEllipse(QRectF(10, 12, 14, 10));
    p.drawEllipse(QRectF(24, 24, 12, 14));
    p.drawEllipse(QRectF(28, 10, 8, 6));
  } else if (kind == "Stats") {
    const int h[] = {14, 26, 20, 34};
    for (int i = 0; i < 4; ++i) p.fillRect(QRectF(6 + i * 10, 42 - h[i], 8, h[i]), QColor::fromHsv(200 + i * 30, 200, 230));
    p.fillRect(QRectF(4, 42, 40, 2), QColor(60, 60, 60));
  } else if (kind == "GooglePlay") {
    QPainterPath tri;
    tri.moveTo(10, 4);
    tri.lineTo(42, 24);
    tri.lineTo(10, 44);
    tri.closeSubpath();
    QLinearGradient g(QPointF(10, 4), QPointF(42, 44));
    g.setColorAt(0, QColor(0, 200, 120));
    g.setColorAt(0.5, QColor(255, 200, 0));
    g.setColorAt(1, QColor(230, 40, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(tri);
  } else if (kind == "GNews072") {
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(QColor(245, 245, 235));
    p.drawRect(QRectF(6, 8, 36, 32));
    p.fillRect(QRectF(10, 12, 28, 6), QColor(40, 40, 40));
    for (int i = 0; i < 4; ++i) p.fillRect(QRectF(10, 22 + i * 4, i % 2 ? 20 : 28, 2), QColor(120, 120, 120));
  } else if (kind == "GChat072") {
    p.setPen(QPen(QColor(20, 80, 160), 1.5));
    p.setBrush(QColor(120, 190, 255));
    p.drawRoundedRect(QRectF(4, 8, 34, 22), 8, 8);
    p.setBrush(QColor(255, 230, 120));
    p.drawRoundedRect(QRectF(14, 22, 30, 18), 7, 7);
  } else if (kind.startsWith("GTour")) {
    const QColor lamp = kind.endsWith("On") ? QColor(40, 210, 60) : QColor(220, 40, 40);
    p.fillRect(QRectF(10, 6, 28, 36), QColor(70, 70, 80));
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(14, 10 + i * 9, 20, 5), QColor(40, 40, 45));
    p.setPen(Qt::NoPen);
    p.setBrush(lamp);
    p.drawEllipse(QPointF(24, 38), 3, 3);
  } else if (kind == "GMedal") {
    p.fillRect(QRectF(16, 0, 6, 20), QColor(200, 30, 30));
    p.fillRect(QRectF(26, 0, 6, 20), QColor(30, 60, 200));
    QRadialGradient g(QPointF(20, 26), 20);
    g.setColorAt(0, QColor(255, 240, 150));
    g.setColorAt(1, QColor(200, 140, 20));
    p.setPen(QPen(QColor(140, 90, 0), 1.5));
    p.setBrush(g);
    p.drawEllipse(QRectF(8, 16, 32, 32));
  }
  return image;
}

QByteArray Siren(QColor colour) {
  QList<GifFrame> frames;
  for (int f = 0; f < 6; ++f) {
    QImage image = NewImage(30, 33);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(4, 27, 22, 5), QColor(60, 60, 60));
    QRadialGradient g(QPointF(15, 16), 14);
    const bool lit = f % 2 == 0;
    g.setColorAt(0, lit ? colour.lighter(180) : colour);
    g.setColorAt(1, lit ? colour : colour.darker(180));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawChord(QRectF(5, 6, 20, 40), 0, 180 * 16);
    if (lit) {
      p.setPen(QPen(colour.lighter(150), 1.5));
      p.drawLine(QPointF(2, 6), QPointF(6, 10));
      p.drawLine(QPointF(28, 6), QPointF(24, 10));
      p.drawLine(QPointF(15, 0), QPointF(15, 4));
    }
    frames.append({image, 150});
  }
  return EncodeGif(frames);
}

// The menu's two animations: suits circling (left) and a card turning over (right).
QByteArray MenuAnimation(bool second) {
  QList<GifFrame> frames;
  const char16_t suits[] = u"\u2665\u2666\u2663\u2660";
  for (int f = 0; f < 24; ++f) {
    QImage image = NewImage(160, 200);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double t = 2 * M_PI * f / 24;
    if (!second) {
      for (int i = 0; i < 4; ++i) {
        const double a = t + i * M_PI / 2;
        OutlinedText(p, QRectF(80 + 50 * std::cos(a) - 20, 100 + 70 * std::sin(a) - 20, 40, 40), QString(QChar(suits[i])),
                     34, i < 2 ? QColor(230, 30, 30) : QColor(30, 30, 30), QStringLiteral("DejaVu Sans"));
      }
    } else {
      const double w = 90 * std::abs(std::cos(t / 2));
      const bool face = std::cos(t / 2) > 0;
      p.setPen(QPen(Qt::black, 1.5));
      p.setBrush(face ? QColor(252, 252, 246) : QColor(30, 60, 150));
      p.drawRoundedRect(QRectF(80 - w / 2, 40, std::max(2.0, w), 126), 8, 8);
      if (face && w > 30) OutlinedText(p, QRectF(80 - w / 2, 40, w, 126), QStringLiteral("A\u2660"), 40, QColor(20, 20, 20),
                                       QStringLiteral("DejaVu Serif"));
    }
    frames.append({image, 90});
  }
  return EncodeGif(frames);
}

// The end-of-game window's animations: stars for the best place, a cup for a good one, rain for the others.
QByteArray EndAnimation(int kind) {
  QList<GifFrame> frames;
  for (int f = 0; f < 26; ++f) {
    QImage image = NewImage(200, 120);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double t = f / 25.0;
    if (kind == 0) {
      for (int s = 0; s < 10; ++s)
        DrawStar(p, QPointF(100 + (20 + 70 * t) * std::cos(s * 0.628), 60 + (10 + 45 * t) * std::sin(s * 0.628)), 4 + 6 * t,
                 QColor::fromHsv(s * 36, 200, 255));
      DrawStar(p, QPointF(100, 60), 22, QColor(255, 215, 40));
    } else if (kind == 1) {
      DrawStar(p, QPointF(100, 60 - 20 * t), 18 + 10 * t, QColor(255, 200, 40));
    } else {
      p.setPen(QPen(QColor(90, 140, 230), 2));
      for (int d = 0; d < 12; ++d) {
        const double x = 30 + d * 13, y = 20 + std::fmod(d * 17 + f * 6.0, 90);
        p.drawLine(QPointF(x, y), QPointF(x - 2, y + 8));
      }
    }
    frames.append({image, 80});
  }
  return EncodeGif(frames);
}

QImage Cursor(int kind, int frame) {
  QImage image = NewImage(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.2));
  if (kind == 0 || kind == 1) {  // arrow; the hand is an arrow holding a card that wobbles
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 22);
    arrow.lineTo(6, 17);
    arrow.lineTo(10, 26);
    arrow.lineTo(13, 25);
    arrow.lineTo(9, 16);
    arrow.lineTo(16, 16);
    arrow.closeSubpath();
    if (kind == 1) {
      p.save();
      p.translate(20, 18);
      p.rotate(-10 + 7 * frame);
      p.setBrush(Qt::white);
      p.drawRoundedRect(QRectF(-5, -7, 10, 14), 2, 2);
      OutlinedText(p, QRectF(-5, -7, 10, 14), QString(QChar(0x2665)), 9, QColor(220, 0, 0), QStringLiteral("DejaVu Sans"));
      p.restore();
    }
    p.setBrush(QColor(255, 230, 120));
    p.drawPath(arrow);
  } else if (kind == 2) {  // wait: the four suits turning
    const char16_t suits[] = u"\u2665\u2666\u2663\u2660";
    for (int i = 0; i < 4; ++i) {
      const double a = (frame * 45 + i * 90) * M_PI / 180;
      OutlinedText(p, QRectF(16 + 9 * std::cos(a) - 6, 16 + 9 * std::sin(a) - 6, 12, 12), QString(QChar(suits[i])), 11,
                   i < 2 ? QColor(230, 20, 20) : QColor(20, 20, 20), QStringLiteral("DejaVu Sans"));
    }
  } else {  // edit: a text beam with a blinking spark
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(16, 6, 16, 26);
    p.drawLine(12, 5, 20, 5);
    p.drawLine(12, 27, 20, 27);
    if (frame % 2 == 0) DrawStar(p, QPointF(24, 8), 4, QColor(255, 200, 0));
  }
  return image;
}

QImage Strip(int kind, int frames) {
  QImage strip = NewImage(32 * frames, 32);
  QPainter p(&strip);
  for (int f = 0; f < frames; ++f) p.drawImage(32 * f, 0, Cursor(kind, f));
  return strip;
}

// The touch burst: 30 frames of 100 x 100 side by side, a ring of sparks spreading and fading.
QImage TouchStrip() {
  QImage strip = NewImage(3000, 100);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  for (int f = 0; f < 30; ++f) {
    const double t = f / 29.0, r = 8 + 38 * t;
    for (int s = 0; s < 12; ++s) {
      const double a = s * M_PI / 6 + t;
      QColor c = QColor::fromHsv(s * 30, 220, 255);
      c.setAlphaF(1 - t * 0.9);
      DrawStar(p, QPointF(f * 100 + 50 + r * std::cos(a), 50 + r * std::sin(a)), 4 + 3 * (1 - t), c);
    }
  }
  return strip;
}

QImage Flag(int language) {
  QImage image = NewImage(48, 32);
  QPainter p(&image);
  auto h3 = [&](QColor a, QColor b, QColor c) {
    p.fillRect(0, 0, 48, 11, a);
    p.fillRect(0, 11, 48, 11, b);
    p.fillRect(0, 22, 48, 10, c);
  };
  auto v3 = [&](QColor a, QColor b, QColor c) {
    p.fillRect(0, 0, 16, 32, a);
    p.fillRect(16, 0, 16, 32, b);
    p.fillRect(32, 0, 16, 32, c);
  };
  switch (language) {
    case 1: h3(Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)); break;
    case 2: h3(Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)); break;
    case 3: v3(QColor(0, 35, 149), Qt::white, QColor(237, 41, 57)); break;
    case 4: h3(QColor(198, 11, 30), QColor(255, 196, 0), QColor(198, 11, 30)); break;
    case 5: p.fillRect(0, 0, 48, 32, QColor(222, 41, 16)); DrawStar(p, QPointF(10, 9), 6, QColor(255, 222, 0)); break;
    case 6: v3(QColor(0, 146, 70), Qt::white, QColor(206, 43, 55)); break;
    case 7:
      p.fillRect(0, 0, 48, 16, Qt::white);
      p.fillRect(0, 16, 48, 16, QColor(215, 20, 26));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(17, 69, 126));
      p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(24, 16), QPointF(0, 32)}));
      break;
    case 8: p.fillRect(0, 0, 48, 32, Qt::white); p.setPen(Qt::NoPen); p.setBrush(QColor(188, 0, 45)); p.drawEllipse(QPointF(24, 16), 9, 9); break;
    case 9: p.fillRect(0, 0, 48, 32, Qt::white); p.setPen(Qt::NoPen); p.setBrush(QColor(205, 46, 58)); p.drawChord(QRectF(16, 8, 16, 16), 0, 180 * 16); p.setBrush(QColor(0, 71, 160)); p.drawChord(QRectF(16, 8, 16, 16), 180 * 16, 180 * 16); break;
    default:
      p.fillRect(0, 0, 48, 32, QColor(1, 33, 105));
      p.setPen(QPen(Qt::white, 7));
      p.drawLine(0, 0, 48, 32);
      p.drawLine(48, 0, 0, 32);
      p.setPen(QPen(QColor(200, 16, 46), 3));
      p.drawLine(0, 0, 48, 32);
      p.drawLine(48, 0, 0, 32);
      p.fillRect(19, 0, 10, 32, Qt::white);
      p.fillRect(0, 11, 48, 10, Qt::white);
      p.fillRect(21, 0, 6, 32, QColor(200, 16, 46));
      p.fillRect(0, 13, 48, 6, QColor(200, 16, 46));
      break;
  }
  return image;
}

}  // namespace

int RenderMenuPictures(PictureSink& sink) {
  int n = 0;
  auto put = [&](const QString& lib, const QString& name, const QImage& image) { n += sink.Put(lib, name, image); };
  // Plates of the start menu by language: caption, club emblem, LAN emblem; the title.
  for (int lang = 0; lang < 8; ++lang) {
    const QString suffix = QString::fromLatin1(kSuffixes[lang]);
    const QString product = Utf8(ProductNameCapitals(lang == kChinese ? kEnglish : lang));
    put(kBuiltIn, "Cap" + suffix, TextPlate(QSize(800, 140), QColor(200, 20, 20), product, 0.6));
    static const char* const kNetworkGame[] = {"Network game",  "\u0421\u0435\u0442\u0435\u0432\u0430\u044f \u0438\u0433\u0440\u0430",
                                               "Netzwerkspiel", "Jeu en r\u00e9seau", "Juego en red", "Network game",
                                               "Gioco in rete", "S\u00ed\u0165ov\u00e1 hra"};
    put(kBuiltIn, "Elite" + suffix, TextPlate(QSize(700, 80), QColor(190, 30, 30), Shown(lang, 1).trimmed(), 0.5));
    put(kBuiltIn, "Net__" + suffix, TextPlate(QSize(700, 80), QColor(190, 30, 30), QString::fromUtf8(kNetworkGame[lang]), 0.5));
    put(kBuiltIn, "FlagO" + suffix, Flag(lang));
    // The dialogs' caption pictures in the graphics library.
    const std::pair<const char*, const char*> captions[] = {
        {"GFormOpt", "Options"}, {"GFormSpeed", "Speed"}, {"GFormEndG", "Game over"}, {"GFormHistory", "History"},
        {"GFormPass", "Passport"}, {"Options", "Options"}, {"Speed", "Speed"}, {"EndGame", "Game over"},
        {"History", "History"}, {"Passport", "Passport"}};
    for (const auto& [base, text] : captions)
      put(kGraphics, QString::fromLatin1(base) + suffix, TextPlate(QSize(300, 50), QColor(120, 0, 200), QString::fromLatin1(text)));
  }
  put(kBuiltIn, QStringLiteral("FlagOJap"), Flag(8));
  put(kBuiltIn, QStringLiteral("FlagOKor"), Flag(9));
  put(kBuiltIn, QStringLiteral("GTitle"), TextPlate(QSize(600, 160), QColor(30, 90, 40), QStringLiteral("TARVEL"), 0.6));
  // Clock and statistics display.
  QImage clock = NewImage(115, 64);
  {
    QPainter p(&clock);
    GlossyPlate(p, QRectF(0, 0, 115, 64), QColor(40, 40, 50), 10);
    p.fillRect(QRectF(8, 10, 99, 46), QColor(10, 20, 12));
  }
  put(kBuiltIn, QStringLiteral("GClockBG"), clock);
  for (int d = 0; d < 10; ++d) put(kBuiltIn, QString("GBClock%1").arg(d), Digit(QChar('0' + d), QColor(60, 255, 90)));
  QImage colon = NewImage(3, 27);
  colon.setPixelColor(1, 8, QColor(60, 255, 90));
  colon.setPixelColor(1, 18, QColor(60, 255, 90));
  put(kBuiltIn, QStringLiteral("GBClockP"), colon);
  const std::pair<const char*, QColor> digitSets[] = {{"GRClock", QColor(255, 50, 50)},  {"GAClock", QColor(255, 170, 30)},
                                                      {"GGClock", QColor(60, 255, 90)},  {"GYClock", QColor(255, 240, 60)},
                                                      {"GVClock", QColor(210, 90, 255)}, {"GLClock", QColor(90, 200, 255)},
                                                      {"GNClock", QColor(80, 110, 255)}};
  for (const auto& [set, colour] : digitSets) {
    for (int d = 0; d < 10; ++d) put(kBuiltIn, QString::fromLatin1(set) + QChar('0' + d), Digit(QChar('0' + d), colour));
    put(kBuiltIn, QString::fromLatin1(set) + "M", Digit(QChar('M'), colour));
  }
  for (const char* icon : {"Windows", "Android", "Account48", "AdvGiftR", "AdvGiftG", "Earth48", "Stats", "GooglePlay",
                           "GTourOn", "GTourOff", "GMedal"})
    put(kBuiltIn, QString::fromLatin1(icon), Icon(QString::fromLatin1(icon)));
  put(kBuiltIn, QStringLiteral("GKexs128"), Icon(QStringLiteral("GKexs128"), 64));
  put(kBuiltIn, QStringLiteral("GNews072"), Icon(QStringLiteral("GNews072"), 72));
  put(kBuiltIn, QStringLiteral("GChat072"), Icon(QStringLiteral("GChat072"), 72));
  QImage shelf = NewImage(220, 54);
  {
    QPainter p(&shelf);
    GlossyPlate(p, QRectF(0, 30, 220, 24), QColor(140, 90, 40), 6);
  }
  put(kBuiltIn, QStringLiteral("GPolkaNw"), shelf);
  n += sink.PutData(kBuiltIn, QStringLiteral("GSirenaB"), Siren(QColor(40, 110, 255)), QStringLiteral("gif"));
  n += sink.PutData(kBuiltIn, QStringLiteral("GSirenaR"), Siren(QColor(240, 40, 40)), QStringLiteral("gif"));
  n += sink.PutData(kBuiltIn, QStringLiteral("GifMenu1"), MenuAnimation(false), QStringLiteral("gif"));
  n += sink.PutData(kBuiltIn, QStringLiteral("GifMenu2"), MenuAnimation(true), QStringLiteral("gif"));
  n += sink.PutData(kBuiltIn, QStringLiteral("GEndBest"), EndAnimation(0), QStringLiteral("gif"));
  n += sink.PutData(kBuiltIn, QStringLiteral("GEndGood"), EndAnimation(1), QStringLiteral("gif"));
  n += sink.PutData(kBuiltIn, QStringLiteral("GEndBads"), EndAnimation(2), QStringLiteral("gif"));
  // The six lights of the scrolls, and the scrolls.
  for (int i = 0; i < 6; ++i) {
    QImage light = NewImage(20, 30);
    QPainter p(&light);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(10, 13), 10);
    const QColor c = QColor::fromHsv(i * 60, 220, 255);
    g.setColorAt(0, c.lighter(170));
    g.setColorAt(1, c.darker(130));
    p.setPen(QPen(c.darker(200), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 3, 16, 22));
    p.end();
    put(kBuiltIn, QString("GLight%1").arg(i), light);
  }
  for (const char* side : {"GScrollL", "GScrollR"}) {
    QImage scroll = NewImage(100, 200);
    QPainter p(&scroll);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(QPointF(0, 0), QPointF(100, 0));
    g.setColorAt(0, QColor(200, 170, 110));
    g.setColorAt(0.5, QColor(250, 235, 190));
    g.setColorAt(1, QColor(200, 170, 110));
    p.setPen(QPen(QColor(120, 80, 30), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(8, 40, 84, 150), 6, 6);
    p.setBrush(QColor(150, 100, 40));
    p.drawRoundedRect(QRectF(2, 34, 96, 12), 6, 6);
    p.drawRoundedRect(QRectF(2, 184, 96, 12), 6, 6);
    p.end();
    put(kBuiltIn, QString::fromLatin1(side), scroll);
  }
  for (int i = 1; i <= 3; ++i) {
    QImage medal = Icon(QStringLiteral("GMedal"), 24);
    put(kBuiltIn, QString("GMEDAL%1").arg(i, 2, 10, QChar('0')), medal);
  }
  for (int i = 1; i <= 10; ++i) {
    QImage place = NewImage(32, 32);
    QPainter p(&place);
    OutlinedText(p, QRectF(0, 0, 32, 32), QString::number(i), 20, QColor(255, 255, 255));
    p.end();
    put(kBuiltIn, QString("GPlace%1").arg(i, 2, 10, QChar('0')), place);
  }
  put(kBuiltIn, QStringLiteral("GNew"), TextPlate(QSize(40, 16), QColor(220, 20, 20), QStringLiteral("NEW"), 0.7));
  put(kBuiltIn, QStringLiteral("AdvBar3"), TextPlate(QSize(175, 40), QColor(250, 230, 150), QString()));
  for (const auto& [name, lamp] : {std::pair{"GRadioB", QColor(70, 70, 80)}, {"GRadioR", QColor(230, 30, 30)}, {"GRadioG", QColor(40, 220, 60)}}) {
    QImage radio = NewImage(220, 125);
    QPainter p(&radio);
    p.setRenderHint(QPainter::Antialiasing);
    GlossyPlate(p, QRectF(10, 20, 200, 100), QColor(120, 70, 30), 16);
    p.fillRect(QRectF(26, 36, 100, 68), QColor(60, 40, 20));
    for (int y = 40; y < 100; y += 6) p.fillRect(QRectF(30, y, 92, 2), QColor(150, 110, 60));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(lamp);
    p.drawEllipse(QPointF(168, 52), 9, 9);
    p.setBrush(QColor(220, 200, 160));
    p.drawEllipse(QPointF(168, 88), 12, 12);
    p.end();
    put(kBuiltIn, QString::fromLatin1(name), radio);
  }
  // The plain background of recordings, the cursors, and the graphics library's special design.
  n += sink.Put(kBuiltIn, QStringLiteral("GIFBackGr"), ColourBackground(BackgroundTexture(3, QSize(760, 500)), 0), "jpg", 90);
  put(kBuiltIn, QStringLiteral("CURARROW"), Cursor(0, 0));
  put(kBuiltIn, QStringLiteral("CURHAND"), Strip(1, 4));
  put(kBuiltIn, QStringLiteral("CURWAIT"), Strip(2, 8));
  put(kBuiltIn, QStringLiteral("CUREDIT"), Strip(3, 4));
  put(kGraphics, QStringLiteral("GTouch"), TouchStrip());
  QImage lilu = ColourBackground(BackgroundTexture(10, QSize(1520, 1000)), 6);
  n += sink.Put(kGraphics, QString::fromLatin1(kSpecialDesignBackground.data(), kSpecialDesignBackground.size()), lilu, "jpg", 88);
  return n;
}

}  // namespace tarvel::assets
