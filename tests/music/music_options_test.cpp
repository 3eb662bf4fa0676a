#include "core/music_options.h"

#include <gtest/gtest.h>

namespace zunda {
namespace {

TEST(MusicOptions, BoxesGiveTheSwitchAndTheMode) {
  struct Case {
    bool allow, inOrder, atRandom, repeat;
    bool on;
    int mode;
  };
  const Case cases[] = {
      {true, true, false, false, true, kMusicInOrder},
      {true, false, true, false, true, kMusicAtRandom},
      {true, true, false, true, true, kMusicRepeatOne},  // repeat wins over order
      {false, false, false, false, false, kMusicAtRandom},
      {true, false, false, false, true, kMusicAtRandom},  // no mode ticked plays at random
  };
  for (const Case& c : cases) {
    OptionsModel options;
    options.BackMusicCtrl[0] = c.allow;
    options.BackMusicCtrl[1] = c.inOrder;
    options.BackMusicCtrl[2] = c.atRandom;
    options.BackMusicCtrl[3] = c.repeat;
    DeriveMusicSettings(options);
    EXPECT_EQ(options.MusicOn, c.on);
    EXPECT_EQ(options.MusicMode, c.mode);
  }

  OptionsModel options;
  SetMusicBox(options, 3, true);
  EXPECT_EQ(options.MusicMode, kMusicRepeatOne);
  SetMusicBox(options, 4, true);  // not a music box: nothing happens, nothing breaks
  SetMusicBox(options, -1, true);
  EXPECT_EQ(options.MusicMode, kMusicRepeatOne);
}

TEST(MusicOptions, DeletingKeepsTheCurrentPiece) {
  OptionsModel options;
  for (const char* name : {"a.mid", "b.mid", "c.mid", "d.mid"})
    ASSERT_TRUE(AddMusic(options, name));
  options.CurBackMusic = 2;  // c.mid
  DeleteMusic(options, 0);
  EXPECT_EQ(options.MusicList, (std::vector<std::string>{"b.mid", "c.mid", "d.mid"}));
  EXPECT_EQ(options.CurBackMusic, 1);  // still c.mid

  DeleteMusic(options, 2);  // after the current piece: no change
  EXPECT_EQ(options.CurBackMusic, 1);
  DeleteMusic(options, 1);  // the current piece, now the last: its predecessor
  EXPECT_EQ(options.CurBackMusic, 0);
  DeleteMusic(options, 5);  // no such row
  DeleteMusic(options, 0);
  EXPECT_TRUE(options.MusicList.empty());
  EXPECT_EQ(options.CurBackMusic, 0);
}

TEST(MusicOptions, TheListIsBounded) {
  OptionsModel options;
  for (int i = 0; i < kMaxMusicTracks; ++i)
    ASSERT_TRUE(AddMusic(options, "x.mid"));
  EXPECT_FALSE(AddMusic(options, "one-too-many.mid"));
  EXPECT_EQ(static_cast<int>(options.MusicList.size()), kMaxMusicTracks);
}

}  // namespace
}  // namespace zunda
