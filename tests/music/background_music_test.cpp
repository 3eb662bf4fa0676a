#include "ui/music/background_music.h"

#include <gtest/gtest.h>

#include <set>

#include "core/music_options.h"
#include "recording_player.h"
#include "test_game.h"

namespace zunda {
namespace {

using Names = std::vector<std::string>;

class BackgroundMusic : public ::testing::Test {
 protected:
  void SetUp() override {
    g.AppPath = "C:\\Zunda";
    g.Options.MusicList = {"one.mid", "two.mid  ", "three.wav"};
    g.Options.MusicOn = true;
  }
  Names Draw(int count) {
    Names names;
    for (int i = 0; i < count; ++i)
      names.push_back(NextTrack(g));
    return names;
  }

  testing::TestGame t;
  Game& g = t.game;
  testing::RecordingPlayer player;
};

TEST_F(BackgroundMusic, EachModeDrawsItsNextPieceAndAnEmptyListNone) {
  g.Options.MusicMode = kMusicInOrder;
  EXPECT_EQ(Draw(4), (Names{"two.mid", "three.wav", "one.mid", "two.mid"}));
  EXPECT_EQ(g.Options.CurBackMusic, 1);  // the dialog's list shows the piece playing
  g.Options.CurBackMusic = 7;            // beyond a shortened list: back to the first
  EXPECT_EQ(NextTrack(g), "one.mid");

  g.Options.MusicMode = kMusicRepeatOne;
  EXPECT_EQ(Draw(2), (Names{"one.mid", "one.mid"}));
  g.Options.MusicMode = 0;  // any mode but 1 and 2 repeats
  EXPECT_EQ(NextTrack(g), "one.mid");
  g.Options.CurBackMusic = 9;
  EXPECT_EQ(NextTrack(g), "");

  g.Options.MusicMode = kMusicAtRandom;
  std::set<int> seen;
  for (int i = 0; i < 200; ++i) {
    NextTrack(g);
    seen.insert(g.Options.CurBackMusic);
  }
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2}));

  g.Options.MusicList.clear();
  for (const int mode : {kMusicInOrder, kMusicAtRandom, kMusicRepeatOne}) {
    g.Options.MusicMode = mode;
    EXPECT_EQ(NextTrack(g), "") << "mode " << mode;
  }
}

TEST_F(BackgroundMusic, TheTickStartsTheNextPieceOnlyWhenNothingPlays) {
  g.Options.MusicMode = kMusicInOrder;
  g.Win.TmrMedia.Enabled = true;
  TmrMediaTimer(g, player);
  EXPECT_EQ(player.Calls, (Names{"open C:\\Zunda\\Sound\\two.mid", "seek 0", "play"}));
  EXPECT_TRUE(g.Win.TmrMedia.Enabled);
  EXPECT_EQ(g.Win.TmrMedia.Interval, 1000);

  // Playing: left alone. Ended, or never opened: the next piece.
  for (const auto& [status, next] : {std::pair<const char*, const char*>{"playing", ""},
                                     {"stopped", "three.wav"},
                                     {"", "one.mid"}}) {
    player.CurrentStatus = status;
    player.Calls.clear();
    TmrMediaTimer(g, player);
    EXPECT_EQ(player.Calls.empty() ? "" : player.Calls.front(),
              *next ? std::string("open C:\\Zunda\\Sound\\") + next : "")
        << status;
    EXPECT_TRUE(g.Win.TmrMedia.Enabled);
  }

  // Without both devices nothing is attempted and the timer stops.
  for (const int devices : {0, 1, 2}) {
    player.Devices = devices;
    player.Calls.clear();
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
  EXPECT_EQ(player.Calls, (Names{"stop", "close"}));
  EXPECT_FALSE(g.Win.TmrMedia.Enabled);

  SetMusicBox(g.Options, 0, true);
  MusicOptionsChanged(g);
  EXPECT_TRUE(g.Win.TmrMedia.Enabled);
  EXPECT_EQ(g.Win.TmrMedia.Interval, 1000);
}

}  // namespace
}  // namespace zunda
