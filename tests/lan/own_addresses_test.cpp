#include "lan/own_addresses.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(OwnAddresses, InterfacesThenExternalThenLoopBack) {
  struct Case {
    QStringList interfaces;
    QString external;
    std::array<const char*, 6> texts;
  } cases[] = {
      {{}, "", {"", "127.0.0.1", "", "", "", ""}},
      {{"192.168.0.5"}, "81.2.3.4", {"192.168.0.5", "81.2.3.4", "127.0.0.1", "", "", ""}},
      // More interfaces than fit: the first four, so the external and the loop-back keep their fields.
      {{"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4", "10.0.0.5", "10.0.0.6"},
       "81.2.3.4",
       {"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4", "81.2.3.4", "127.0.0.1"}},
  };
  for (const Case& c : cases) {
    const AddressFields f = LayOutAddresses(c.interfaces, c.external);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(f[i].text, QString::fromLatin1(c.texts[i])) << i;
    int loop = 0;
    for (const AddressField& a : f)
      if (a.text == "127.0.0.1") {
        EXPECT_EQ(a.hint, "Loop");
        ++loop;
      }
    EXPECT_EQ(loop, 1);
  }
}

TEST(OwnAddresses, TheMachinesOwnListHoldsNoLoopBack) {
  for (const QString& a : InterfaceAddresses()) {
    EXPECT_FALSE(a.startsWith("127.")) << a.toStdString();
    EXPECT_EQ(a.count('.'), 3);
  }
}

}  // namespace
}  // namespace tarvel
