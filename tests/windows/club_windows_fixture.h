#pragma once
// What the club window tests share: a fresh program directory with the shipped club files, the
// built-in pictures of the build tree, a context whose sounds are recorded, and a club with members.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "records/club_file.h"
#include "records/password_code.h"
#include "table/picture_library.h"
#include "table/picture_names.h"
#include "tests/records/records_fixture.h"
#include "windows/window_context.h"

namespace tarvel::test {

// The built-in pictures and the graphics library from the build tree.
class BuildPictures : public PictureSource {
 public:
  BuildPictures() : libraries_(QStringLiteral(TARVEL_BUILD_ROOT)) {}
  void Prepare(int, int, int, int) override {}
  QPixmap CardFace(TStr2) override { return {}; }
  QPixmap DeckBack() override { return {}; }
  QPixmap Background() override { return {}; }
  QPixmap Named(const QString& name) override {
    QImage picture = libraries_.Picture({}, name);
    if (picture.isNull()) picture = libraries_.Picture(kGraphicsLibrary, name);
    return QPixmap::fromImage(picture);
  }
  QString AnimationPath(const QString& name) override {
    return libraries_.Has({}, name) ? libraries_.ResourcePath({}, name) : QString();
  }

 private:
  PictureLibraries libraries_;
};

class ClubWindows : public ProgramDir {
 protected:
  void SetUp() override {
    ProgramDir::SetUp();
    WriteShippedClubs();
    options.SoundOn = true;
  }

  WindowContext& Context() {
    if (!context_) {
      context_ = std::make_unique<WindowContext>(WindowContext{
          options, texts, pictures, Dir(), [this](const std::string& name, bool) { sounds.push_back(name); }});
    }
    return *context_;
  }

  // A member line with the password typed as `password`.
  static std::string Member(const std::string& name, double rating, int deals, int score, const std::string& password) {
    MemberRecord m;
    m.Name = name;
    m.Rating = rating;
    m.Deals = deals;
    m.Score = score;
    m.PasswordCode = EncodePassword(password);
    return MemberLine(m);
  }

  // The local club with two members: Anna (slot 1, password "abc") and Boris (slot 2, "12345").
  ClubLines ClubWithMembers() {
    ClubLines club = LoadClub(ClubKind::Local);
    InsertMember(club, Member("Anna", 2.5, 40, 30, "abc"), false);
    InsertMember(club, Member("Boris", 1.0, 12, -20, "12345"), false);
    EXPECT_FALSE(SaveClubFile(ClubFilePath(Dir(), ClubKind::Local), club, {}).has_value());
    return club;
  }

  // Runs the event loop until done() or the time is up (never fails by itself: the caller checks).
  static void Spin(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < end) QApplication::processEvents(QEventLoop::AllEvents, 20);
  }

  Options options;
  TextTable texts{options};
  BuildPictures pictures;
  std::vector<std::string> sounds;

 private:
  std::unique_ptr<WindowContext> context_;
};

// The directory where the tests leave a picture of every window, for a person to look at.
inline QString ShotDirectory() {
  const QString dir = QStringLiteral(TARVEL_BUILD_ROOT "/window-shots");
  QDir().mkpath(dir);
  return dir;
}

// Pixels of an image within `tolerance` of a colour, in a band of rows.
inline int CountNear(const QImage& image, QRect band, QColor colour, int tolerance) {
  int n = 0;
  band = band.intersected(image.rect());
  for (int y = band.top(); y <= band.bottom(); ++y)
    for (int x = band.left(); x <= band.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
          std::abs(c.blue() - colour.blue()) <= tolerance)
        ++n;
    }
  return n;
}

}  // namespace tarvel::test
