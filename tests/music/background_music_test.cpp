#include "ui/music/background_music.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/music_options.h"
#include "recording_player.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::RecordingPlayer;
using testing::TestGame;

class BackgroundMusic : public ::testing::Test {
 protected:
  void SetUp() override {
    g.AppPath = "C:\\Zunda";
    g.Options.MusicList = {"one.mid", "two.mid  ", "three.wav"};
    g.Options.MusicOn = true;
  }
  std::vector<std::string> Draw(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
      names.push_back(NextTrack(g));
    return names;
  }

  TestGame t;
  Game& g = t.game;
  RecordingPlayer player;
};

TEST_F(BackgroundMusic, InOrderStartsAfterTheCurrentPieceAndWrapsAround) {
  g.Options.MusicMode = kMusicInOrder;
  EXPECT_EQ(Draw(5),
            (std::vector<std::string>{"two.mid", "three.wav", "one.mid", "two.mid", "three.wav"}));
  EXPECT_EQ(g.Options.CurBackMusic, 2);  // the dialog's list shows the piece playing

  // A current piece beyond a shortened list goes back to the first.
  g.Options.CurBackMusic = 7;
  EXPECT_EQ(NextTrack(g), "one.mid");
  EXPECT_EQ(g.Options.CurBackMusic, 0);
}

TEST_F(BackgroundMusic, AtRandomDrawsEveryPieceAndOnlyPiecesOfTheList) {
  g.Options.MusicMode = kMusicAtRandom;
  std::set<int> seen;
  for (int i = 0; i < 200; ++i) {
    NextTrack(g);
    seen.insert(g.Options.CurBackMusic);
  }
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));

  // The same seed gives the same order.
  TestGame other;
  other.game.Options = g.Options;
  other.game.Options.CurBackMusic = 0;
  g.Options.CurBackMusic = 0;
  t.host.Generator().Seed(5);
  other.host.Generator().Seed(5);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(NextTrack(g), NextTrack(other.game));
}

TEST_F(BackgroundMusic, RepeatKeepsTheCurrentPieceAndEmptyListsGiveNoName) {
  g.Options.MusicMode = kMusicRepeatOne;
  g.Options.CurBackMusic = 1;
  EXPECT_EQ(Draw(3), (std::vector<std::string>{"two.mid", "two.mid", "two.mid"}));
  g.Options.MusicMode = 0;  // any mode but 1 and 2 repeats
  EXPECT_EQ(NextTrack(g), "two.mid");

  g.Options.CurBackMusic = 9;
  EXPECT_EQ(NextTrack(g), "");
  g.Options.MusicList.clear();
  for (const int mode : {kMusicInOrder, kMusicAtRandom, kMusicRepeatOne}) {
    g.Options.MusicMode = mode;
    EXPECT_EQ(NextTrack(g), "") << "mode " << mode;
  }
}

TEST_F(BackgroundMusic, TickStartsTheNextPieceOnlyWhenNothingPlays) {
  g.Options.MusicMode = kMusicInOrder;
  g.Win.TmrMedia.Enabled = true;
  TmrMediaTimer(g, player);
  EXPECT_EQ(player.Calls,
            (std::vector<std::string>{"open C:\\Zunda\\Sound\\two.mid", "seek 0", "play"}));
  EXPECT_TRUE(g.Win.TmrMedia.Enabled);
  EXPECT_EQ(g.Win.TmrMedia.Interval, 1000);

  player.Calls.clear();
  player.CurrentStatus = "playing";
  TmrMediaTimer(g, player);
  EXPECT_TRUE(player.Calls.empty());
  EXPECT_TRUE(g.Win.TmrMedia.Enabled);

  // A piece that ended, or never opened, gives way to the next one.
  for (const char* status : {"stopped", ""}) {
    player.CurrentStatus = status;
    player.Calls.clear();
    TmrMediaTimer(g, player);
    ASSERT_FALSE(player.Calls.empty());
    EXPECT_EQ(player.Calls.front(), "open C:\\Zunda\\Sound\\three.wav") << status;
    g.Options.CurBackMusic = 1;
  }
}

TEST_F(BackgroundMusic, WithoutBothDevicesNoMusicIsAttemptedAndTheTimerStops) {
  for (const int devices : {0, 1, 2}) {
    player.Devices = devices;
    g.Win.TmrMedia.Enabled = true;
    TmrMediaTimer(g, player);
    EXPECT_TRUE(player.Calls.empty()) << devices;
    EXPECT_FALSE(g.Win.TmrMedia.Enabled) << devices;
  }
}

TEST_F(BackgroundMusic, MusicOffStopsAndClosesOnceAndOnOkStartsAgain) {
  g.Win.TmrMedia.Enabled = true;
  g.Options.BackMusicCtrl[0] = true;
  SetMusicBox(g.Options, 0, false);  // the music page's "allow" box
  ASSERT_FALSE(g.Options.MusicOn);
  MusicOptionsChanged(g);
  ASSERT_TRUE(g.Win.TmrMedia.Enabled);  // the running timer will do the stopping
  TmrMediaTimer(g, player);
  EXPECT_EQ(player.Calls, (std::vector<std::string>{"stop", "close"}));
  EXPECT_FALSE(g.Win.TmrMedia.Enabled);

  SetMusicBox(g.Options, 0, true);
  MusicOptionsChanged(g);
  EXPECT_TRUE(g.Win.TmrMedia.Enabled);
  EXPECT_EQ(g.Win.TmrMedia.Interval, 1000);
}

TEST(StopAllMedia, StopsThenCloses) {
  RecordingPlayer player;
  StopAllMedia(player);
  EXPECT_EQ(player.Calls, (std::vector<std::string>{"stop", "close"}));
}

}  // namespace
}  // namespace zunda
