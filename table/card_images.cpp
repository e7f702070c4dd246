#include "table/card_images.h"
#include "table/qt_text.h"

#include "settings/text_table.h"
#include "table/card_resample.h"

namespace tarvel {
namespace {


// The picture of a name, or a visible stand-in when the resource is missing from a present file.
QImage PictureOrStandIn(PictureLibraries& libraries, std::string_view file, const QString& name, QSize size) {
  QImage image = libraries.Picture(file, name);
  return image.isNull() ? MissingPicture(name, size) : image;
}

// A picture at the card size of the current mode.
QImage AtCardSize(const QImage& picture, const TableImages& images, bool smallBitmap) {
  const CardGeometry& g = images.card;
  if (g.mode == PictureMode::Small && smallBitmap) return FramedSmallCard(picture);
  return ResampleCard(picture, QSize(g.width, g.height), g.mode == PictureMode::Small ? 0 : Scaled(8, images.factors));
}

void LoadSpecials(PictureLibraries& libraries, TableImages& images) {
  images.specials.clear();
  const bool small = images.card.mode == PictureMode::Small;
  const QString suffix = small ? QStringLiteral("Sm") : QStringLiteral("Bg");
  const QSize size(images.card.width, images.card.height);
  auto load = [&](const QString& code, const QString& base) {
    const QImage picture = PictureOrStandIn(libraries, {}, base + suffix, size);
    images.specials.insert(code, picture.size() == size ? picture
                                                         : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  };
  load(QStringLiteral("Fr"), QStringLiteral("GCard0"));
  load(QStringLiteral("KY"), QStringLiteral("GKnockY"));
  load(QStringLiteral("KN"), QStringLiteral("GKnockN"));
  const std::pair<char, const char*> frames[] = {{'b', "Black"}, {'r', "Red"},    {'n', "Navy"},   {'g', "Green"},
                                                 {'y', "Yellow"}, {'v', "Violet"}, {'a', "Aqua"}, {'o', "Orang"}};
  for (const auto& [letter, colour] : frames)
    load(QStringLiteral("X") + QChar(letter), QStringLiteral("GCard") + QString::fromLatin1(colour));
}

}  // namespace

const QImage& TableImages::Back() const {
  static const QImage none;
  if (backs.size() < 2) return none;
  const int i = backIndex >= 1 && backIndex < static_cast<int>(backs.size()) ? backIndex : 1;
  return backs[i];
}

QString MissingFileMessage(std::string_view file, int language) {
  const std::string_view text = Text(93, language);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + QStringLiteral(" ") +
         QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size()));
}

bool LoadCardFaces(Options& options, int windowSize, const WindowFactors& factors, PictureLibraries& libraries,
                   TableImages& images, const ShowMessage& show) {
  bool found = true;
  if (options.CardSet < 0 || options.CardSet >= kCardSetCount) options.CardSet = 0;
  const std::string_view file = CardFaceLibrary(options.CardSet);
  if (!file.empty() && !libraries.Open(file)) {
    if (show) show(MissingFileMessage(file, options.Language));
    options.CardSet = 0;
    found = false;
  }
  const int set = options.CardSet;
  images.windowSize = windowSize;
  images.factors = factors;
  images.card = CardGeometryFor(set, factors);
  const std::string_view source = CardFaceLibrary(set);
  const QSize size(images.card.width, images.card.height);
  for (int v = 1; v <= 36; ++v) {
    const TStr2 card = CardOfOrder(v);
    const QImage picture = PictureOrStandIn(libraries, source, Q(FaceResourceName(card, set, images.card.mode)), size);
    images.faces[v] = AtCardSize(picture, images, true);
  }
  LoadSpecials(libraries, images);
  return found;
}

bool LoadDeckBacks(Options& options, PictureLibraries& libraries, TableImages& images, const ShowMessage& show) {
  bool found = true;
  if (options.DeckBack < 0 || options.DeckBack >= kDeckBackSets) options.DeckBack = 0;
  if (options.DeckBack != 0 && !libraries.Open(kDeckBackLibrary)) {
    if (show) show(MissingFileMessage(kDeckBackLibrary, options.Language));
    options.DeckBack = 0;
    found = false;
  }
  const int set = options.DeckBack;
  const std::string_view source = set == 0 ? std::string_view{} : kDeckBackLibrary;
  const bool narrow = IsNarrowCardSet(options.CardSet);
  const QSize size(images.card.width, images.card.height);
  images.backs.assign(DeckBackCount(set) + 1, QImage());
  for (int i = 1; i <= DeckBackCount(set); ++i) {
    const QImage picture = PictureOrStandIn(libraries, source, Q(BackResourceName(i, set, images.card.mode, narrow)), size);
    images.backs[i] = AtCardSize(picture, images, true);
  }
  if (images.backIndex < 1 || images.backIndex > DeckBackCount(set)) images.backIndex = 1;
  return found;
}

bool LoadBackground(int design, Options& options, int windowSize, PictureLibraries& libraries, TableImages& images,
                    const ShowMessage& show) {
  const PixelSize client = ClientSizeFor(windowSize);
  const QSize fallbackSize(client.width, client.height);
  if (design == 1) {
    if (libraries.Open(kGraphicsLibrary)) {
      images.background = PictureOrStandIn(libraries, kGraphicsLibrary, QString::fromLatin1(kSpecialDesignBackground.data()), fallbackSize);
      return true;
    }
    if (show) show(MissingFileMessage(kGraphicsLibrary, options.Language));
    options.AuxDesignSpecial = false;
    if (options.MenuDesign == 1) options.MenuDesign = 0;
    if (options.TableDesign == 1) options.TableDesign = 0;
    images.background = PictureOrStandIn(libraries, {}, QString::fromLatin1(kBuiltInBackground.data()), fallbackSize);
    return false;
  }
  if (options.Background == 0) {
    images.background = QImage();
    return true;
  }
  bool found = true;
  if (!IsBuiltInBackground(options.Background, options.BackgroundVariant)) {
    const bool valid = options.Background >= 1 && options.Background <= kBackgroundCount &&
                       options.BackgroundVariant >= 0 && options.BackgroundVariant < kBackgroundVariants;
    if (valid && libraries.Open(kBackgroundLibrary)) {
      images.background = PictureOrStandIn(
          libraries, kBackgroundLibrary,
          Q(BackgroundResourceName(options.Background, options.BackgroundVariant, windowSize)), fallbackSize);
      return true;
    }
    if (valid && show) show(MissingFileMessage(kBackgroundLibrary, options.Language));
    options.Background = 2;
    options.BackgroundVariant = 0;
    found = false;
  }
  images.background = PictureOrStandIn(libraries, {}, QString::fromLatin1(kBuiltInBackground.data()), fallbackSize);
  return found;
}

int BackIndexForWeekday(int dayOfWeek) { return dayOfWeek >= 1 && dayOfWeek <= 7 ? dayOfWeek : 1; }

}  // namespace tarvel
