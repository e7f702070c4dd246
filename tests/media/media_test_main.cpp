// The media tests need a Qt application object: resources, timers and the audio devices live in it.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "media_test_support.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  tarvel::AudioOut out;
  tarvel::test::SetSharedAudioOut(&out);
  const int result = RUN_ALL_TESTS();
  tarvel::test::SetSharedAudioOut(nullptr);
  return result;
}
