// The welcome window and the change of name, driven through their own handlers.
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include "records/club_login.h"
#include "settings/cp1251.h"
#include "tests/windows/club_windows_fixture.h"
#include "windows/change_name_window.h"
#include "windows/login_window.h"

namespace tarvel::test {
namespace {

using LoginWindow = ClubWindows;

TEST_F(LoginWindow, MemberLogsInOnlyWithThePassword) {
  const ClubLines club = ClubWithMembers();
  struct Case {
    int slot;
    const char* password;
    bool accepted;
  };
  const Case cases[] = {
      {1, "abc", true}, {1, "abd", false}, {1, "", false}, {2, "12345", true}, {2, "1234", false},
      {3, "", false},  // an empty slot never logs in
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "slot " << c.slot << " password \"" << c.password << "\"");
    ClubState state;
    state.Name = "before";
    TFormLogin w(Context(), club, c.slot, state);
    w.show();
    w.SetPassword(QString::fromUtf8(c.password));
    EXPECT_EQ(w.Accept(), c.accepted);
    if (c.accepted) {
      EXPECT_EQ(w.result(), QDialog::Accepted);
      EXPECT_EQ(state.Slot, c.slot);
      EXPECT_EQ(state.Name, c.slot == 1 ? "Anna" : "Boris");
      EXPECT_EQ(Cp1251ToUtf8(options.PlayerName), state.Name);
    } else {
      EXPECT_TRUE(w.isVisible());
      EXPECT_EQ(w.Message(), QStringLiteral("The incorrect password!"));
      EXPECT_EQ(state.Name, "before");
      EXPECT_EQ(state.Slot, kSlotNewPlayer);
    }
  }
}

TEST_F(LoginWindow, NewPlayerNeedsANameAndTheSamePasswordTwice) {
  const ClubLines club = LoadClub(ClubKind::Local);
  options.Language = 1;
  struct Case {
    const char* name;
    const char* password;
    const char* again;
    int row;  // 0: accepted
  };
  const Case cases[] = {
      {"", "ab", "ab", 67}, {"   ", "ab", "ab", 67},
      {"李明", "ab", "ab", 67},  // letters the club file cannot hold are not taken by the entry {"Vera", "ab", "ac", 68}, {"Vera", "ab", "", 68},
      {"Вера", "пароль", "пароль", 0},  // Cyrillic, and a password cut to five by the entry
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClubState state;
    state.Slot = 3;
    TFormLogin w(Context(), club, kSlotNewPlayer, state);
    w.show();
    w.SetName(QString::fromUtf8(c.name));
    w.SetPassword(QString::fromUtf8(c.password));
    w.SetPasswordAgain(QString::fromUtf8(c.again));
    EXPECT_EQ(w.Accept(), c.row == 0);
    if (c.row != 0) {
      EXPECT_EQ(w.Message(), ShownText(Context().Tr(c.row)));
      EXPECT_EQ(state.Slot, 3);
    } else {
      EXPECT_TRUE(w.Message().isEmpty());
      EXPECT_EQ(state.Slot, kSlotNewPlayer);
      EXPECT_EQ(state.Name, "Вера");
      EXPECT_TRUE(PasswordMatches(state.PasswordCode, "парол"));
      EXPECT_EQ(state.Deals, 0);
    }
  }
}

TEST_F(LoginWindow, NetworkSectionIsConfirmedAfterTheClubChecks) {
  const ClubLines club = ClubWithMembers();
  ClubState state;
  TFormLogin w(Context(), club, 1, state);
  EXPECT_EQ(w.height(), TFormLogin::kClientHeight);
  auto* section = new QWidget;
  w.SetNetworkSection(section);
  EXPECT_EQ(w.height(), TFormLogin::kNetworkClientHeight);
  EXPECT_EQ(section->parentWidget(), &w);
  int asked = 0;
  bool answer = false;
  w.confirmNetwork = [&] {
    ++asked;
    return answer;
  };
  w.show();
  w.SetPassword(QStringLiteral("bad"));
  EXPECT_FALSE(w.Accept());
  EXPECT_EQ(asked, 0);  // a refused password never reaches the network
  w.SetPassword(QStringLiteral("abc"));
  EXPECT_FALSE(w.Accept());
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(w.isVisible());
  EXPECT_EQ(state.Slot, kSlotNewPlayer);  // nothing is taken over while the network says no
  answer = true;
  w.findChild<QPushButton*>(QStringLiteral("ok"))->click();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(state.Slot, 1);

  // A new player's name has at most four characters in network mode.
  ClubState fresh;
  TFormLogin n(Context(), club, kSlotNewPlayer, fresh);
  n.SetNetworkSection(new QWidget);
  n.SetName(QStringLiteral("Alexander"));
  EXPECT_EQ(n.findChild<QLineEdit*>(QStringLiteral("name"))->text(), QStringLiteral("Alex"));
}

using ChangeNameWindow = ClubWindows;

TEST_F(ChangeNameWindow, RewritesTheMembersLineInTheClubFile) {
  ClubWithMembers();
  const ClubLines club = LoadClub(ClubKind::Local);
  ClubState state;
  ASSERT_FALSE(LogInMember(club, 2, "12345", state).has_value());
  std::vector<QString> shown;
  TFormChangeName w(Context(), state, ClubKind::Local);
  w.showMessage = [&](QMessageBox::Icon, const QString& text) { shown.push_back(text); };
  w.show();

  // Refusals stay in the window and leave the file alone.
  const std::string before = ReadBytes(ClubFilePath(Dir(), ClubKind::Local));
  w.SetName(QStringLiteral("Boris the Great"));
  w.SetPassword(QStringLiteral("x"));
  w.SetPasswordAgain(QStringLiteral("y"));
  EXPECT_FALSE(w.Accept());
  EXPECT_EQ(w.Message(), QStringLiteral("The passwords do not coincide!"));
  EXPECT_EQ(ReadBytes(ClubFilePath(Dir(), ClubKind::Local)), before);

  // A disk that fails keeps the old file and says so.
  w.hooks = FileWriteHooks(WriteFault{.AfterBytes = 10, .Killed = false});
  w.SetPasswordAgain(QStringLiteral("x"));
  EXPECT_FALSE(w.Accept());
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Error of disk writing!"))) << shown[0].toStdString();
  EXPECT_EQ(ReadBytes(ClubFilePath(Dir(), ClubKind::Local)), before);
  EXPECT_EQ(state.Name, "Boris");

  w.hooks = {};
  EXPECT_TRUE(w.Accept());
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1], QStringLiteral("Your name and/or the password were successfully changed!\nNew name: Boris the Great"));
  const ClubLines after = LoadClub(ClubKind::Local);
  const auto member = ParseMemberLine(ReadMember(after, state.Slot));
  ASSERT_TRUE(member.has_value());
  EXPECT_EQ(member->Name, "Boris the Great");
  EXPECT_TRUE(PasswordMatches(member->PasswordCode, "x"));
  EXPECT_EQ(member->Deals, 12);
  EXPECT_EQ(member->Score, -20);
  EXPECT_EQ(ParseMemberLine(ReadMember(after, 1))->Name, "Anna");
  EXPECT_EQ(Cp1251ToUtf8(options.PlayerName), "Boris the Great");
}

}  // namespace
}  // namespace tarvel::test
