// Test entry: a QApplication exists for the whole run, so image, font and widget code works
// in every test. Every test runs headless (offscreen Qt, silent SDL) and in English whatever the
// desktop's language; the programs a test starts inherit that.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty())
    qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qgetenv("SDL_AUDIODRIVER").isEmpty())
    qputenv("SDL_AUDIODRIVER", "dummy");
  qputenv("LANGUAGE", "en");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
