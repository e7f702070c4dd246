#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "table/card_images.h"
#include "table/card_resample.h"
#include "table/draw_card.h"
#include "table/picture_library.h"

namespace tarvel {
namespace {

const QString kBuilt = QStringLiteral(TARVEL_LIBRARY_DIR);

struct Messages {
  QStringList shown;
  ShowMessage Sink() {
    return [this](const QString& m) { shown << m; };
  }
};

// A program directory "prog" inside a temporary directory, with the resource files linked in as asked.
struct ProgramDir {
  QTemporaryDir root;
  QString prog;
  explicit ProgramDir(const QStringList& inProgram, const QStringList& inParent = {}) {
    prog = root.filePath("prog");
    QDir().mkpath(prog);
    for (const QString& f : inProgram) QFile::link(kBuilt + "/" + f, prog + "/" + f);
    for (const QString& f : inParent) QFile::link(kBuilt + "/" + f, root.filePath(f));
  }
};

TEST(PictureLibraries, ProgramDirectoryFirstThenParent) {
  ProgramDir dir({"KexCards06B.dll"}, {"KexCards06A.dll", "KexCards06B.dll"});
  PictureLibraries libs(dir.prog);
  ASSERT_TRUE(libs.Open("KexCards06B.dll"));
  EXPECT_EQ(libs.OpenedPath("KexCards06B.dll"), dir.prog + "/KexCards06B.dll");
  ASSERT_TRUE(libs.Open("KexCards06A.dll"));
  EXPECT_TRUE(libs.OpenedPath("KexCards06A.dll").endsWith("prog/../KexCards06A.dll"));
  EXPECT_FALSE(libs.Open("KexCards06C.dll"));
  EXPECT_TRUE(libs.Has("KexCards06A.dll", "Ch06Old"));
  EXPECT_FALSE(libs.Picture("KexCards06A.dll", "Pi3QAncB").isNull());
  EXPECT_TRUE(libs.Picture("KexCards06A.dll", "NoSuchName").isNull());
}

TEST(CardImages, LoadsTheChosenSetAtItsSize) {
  ProgramDir dir({"KexCards06A.dll", "KexCards06B.dll"});
  PictureLibraries libs(dir.prog);
  Messages messages;
  Options options;
  options.CardSet = 12;
  TableImages images;
  ASSERT_TRUE(LoadCardFaces(options, 1, FactorsFor(1), libs, images, messages.Sink()));
  EXPECT_EQ(images.faces[1].size(), QSize(71, 96));
  EXPECT_EQ(images.faces[1], FramedSmallCard(libs.Picture("KexCards06A.dll", "Ch06Old")));
  options.CardSet = 33;
  ASSERT_TRUE(LoadCardFaces(options, 5, FactorsFor(5), libs, images, messages.Sink()));
  EXPECT_EQ(images.card, (CardGeometry{126, 198, PictureMode::Large}));
  EXPECT_EQ(images.faces[1].convertToFormat(QImage::Format_ARGB32),
            libs.Picture("KexCards06B.dll", "Ch06DiaB").convertToFormat(QImage::Format_ARGB32));
  options.CardSet = 3;
  ASSERT_TRUE(LoadCardFaces(options, 3, FactorsFor(3), libs, images, messages.Sink()));
  EXPECT_EQ(images.faces[27].size(), QSize(92, 125));  // order 27: the queen of diamonds... resampled
  EXPECT_EQ(qAlpha(images.faces[27].pixel(0, 0)), 0);  // corners cut round
  EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(CardImages, MissingLibraryFallsBackToTheBuiltInSetWithTheMessage) {
  ProgramDir dir({});
  PictureLibraries libs(dir.prog);
  Messages messages;
  Options options;
  options.CardSet = 35;
  options.DeckBack = 4;
  TableImages images;
  EXPECT_FALSE(LoadCardFaces(options, 1, FactorsFor(1), libs, images, messages.Sink()));
  EXPECT_EQ(options.CardSet, 0);
  ASSERT_EQ(messages.shown, QStringList{"Can`t find the file KexCards06B.dll"});
  EXPECT_EQ(images.faces[5], FramedSmallCard(libs.Picture({}, "Ch07")));
  EXPECT_FALSE(LoadDeckBacks(options, libs, images, messages.Sink()));
  EXPECT_EQ(options.DeckBack, 0);
  EXPECT_EQ(images.backs.size(), 8u);
  EXPECT_FALSE(images.Back().isNull());

  options.Language = 1;
  options.Background = 5;
  options.BackgroundVariant = 3;
  EXPECT_FALSE(LoadBackground(0, options, 1, libs, images, messages.Sink()));
  EXPECT_EQ(options.Background, 2);
  EXPECT_EQ(options.BackgroundVariant, 0);
  EXPECT_TRUE(messages.shown.last().endsWith(" KexBackG03.dll"));
  EXPECT_FALSE(messages.shown.last().startsWith("Can`t"));  // in the user's language
  EXPECT_FALSE(images.background.isNull());

  options.MenuDesign = 1;
  options.AuxDesignSpecial = true;
  EXPECT_FALSE(LoadBackground(1, options, 1, libs, images, messages.Sink()));
  EXPECT_EQ(options.MenuDesign, 0);
  EXPECT_FALSE(options.AuxDesignSpecial);
}

TEST(CardImages, BuiltInBackgroundNeedsNoLibrary) {
  ProgramDir dir({});
  PictureLibraries libs(dir.prog);
  Messages messages;
  Options options;  // background 2, variant 0
  TableImages images;
  EXPECT_TRUE(LoadBackground(0, options, 3, libs, images, messages.Sink()));
  EXPECT_TRUE(messages.shown.isEmpty());
  EXPECT_FALSE(images.background.isNull());
}

TEST(DrawCard, RealAndSpecialCodes) {
  ProgramDir dir({});
  PictureLibraries libs(dir.prog);
  Options options;
  TableImages images;
  ASSERT_TRUE(LoadCardFaces(options, 1, FactorsFor(1), libs, images, {}));
  auto draw = [&](TStr2 code) {
    QImage target(71, 96, QImage::Format_ARGB32);
    target.fill(Qt::transparent);
    QPainter p(&target);
    DrawCard(p, 0, 0, code, images);
    return target;
  };
  EXPECT_EQ(draw(MakeCard(5, 1)), images.faces[OrderNumber(MakeCard(5, 1))].convertToFormat(QImage::Format_ARGB32));
  const QImage empty = draw(kNoCard);
  EXPECT_EQ(empty.pixel(0, 50), 0xFF000000u);  // only the outline
  EXPECT_EQ(qAlpha(empty.pixel(35, 50)), 0);
  for (const char* code : {"Fr", "KY", "KN", "Xb", "Xr", "Xn", "Xg", "Xy", "Xv", "Xa", "Xo"}) {
    TStr2 c;
    c.ch[0] = static_cast<Byte>(code[0]);
    c.ch[1] = static_cast<Byte>(code[1]);
    const QImage drawn = draw(c);
    int visible = 0;
    for (int y = 0; y < 96; ++y)
      for (int x = 0; x < 71; ++x) visible += qAlpha(drawn.pixel(x, y)) > 0;
    EXPECT_GT(visible, 200) << code;
  }
}

}  // namespace
}  // namespace tarvel
