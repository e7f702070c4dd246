// tarvel-sheets OUT_DIR [--program-dir DIR]
// Writes contact sheets of the table's pictures as PNG files, read through the same loaders as the game:
// every card set (36 faces, small and large), every back set, every background in its seven colours, the
// table pictures, and the button in all colours, both styles, heights 30/31/45/60 and five looks.
// The resource files are looked up from DIR (default: this program's directory) and its parent.
#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QImageReader>
#include <QPainter>
#include <cstdio>

#include "settings/options.h"
#include "table/card_images.h"
#include "table/draw_card.h"
#include "table/kex_cards_button.h"
#include "table/picture_library.h"
#include "table/picture_names.h"

using namespace tarvel;

namespace {

const QColor kFelt(10, 96, 32);

bool Save(const QImage& image, const QString& path) {
  const bool ok = image.save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

void Label(QPainter& p, int x, int y, const QString& text) {
  p.setPen(Qt::white);
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(13);
  p.setFont(f);
  p.drawText(x, y, text);
}

bool CardSheet(PictureLibraries& libs, int set, const QString& out) {
  Options options;
  options.CardSet = set;
  TableImages small, large;
  int messages = 0;
  auto count = [&](const QString& m) {
    ++messages;
    std::fprintf(stderr, "%s\n", qPrintable(m));
  };
  LoadCardFaces(options, 1, FactorsFor(1), libs, small, count);
  options.CardSet = set;
  LoadCardFaces(options, 5, FactorsFor(5), libs, large, count);
  const int lw = large.card.width, lh = large.card.height;
  QImage sheet(9 * (lw + 6) + 20, 24 + 4 * 100 + 30 + 4 * (lh + 6), QImage::Format_ARGB32_Premultiplied);
  sheet.fill(kFelt);
  QPainter p(&sheet);
  const std::string_view code = CardStyleCode(set);
  Label(p, 10, 17, QString("Set %1 \"%2\" %3: small 71 x 96 (top), large %4 x %5 (below)")
                       .arg(set)
                       .arg(QString::fromLatin1(code.data(), code.size()))
                       .arg(IsNarrowCardSet(set) ? "narrow" : "wide")
                       .arg(lw)
                       .arg(lh));
  for (int v = 1; v <= 36; ++v) {
    const int level = (v - 1) / 4, suit = (v - 1) % 4;
    DrawCard(p, 10 + level * 76, 24 + suit * 100, CardOfOrder(v), small);
    DrawCard(p, 10 + level * (lw + 6), 24 + 400 + 30 + suit * (lh + 6), CardOfOrder(v), large);
  }
  p.end();
  return messages == 0 && Save(sheet, QString("%1/cards-%2.png").arg(out).arg(set, 2, 10, QChar('0')));
}

bool BackSheet(PictureLibraries& libs, int back, const QString& out) {
  QImage sheet(10 * 152 + 20, 30 + 100 + 2 * 206, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(kFelt);
  QPainter p(&sheet);
  const std::string_view code = DeckBackStyleCode(back);
  Label(p, 10, 17, QString("Back set %1 \"%2\": small, large for wide sets (B), large for narrow sets (U)")
                       .arg(back)
                       .arg(QString::fromLatin1(code.data(), code.size())));
  bool ok = true;
  int row = 0;
  for (auto [windowSize, cardSet] : {std::pair{1, 0}, {5, 0}, {5, 33}}) {
    Options options;
    options.CardSet = cardSet;
    options.DeckBack = back;
    TableImages images;
    auto fail = [&](const QString& m) {
      ok = false;
      std::fprintf(stderr, "%s\n", qPrintable(m));
    };
    LoadCardFaces(options, windowSize, FactorsFor(windowSize), libs, images, fail);
    LoadDeckBacks(options, libs, images, fail);
    for (int i = 1; i < static_cast<int>(images.backs.size()); ++i) {
      images.backIndex = i;
      DrawBack(p, 10 + (i - 1) * 152, 24 + (row == 0 ? 0 : 100 + (row - 1) * 206), images);
    }
    ++row;
  }
  p.end();
  return ok && Save(sheet, QString("%1/backs-%2.png").arg(out).arg(back, 2, 10, QChar('0')));
}

bool BackgroundSheet(PictureLibraries& libs, int background, const QString& out) {
  QImage sheet(4 * 390 + 10, 2 * 275 + 30, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  Label(p, 10, 17, QString("Background %1, variants 0-6 (window size 1), and variant 0 at the large size").arg(background));
  bool ok = true;
  for (int k = 0; k < 8; ++k) {
    Options options;
    options.Background = background;
    options.BackgroundVariant = k < 7 ? k : 0;
    TableImages images;
    LoadBackground(0, options, k < 7 ? 1 : 5, libs, images, [&](const QString& m) {
      ok = false;
      std::fprintf(stderr, "%s\n", qPrintable(m));
    });
    p.drawImage(QRect(10 + (k % 4) * 390, 24 + (k / 4) * 275, 380, 250), images.background);
    Label(p, 14 + (k % 4) * 390, 24 + (k / 4) * 275 + 266,
          QString::fromStdString(BackgroundResourceName(background, options.BackgroundVariant, k < 7 ? 1 : 5)));
  }
  p.end();
  return ok && Save(sheet, QString("%1/background-%2.png").arg(out).arg(background, 2, 10, QChar('0')));
}

bool TablePicturesSheet(PictureLibraries& libs, const QString& out) {
  QImage sheet(1200, 880, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(kFelt);
  QPainter p(&sheet);
  Label(p, 10, 17, QStringLiteral("Special card codes (small and large), stock, bubbles, clocks, result animations"));
  const char* codes[] = {"##", "Fr", "KY", "KN", "Xb", "Xr", "Xn", "Xg", "Xy", "Xv", "Xa", "Xo"};
  Options options;
  TableImages small, large;
  LoadCardFaces(options, 1, FactorsFor(1), libs, small, {});
  LoadCardFaces(options, 4, FactorsFor(4), libs, large, {});
  for (int i = 0; i < 12; ++i) {
    TStr2 code;
    code.ch[0] = static_cast<Byte>(codes[i][0]);
    code.ch[1] = static_cast<Byte>(codes[i][1]);
    DrawCard(p, 10 + i * 80, 30, code, small);
    if (i < 9) DrawCard(p, 10 + i * 130, 140, code, large);
  }
  int x = 10;
  for (const char* name : {"GKolodaSmall", "GKolodaSmallB", "GKolodaLarge", "GKolodaLargeB", "GTimerR", "GTimerY"}) {
    const QImage img = libs.Picture({}, QString::fromLatin1(name));
    p.drawImage(x, 320, img.isNull() ? MissingPicture(QString::fromLatin1(name), QSize(60, 60)) : img);
    x += (img.isNull() ? 60 : img.width()) + 12;
  }
  int y = 460;
  for (const char* name : {"SPBlue", "SPGreen", "SPRed", "SPYellow", "SPFiolet"}) {
    p.drawImage(10, y, libs.Picture({}, QString::fromLatin1(name)));
    p.drawImage(190, y, libs.Picture({}, QString::fromLatin1(name) + "B"));
    y += 46;
  }
  for (const char* name : {"GKonBads", "GKonGood", "GKonNich", "GKonNach"}) {
    QImageReader reader(libs.ResourcePath({}, QString::fromLatin1(name)));
    const int frames = reader.imageCount();
    // Three frames of each animation: the first, the middle and the last.
    for (int k = 0; k < 3; ++k) {
      reader.jumpToImage(k == 0 ? 0 : k == 1 ? frames / 2 : frames - 1);
      const QImage frame = reader.read();
      p.drawImage(540 + k * 215, y - 230, frame.scaled(200, 200, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    Label(p, 540, y - 236, QString("%1: %2 frames").arg(QString::fromLatin1(name)).arg(frames));
    y += 110;
  }
  p.end();
  return Save(sheet, out + "/table-pictures.png");
}

bool ButtonSheet(bool framed, const QString& out) {
  const int heights[] = {30, 31, 45, 60};
  const char* colours[] = {"DRed", "DGreen", "DBlue", "DNavy", "DYellow", "DViolet", "DOrang", "DCards"};
  const char* looks[] = {"normal", "hover", "pressed", "disabled", "focused"};
  const int cellW = 150, cellH = 70;
  QImage sheet(110 + 5 * cellW, 30 + 8 * 4 * cellH, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor(60, 60, 70));
  QPainter p(&sheet);
  Label(p, 10, 17, QString("%1 style: normal, hover (light font), pressed, disabled (silver), focused").arg(framed ? "Framed" : "Round"));
  bool ok = true;
  for (int c = 0; c < 8; ++c)
    for (int h = 0; h < 4; ++h) {
      const int y = 30 + (c * 4 + h) * cellH;
      Label(p, 6, y + 20, QString("%1 %2").arg(colours[c]).arg(heights[h]));
      for (int look = 0; look < 5; ++look) {
        TKexCardsButton button;
        button.resize(130, heights[h]);
        button.setText(QString::fromLatin1(looks[look]));
        button.SetColorSB(static_cast<TColorSB>(c));
        button.SetFramed(framed);
        button.SetFontColor(c == 4 || c == 2 ? Qt::black : Qt::white);
        button.SetLightFont(true);
        button.SetColorMouse(QColor(255, 255, 0));
        button.SetGrayDis(true);
        TOwnerDrawState state;
        if (look == 1) {
          QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
          QCoreApplication::sendEvent(&button, &enter);
        }
        if (look == 2) state.pressed = true;
        if (look == 3) {
          button.setEnabled(false);
          state.disabled = true;
        }
        if (look == 4) {
          button.setDefault(true);
          state.focused = true;
        }
        p.save();
        p.translate(110 + look * cellW, y);
        QString error;
        ok = button.DrawFace(p, state, &error) && ok;
        p.restore();
      }
    }
  p.end();
  return ok && Save(sheet, QString("%1/buttons-%2.png").arg(out).arg(framed ? "framed" : "round"));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  QString out, programDir;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == "--program-dir" && i + 1 < args.size())
      programDir = args[++i];
    else if (out.isEmpty())
      out = args[i];
  }
  if (out.isEmpty()) {
    std::fprintf(stderr, "usage: tarvel-sheets OUT_DIR [--program-dir DIR]\n");
    return 2;
  }
  QDir().mkpath(out);
  PictureLibraries libs(programDir);
  bool ok = true;
  for (int set = 0; set < kCardSetCount; ++set) ok = CardSheet(libs, set, out) && ok;
  for (int back = 0; back < kDeckBackSets; ++back) ok = BackSheet(libs, back, out) && ok;
  for (int bg = 1; bg <= kBackgroundCount; ++bg) ok = BackgroundSheet(libs, bg, out) && ok;
  ok = TablePicturesSheet(libs, out) && ok;
  ok = ButtonSheet(false, out) && ok;
  ok = ButtonSheet(true, out) && ok;
  return ok ? 0 : 1;
}
