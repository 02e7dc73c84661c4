#include "resources/sounds/BuiltinSounds.h"
#include "media/SoundClipList.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

struct TClipRow {
  const char *Name;
  int StoredBytes;
  int DataBytes;
};

// The stored clips as the program has always shipped them: names in list order and sizes.
const TClipRow Rows[] = {
    {"StartQRX", 364077, 364032}, {"EnterGame", 68781, 68736}, {"EndLevel", 59181, 59136},
    {"EndGame", 146477, 146432},  {"HiScore", 102957, 102912}, {"EnterScore", 44717, 44672},
    {"Dialog", 19053, 19008},     {"RotateLeft", 5469, 5424},  {"RotateRight", 5629, 5584},
    {"Pause", 99885, 99840},      {"LineOne", 28205, 28160},   {"LineTwo", 29165, 29120},
    {"LineThree", 28461, 28416},  {"LineFour", 33069, 33024},  {"FallDown1", 8461, 8416},
    {"FallDown2", 11115, 11070},  {"FallDown3", 9485, 9440},   {"FallDown4", 9069, 9024},
    {"FallDown5", 10141, 10096},  {"FallDown6", 9053, 9008},   {"FallDown7", 8557, 8512},
    {"FallDown", 2613, 2568},
};

quint16 U16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 U32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

QByteArray Embedded(const char *name) {
  InitBuiltinSounds();
  QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<qint16> Samples(const QByteArray &image, int dataBytes) {
  std::vector<qint16> s(dataBytes / 2);
  for (int i = 0; i < static_cast<int>(s.size()); ++i)
    s[i] = static_cast<qint16>(U16(image, 44 + 2 * i));
  return s;
}

class BuiltinClipTest : public ::testing::TestWithParam<int> {
protected:
  const TClipRow &Row() const { return Rows[GetParam()]; }
};

std::string RowName(const ::testing::TestParamInfo<int> &info) { return Rows[info.param].Name; }

} // namespace

TEST_P(BuiltinClipTest, HasTheStoredSizeAndHeader) {
  const QByteArray image = Embedded(Row().Name);
  ASSERT_EQ(image.size(), Row().StoredBytes);
  EXPECT_EQ(image.left(4), "RIFF");
  EXPECT_EQ(U32(image, 4), static_cast<quint32>(Row().StoredBytes + 2));
  EXPECT_EQ(image.mid(8, 8), "WAVEfmt ");
  EXPECT_EQ(U32(image, 16), 16u);    // fmt chunk size
  EXPECT_EQ(U16(image, 20), 1);      // PCM
  EXPECT_EQ(U16(image, 22), 1);      // mono
  EXPECT_EQ(U32(image, 24), 11025u); // samples per second
  EXPECT_EQ(U32(image, 28), 22050u); // bytes per second
  EXPECT_EQ(U16(image, 32), 2);      // block alignment
  EXPECT_EQ(U16(image, 34), 16);     // bits per sample
  EXPECT_EQ(image.mid(36, 4), "data");
  EXPECT_EQ(U32(image, 40), static_cast<quint32>(Row().DataBytes));
}

TEST_P(BuiltinClipTest, IsCleanSound) {
  const QByteArray image = Embedded(Row().Name);
  ASSERT_EQ(image.size(), Row().StoredBytes);
  const std::vector<qint16> s = Samples(image, Row().DataBytes);
  int peak = 0;
  double sum = 0.0;
  for (qint16 v : s) {
    peak = std::max(peak, std::abs(static_cast<int>(v)));
    sum += v;
  }
  EXPECT_LT(peak, 0.8 * 32767) << "too loud";
  EXPECT_GT(peak, 0.2 * 32767) << "too quiet";
  EXPECT_LT(std::abs(sum / s.size()), 0.002 * 32767) << "DC offset";
  // Starts and ends at silence: no click when a copy starts or stops.
  EXPECT_LE(std::abs(s.front()), 1);
  EXPECT_LE(std::abs(s.back()), 1);
}

INSTANTIATE_TEST_SUITE_P(Clips, BuiltinClipTest, ::testing::Range(0, 22), RowName);

TEST(BuiltinSoundsTest, TheListHoldsEveryClipInOrderUnlooped) {
  TScheduler scheduler;
  TSoundClipList sounds(scheduler);
  InitBuiltinSounds();
  for (const char *name : BuiltinSoundNames)
    AddBuiltinSound(sounds, name);
  ASSERT_EQ(sounds.Count(), 22);
  for (int i = 0; i < 22; ++i) {
    EXPECT_EQ(sounds.Items(i).Name(), Rows[i].Name);
    EXPECT_EQ(sounds.Items(i).Wave().size(), Rows[i].StoredBytes);
    EXPECT_FALSE(sounds.Items(i).Looped());
  }
}

TEST(BuiltinSoundsTest, SoundgenWritesTheSameBytesEveryTime) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QProcess soundgen;
  soundgen.start(QB_SOUNDGEN, {dir.path()});
  ASSERT_TRUE(soundgen.waitForFinished(60000));
  ASSERT_EQ(soundgen.exitCode(), 0) << soundgen.readAllStandardError().constData();
  for (const TClipRow &row : Rows) {
    QFile file(QDir(dir.path()).filePath(QStringLiteral("%1.wav").arg(row.Name)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.Name;
    EXPECT_TRUE(file.readAll() == Embedded(row.Name)) << row.Name << " differs from the build's";
  }
}

TEST(BuiltinSoundsTest, SoundgenRefusesAnOutputItCannotWrite) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QFile blocker(dir.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QProcess soundgen;
  soundgen.start(QB_SOUNDGEN, {blocker.fileName() + "/sounds"});
  ASSERT_TRUE(soundgen.waitForFinished(60000));
  EXPECT_EQ(soundgen.exitCode(), 1);
  EXPECT_TRUE(soundgen.readAllStandardError().contains("cannot make"));
}
