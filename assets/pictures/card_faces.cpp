#include "assets/pictures/card_faces.h"

#include <QPainter>
#include <array>

#include "table/picture_names.h"

namespace tarvel::assets {
namespace {

// Chosen by the name of each set (rows 304-351 of the text table).
constexpr std::array<FaceSource, 48> kSources = {{
    {"K:svg-standard/standard.svgz", 0xFFFFFF},                 // 0 Classical-1
    {"G:ancient_french.svgz", 0xFFFFFF},                        // 1 Medieval-1
    {"G:anglo_modern.svgz", 0xFFFFFF},                          // 2 Modern
    {"K:svg-ancient-egyptians/Ancient_Egyptians.svgz", 0xFFFFFF},  // 3 Ancient Egypt
    {"G:guyenne-classic.svgz", 0xFFFFFF},                       // 4 Baronesse
    {"K:svg-nicu-ornamental/ornamental.svgz", 0xE6F2DC},        // 5 Celtic
    {"G:bellot.svgz", 0xFFFFFF},                                // 6 Corona
    {"K:svg-tigullio-international/tigullio-international.svgz", 0xFFFFFF},  // 7 Crown
    {"G:anglo.svgz", 0xFFFFFF},                                 // 8 English Pattern
    {"K:svg-dondorf/dondorf.svgz", 0xFFFFFF},                   // 9 Frankfurt
    {"G:orell.svgz", 0xFFFFFF},                                 // 10 Historical costumes
    {"G:lattmann.svgz", 0xF4E8D0},                              // 11 Native Americans
    {"G:neoclassical.svgz", 0xFFE9EE},                          // 12 Old Garden Roses
    {"K:svg-penguins/penguins.svgz", 0xFFFFFF},                 // 13 Parrots
    {"K:svg-jolly-royal/jolly-royal.svgz", 0xFFFFFF},           // 14 Royal
    {"G:anglo_bitmap.svgz", 0xF6ECD8},                          // 15 Shakespeare
    {"G:gnomangelo.svgz", 0xFFFFFF},                            // 16 Big Ben
    {"G:gnomangelo_bitmap.svgz", 0xF2F0FF},                     // 17 Four Reigns of English History
    {"K:svg-nicu-white/white.svgz", 0xFFFFFF},                  // 18 Large Print London
    {"G:berlin.svgz", 0xFFFFFF},                                // 19 Classical-2
    {"K:svg-oxygen-white/oxygen-white.svgz", 0xFFFFFF},         // 20 Hearts
    {"K:svg-oxygen-air/oxygen-air.svgz", 0xFFFFFF},             // 21 Seasons
    {"G:rheinland.svgz", 0xFFFFFF},                             // 22 Rhine Style
    {"G:tarocco.svgz", 0xFFFFFF},                               // 23 Medieval-2
    {"K:svg-konqi-modern/konqi.svgz", 0xFFFFFF},                // 24 Doods
    {"G:tango.svgz", 0xFFFFFF},                                 // 25 Playboy
    {"K:svg-oxygen/oxygen.svgz", 0xFFFFFF},                     // 26 Epic
    {"G:\xD0\x90\xD1\x82\xD0\xBB\xD0\xB0\xD1\x81\xD0\xBD\xD1\x8B\xD0\xB5.svgz", 0xFFF4F0},  // 27 USSR
    {"G:plastic.svgz", 0xFFFFFF},                               // 28 Plastic
    {"K:svg-xskat-german/german.svgz", 0xFFFFFF},               // 29 Skat - German suits
    {"G:neoclassical_4_color.svgz", 0xFFFFFF},                  // 30 Skat - Tournament suits
    {"K:svg-xskat-french/french.svgz", 0xFFFFFF},               // 31 Skat - French suits
    {"G:atlasnye_skat.svgz", 0xFFFFFF},                         // 32 White palekh
    {"G:paris.svgz", 0xFFFFFF},                                 // 33 Diana
    {"G:anglo_modern_4_color.svgz", 0xFFF8E8},                  // 34 Princely
    {"G:ornamental.svgz", 0xFFFFFF},                            // 35 For solitaires
    {"G:atlasnye.svgz", 0xFFFFFF},                              // 36 Russian
    {"G:slavic_costumes.svgz", 0xFFFFFF},                       // 37 Slavic
    {"G:swiss-xvii.svgz", 0xFFFFFF},                            // 38 Maya
    {"G:atlasnye.svgz", 0xF7E3BC},                              // 39 Bast
    {"K:svg-gm-paris/paris.svgz", 0xFFFFFF},                    // 40 French
    {"K:svg-dondorf/dondorf.svgz", 0xF8EEDC},                   // 41 Spanish 1
    {"G:bellot.svgz", 0xF0ECFF},                                // 42 Spanish 2
    {"G:orell.svgz", 0xFFF2E0},                                 // 43 Spanish 3
    {"G:guyenne-classic.svgz", 0xFFF6E6},                       // 44 Spanish 4
    {"G:tarocco.svgz", 0xFFE6D8},                               // 45 Chinese
    {"G:tigullio.svgz", 0xFFFFFF},                              // 46 Italian
    {"G:dondorf.svgz", 0xFFFFFF},                               // 47 Czech
}};

// True when some set of the same resource file names `group` with the style code of `set`.
bool GroupNeeded(int set, CardGroup group) {
  const std::string_view library = CardFaceLibrary(set);
  for (int other = 0; other < static_cast<int>(kSources.size()); ++other)
    if (CardFaceLibrary(other) == library && FaceStyleCode(other, group) == CardStyleCode(set)) return true;
  return false;
}

}  // namespace

FaceSource FaceSourceOf(int set) { return kSources.at(set); }

void TintImage(QImage& image, unsigned tint) {
  if (tint == 0xFFFFFF) return;
  const int tr = (tint >> 16) & 0xFF, tg = (tint >> 8) & 0xFF, tb = tint & 0xFF;
  image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = line[x];
      line[x] = qRgba(qRed(p) * tr / 255, qGreen(p) * tg / 255, qBlue(p) * tb / 255, qAlpha(p));
    }
  }
}

int RenderFaceSet(int set, const DeckDirs& dirs, PictureSink& sink) {
  const FaceSource source = FaceSourceOf(set);
  const SvgDeck deck(dirs, QString::fromUtf8(source.file));
  if (!deck.IsValid()) return -1;
  const QString library = CardFaceLibrary(set).empty()
                              ? kBuiltIn
                              : QString::fromLatin1(CardFaceLibrary(set).data(), CardFaceLibrary(set).size());
  const QSize large = IsNarrowCardSet(set) ? QSize(126, 198) : QSize(146, 198);
  const QSize small(69, 94);
  int written = 0;
  for (int level = 1; level <= 9; ++level) {
    if (!GroupNeeded(set, GroupOfLevel(level))) continue;
    for (int suit = 1; suit <= 4; ++suit) {
      const QString id = deck.CardElement(level, suit);
      if (!deck.HasElement(id)) return -1;
      const TStr2 card = MakeCard(level, suit);
      QImage big = deck.Render(id, large);
      TintImage(big, source.tint);
      written += sink.Put(library, QString::fromStdString(FaceResourceName(card, set, PictureMode::Large)), big);
      // The small picture sits inside a black frame drawn by the table: no alpha, the deck's own border
      // cropped, paper white behind the rounded corners.
      QImage little(small, QImage::Format_ARGB32_Premultiplied);
      little.fill(QColor(source.tint | 0xFF000000u));
      QPainter p(&little);
      QImage face = deck.Render(id, small, 1.5);
      TintImage(face, source.tint);
      p.drawImage(0, 0, face);
      p.end();
      written += sink.Put(library, QString::fromStdString(FaceResourceName(card, set, PictureMode::Small)), little,
                          set == 0 ? "bmp" : "png");
    }
  }
  return written;
}

}  // namespace tarvel::assets
