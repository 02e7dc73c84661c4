#include "builder/BuilderModel.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QStringList Paths(const TBuilderModel &model) {
  QStringList paths;
  for (const TLevel &level : model.Levels().All())
    paths << level.Path;
  return paths;
}

// Levels 1.jpg .. n.jpg, the last one current.
TBuilderModel WithLevels(int n) {
  TBuilderModel model;
  QStringList files;
  for (int i = 1; i <= n; ++i)
    files << QStringLiteral("%1.jpg").arg(i);
  model.AddLevels(files);
  return model;
}

TBuilderModel Complete() {
  TBuilderModel model;
  model.SetSkin(SkinStart, "s.jpg");
  model.SetSkin(SkinPlaying, "p.bmp");
  model.SetSkin(SkinGameOver, "e.JPG");
  model.AddLevels({"l1.jpg"});
  return model;
}

} // namespace

TEST(BuilderModelTest, StartsEmptyShowingTheStartSkin) {
  TBuilderModel model;
  EXPECT_EQ(model.Levels().Count(), 0);
  EXPECT_EQ(model.Levels().Current(), 0);
  EXPECT_EQ(model.Levels().CurrentData(), nullptr);
  EXPECT_EQ(model.Levels().CurrentGridSize(), 16);
  EXPECT_EQ(model.ShownSkin(), SkinStart);
  EXPECT_FALSE(model.LevelControlsEnabled());
  EXPECT_TRUE(model.LevelPictureVisible());
}

TEST(BuilderModelTest, AddingSkipsUnknownTypesAndSelectsTheLastTaken) {
  TBuilderModel model;
  EXPECT_EQ(model.AddLevels({"a.jpg", "b.bmp", "c.gif"}), 2);
  EXPECT_EQ(Paths(model), (QStringList{"a.jpg", "b.bmp"}));
  EXPECT_EQ(model.Levels().Current(), 2);
  EXPECT_EQ(model.Levels().All()[0].Type, PictureJpeg);
  EXPECT_EQ(model.Levels().All()[1].Type, PictureBmp);
  for (const TLevel &level : model.Levels().All())
    EXPECT_EQ(level.GridSize, 44);
  EXPECT_EQ(model.ShownSkin(), SkinPlaying);
  EXPECT_TRUE(model.LevelControlsEnabled());
}

TEST(BuilderModelTest, AddingOnlyUnknownTypesChangesNothing) {
  TBuilderModel model;
  EXPECT_EQ(model.AddLevels({"x.png", "y.jpeg", "gif"}), 0);
  EXPECT_EQ(model.Levels().Count(), 0);
  EXPECT_EQ(model.Levels().Current(), 0);
  EXPECT_EQ(model.ShownSkin(), SkinStart);
}

TEST(BuilderModelTest, AddingAppendsAfterTheLastLevelWhateverIsCurrent) {
  TBuilderModel model = WithLevels(3);
  model.Levels().SelectFirst();
  model.AddLevels({"x.jpg"});
  EXPECT_EQ(Paths(model), (QStringList{"1.jpg", "2.jpg", "3.jpg", "x.jpg"}));
  EXPECT_EQ(model.Levels().Current(), 4);
}

TEST(BuilderModelTest, InsertingFollowsTheCurrentLevelInOrder) {
  TBuilderModel model = WithLevels(4);
  model.Levels().SelectFirst();
  model.Levels().SelectNext();
  ASSERT_EQ(model.Levels().Current(), 2);
  EXPECT_EQ(model.InsertLevels({"x.jpg", "skip.png", "y.jpg"}), 2);
  EXPECT_EQ(Paths(model), (QStringList{"1.jpg", "2.jpg", "x.jpg", "y.jpg", "3.jpg", "4.jpg"}));
  EXPECT_EQ(model.Levels().Current(), 4);
  EXPECT_EQ(model.Levels().CurrentData()->Path, "y.jpg");
}

TEST(BuilderModelTest, InsertingIntoAnEmptyListMakesLevelOne) {
  TBuilderModel model;
  model.InsertLevels({"x.bmp", "y.jpg"});
  EXPECT_EQ(Paths(model), (QStringList{"x.bmp", "y.jpg"}));
  EXPECT_EQ(model.Levels().Current(), 2);
}

struct DeleteCase {
  int Count;
  int Current;
  QStringList Left;
  int CurrentAfter;
};
void PrintTo(const DeleteCase &c, std::ostream *os) {
  *os << "level " << c.Current << " of " << c.Count;
}

class BuilderModelDeleteTest : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(BuilderModelDeleteTest, KeepsTheNumberOrFallsBackToTheNewLast) {
  const DeleteCase &c = GetParam();
  TBuilderModel model = WithLevels(c.Count);
  model.Levels().SelectFirst();
  while (model.Levels().Current() < c.Current)
    model.Levels().SelectNext();
  model.SetShownSkin(SkinGameOver);
  ASSERT_TRUE(model.Levels().DeleteCurrent());
  EXPECT_EQ(Paths(model), c.Left);
  EXPECT_EQ(model.Levels().Current(), c.CurrentAfter);
  EXPECT_EQ(model.ShownSkin(), SkinPlaying);
}

INSTANTIATE_TEST_SUITE_P(Cases, BuilderModelDeleteTest,
                         ::testing::Values(DeleteCase{4, 4, {"1.jpg", "2.jpg", "3.jpg"}, 3},
                                           DeleteCase{4, 2, {"1.jpg", "3.jpg", "4.jpg"}, 2},
                                           DeleteCase{4, 1, {"2.jpg", "3.jpg", "4.jpg"}, 1},
                                           DeleteCase{1, 1, {}, 0}));

TEST(BuilderModelTest, DeletingWithNoLevelFails) {
  TBuilderModel model;
  EXPECT_FALSE(model.Levels().DeleteCurrent());
  EXPECT_EQ(model.Levels().Current(), 0);
}

TEST(BuilderModelTest, DeletingLevelTwoOfFourShowsTheFormerThird) {
  TBuilderModel model = WithLevels(4);
  model.Levels().SelectFirst();
  model.Levels().SelectNext();
  model.Levels().DeleteCurrent();
  EXPECT_EQ(model.Levels().CurrentData()->Path, "3.jpg");
}

TEST(BuilderModelTest, UpSwapsWithTheFollowingLevelAndTheSelectionFollows) {
  TBuilderModel model = WithLevels(3);
  model.Levels().SelectFirst();
  ASSERT_TRUE(model.Levels().SetGridSize(60));
  model.SetShownSkin(SkinStart);
  EXPECT_TRUE(model.Levels().MoveCurrentUp());
  EXPECT_EQ(Paths(model), (QStringList{"2.jpg", "1.jpg", "3.jpg"}));
  EXPECT_EQ(model.Levels().Current(), 2);
  EXPECT_EQ(model.Levels().CurrentGridSize(), 60); // the grid size moves with its picture
  EXPECT_EQ(model.Levels().All()[0].GridSize, 44);
  EXPECT_EQ(model.ShownSkin(), SkinPlaying);
}

TEST(BuilderModelTest, DownSwapsWithThePrecedingLevel) {
  TBuilderModel model = WithLevels(3);
  EXPECT_TRUE(model.Levels().MoveCurrentDown());
  EXPECT_EQ(Paths(model), (QStringList{"1.jpg", "3.jpg", "2.jpg"}));
  EXPECT_EQ(model.Levels().Current(), 2);
}

TEST(BuilderModelTest, MovingPastEitherEndChangesNothing) {
  TBuilderModel model = WithLevels(3);
  model.SetShownSkin(SkinStart);
  EXPECT_FALSE(model.Levels().MoveCurrentUp()); // level 3 is last
  model.Levels().SelectFirst();
  model.SetShownSkin(SkinStart);
  EXPECT_FALSE(model.Levels().MoveCurrentDown());
  EXPECT_EQ(Paths(model), (QStringList{"1.jpg", "2.jpg", "3.jpg"}));
  EXPECT_EQ(model.Levels().Current(), 1);
  EXPECT_EQ(model.ShownSkin(), SkinStart);

  TBuilderModel empty;
  EXPECT_FALSE(empty.Levels().MoveCurrentUp());
  EXPECT_FALSE(empty.Levels().MoveCurrentDown());
}

TEST(BuilderModelTest, NavigationStopsAtTheEnds) {
  TBuilderModel model = WithLevels(3);
  EXPECT_FALSE(model.Levels().SelectNext());
  EXPECT_EQ(model.Levels().Current(), 3);
  EXPECT_TRUE(model.Levels().SelectPrevious());
  EXPECT_EQ(model.Levels().Current(), 2);
  EXPECT_TRUE(model.Levels().SelectFirst());
  EXPECT_EQ(model.Levels().Current(), 1);
  EXPECT_FALSE(model.Levels().SelectPrevious());
  EXPECT_EQ(model.Levels().Current(), 1);
  EXPECT_TRUE(model.Levels().SelectNext());
  EXPECT_EQ(model.Levels().Current(), 2);
  model.SetShownSkin(SkinGameOver);
  EXPECT_TRUE(model.Levels().SelectLast());
  EXPECT_EQ(model.Levels().Current(), 3);
  EXPECT_EQ(model.ShownSkin(), SkinPlaying);
}

TEST(BuilderModelTest, NavigationWithoutLevelsSelectsNothing) {
  TBuilderModel model;
  EXPECT_FALSE(model.Levels().SelectFirst());
  EXPECT_FALSE(model.Levels().SelectLast());
  EXPECT_FALSE(model.Levels().SelectNext());
  EXPECT_FALSE(model.Levels().SelectPrevious());
  EXPECT_EQ(model.Levels().Current(), 0);
  EXPECT_EQ(model.ShownSkin(), SkinStart);
}

TEST(BuilderModelTest, GridSizeNeedsALevelAndStaysWithinSixteenToSeventy) {
  TBuilderModel empty;
  EXPECT_FALSE(empty.Levels().SetGridSize(30));
  EXPECT_EQ(empty.Levels().CurrentGridSize(), 16);

  TBuilderModel model = WithLevels(2);
  model.SetShownSkin(SkinStart);
  EXPECT_TRUE(model.Levels().SetGridSize(30));
  EXPECT_EQ(model.Levels().CurrentGridSize(), 30);
  EXPECT_EQ(model.Levels().All()[0].GridSize, 44);
  EXPECT_EQ(model.ShownSkin(), SkinPlaying);
  model.Levels().SetGridSize(5);
  EXPECT_EQ(model.Levels().CurrentGridSize(), 16);
  model.Levels().SetGridSize(200);
  EXPECT_EQ(model.Levels().CurrentGridSize(), 70);
}

struct SkinTypeCase {
  const char *Name;
  quint8 Type;
};
void PrintTo(const SkinTypeCase &c, std::ostream *os) { *os << '"' << c.Name << '"'; }

class BuilderModelSkinTypeTest : public ::testing::TestWithParam<SkinTypeCase> {};

TEST_P(BuilderModelSkinTypeTest, TypeComesFromTheLastThreeCharacters) {
  TBuilderModel model;
  model.SetSkin(SkinPlaying, GetParam().Name);
  EXPECT_EQ(model.Skin(SkinPlaying).Path, GetParam().Name); // stored even when unknown
  EXPECT_EQ(model.Skin(SkinPlaying).Type, GetParam().Type);
}

INSTANTIATE_TEST_SUITE_P(Names, BuilderModelSkinTypeTest,
                         ::testing::Values(SkinTypeCase{"a.jpg", 1}, SkinTypeCase{"A.JPG", 1},
                                           SkinTypeCase{"a.Bmp", 2}, SkinTypeCase{"xbmp", 2},
                                           SkinTypeCase{"a.jpeg", 0}, SkinTypeCase{"a.gif", 0},
                                           SkinTypeCase{"pg", 0}));

struct ValidateCase {
  const char *Start;
  const char *Playing;
  const char *GameOver;
  bool WithLevel;
  const char *Message;
};
void PrintTo(const ValidateCase &c, std::ostream *os) {
  *os << '"' << c.Start << "\" \"" << c.Playing << "\" \"" << c.GameOver << '"'
      << (c.WithLevel ? " with a level" : " no level");
}

class BuilderModelValidateTest : public ::testing::TestWithParam<ValidateCase> {};

TEST_P(BuilderModelValidateTest, FirstFailingCheckGivesItsMessage) {
  const ValidateCase &c = GetParam();
  TBuilderModel model;
  model.SetSkin(SkinStart, c.Start);
  model.SetSkin(SkinPlaying, c.Playing);
  model.SetSkin(SkinGameOver, c.GameOver);
  if (c.WithLevel)
    model.AddLevels({"l.jpg"});
  EXPECT_EQ(model.Validate(), QString(c.Message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuilderModelValidateTest,
    ::testing::Values(
        ValidateCase{"", "", "", false, "No defined Start Image Found!"},
        ValidateCase{"s.gif", "p.jpg", "e.jpg", true, "No defined Start Image Found!"},
        ValidateCase{"s.jpg", "", "", false, "No defined Levels Image Found!"},
        ValidateCase{"s.jpg", "p.png", "e.jpg", true, "No defined Levels Image Found!"},
        ValidateCase{"s.jpg", "p.bmp", "", true, "No defined Game Over Image Found!"},
        ValidateCase{"s.jpg", "p.bmp", "e.tif", true, "No defined Game Over Image Found!"},
        ValidateCase{"s.jpg", "p.bmp", "e.jpg", false, "No defined Level Found!"},
        ValidateCase{"s.jpg", "p.bmp", "e.jpg", true, ""}));

TEST(BuilderModelTest, FillFromTakesSkinsAndLevelsWithLevelOneCurrent) {
  TGameData game;
  game.StartSkin = {"s.jpg", PictureJpeg, false};
  game.PlayingSkin = {"p.bmp", PictureBmp, true};
  game.GameOverSkin = {"e.jpg", PictureJpeg, true};
  game.Levels = {{"a.jpg", PictureJpeg, 20}, {"b.bmp", PictureBmp, 66}};
  TBuilderModel model = WithLevels(5);
  model.FillFrom(game);
  EXPECT_EQ(model.Levels().All(), game.Levels);
  EXPECT_EQ(model.Levels().Current(), 1);
  EXPECT_EQ(model.Levels().CurrentGridSize(), 20);
  EXPECT_EQ(model.Skin(SkinPlaying).Path, "p.bmp");
  EXPECT_EQ(model.Skin(SkinPlaying).Type, PictureBmp);
  EXPECT_EQ(model.Skin(SkinGameOver).Path, "e.jpg");
  EXPECT_EQ(model.ShownSkin(), SkinStart);
}

TEST(BuilderModelTest, ResetEmptiesSkinsAndLevelsButKeepsTheLayout) {
  TGameData game;
  game.PlayBox = {true, 0x123456};
  game.StartSkin.Stretch = false;
  TBuilderModel model = Complete();
  model.TakeLayout(game);
  model.Reset();
  EXPECT_EQ(model.Levels().Count(), 0);
  EXPECT_EQ(model.Levels().Current(), 0);
  for (TSkinKind kind : {SkinStart, SkinPlaying, SkinGameOver}) {
    EXPECT_TRUE(model.Skin(kind).Path.isEmpty());
    EXPECT_EQ(model.Skin(kind).Type, PictureNone);
  }
  EXPECT_EQ(model.ShownSkin(), SkinStart);
  EXPECT_EQ(model.Box(0), game.PlayBox);
  EXPECT_FALSE(model.Skin(SkinStart).Stretch);
}

TEST(BuilderModelTest, ApplyToCopiesEverythingAndStartsAFreshUnsavedGame) {
  TGameData game;
  game.FormatMark = 7;
  game.Scores[0].Score = 999;
  game.FilePath = "/games/kept.qbx";
  TBuilderModel model = Complete();
  model.AddLevels({"l2.bmp"});
  model.Levels().SetGridSize(52);
  model.SetStretch(SkinPlaying, false);
  model.Box(1) = {true, 0x00FF00};
  model.Box(2) = {false, 0x0000FF};
  model.ApplyTo(game);

  EXPECT_TRUE(game.Unsaved);
  EXPECT_EQ(game.FormatMark, TGameData::BuilderFormatMark);
  EXPECT_EQ(game.Scores, TGameData::DefaultScores());
  EXPECT_EQ(game.FilePath, "/games/kept.qbx");
  EXPECT_EQ(game.Levels, (QList<TLevel>{{"l1.jpg", PictureJpeg, 44}, {"l2.bmp", PictureBmp, 52}}));
  EXPECT_EQ(game.StartSkin, (TSkin{"s.jpg", PictureJpeg, true}));
  EXPECT_EQ(game.PlayingSkin, (TSkin{"p.bmp", PictureBmp, false}));
  EXPECT_EQ(game.GameOverSkin, (TSkin{"e.JPG", PictureJpeg, true}));
  EXPECT_EQ(game.ScoreBox, (TBox{true, 0x00FF00}));
  EXPECT_EQ(game.NextBox, (TBox{false, 0x0000FF}));
}

TEST(BuilderModelTest, ApplyBoxesTouchesOnlyTheOutlines) {
  TGameData game;
  game.Levels = {{"keep.jpg", PictureJpeg, 30}};
  const TGameData before = game;
  TBuilderModel model = Complete();
  model.Box(0) = {false, 0x0000FF};
  model.Box(1) = {true, 0x00FF00};
  model.Box(2) = {true, 0xFF0000};
  model.ApplyBoxes(game);
  EXPECT_EQ(game.PlayBox, model.Box(0));
  EXPECT_EQ(game.ScoreBox, model.Box(1));
  EXPECT_EQ(game.NextBox, model.Box(2));
  game.PlayBox = before.PlayBox;
  game.ScoreBox = before.ScoreBox;
  game.NextBox = before.NextBox;
  EXPECT_EQ(game, before);
}
