// The music page's boxes and list, as the options keep them.
#include "core/music_options.h"

#include <gtest/gtest.h>

namespace zunda {
namespace {

TEST(MusicOptions, BoxesGiveTheSwitchAndTheMode) {
  const struct {
    bool allow, inOrder, atRandom, repeat, on;
    int mode;
  } cases[] = {
      {true, true, false, false, true, kMusicInOrder},
      {true, false, true, false, true, kMusicAtRandom},
      {true, true, false, true, true, kMusicRepeatOne},  // repeat wins over order
      {false, false, false, false, false, kMusicAtRandom},
      {true, false, false, false, true, kMusicAtRandom},  // no mode ticked plays at random
  };
  for (const auto& c : cases) {
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

TEST(MusicOptions, DeletingKeepsTheCurrentPieceAndTheListIsBounded) {
  OptionsModel options;
  for (const char* name : {"a.mid", "b.mid", "c.mid", "d.mid"})
    ASSERT_TRUE(AddMusic(options, name));
  options.CurBackMusic = 2;  // c.mid
  // Before the current piece, after it, the current one (now the last), no such row.
  for (const auto& [row, current] : {std::pair{0, 1}, {2, 1}, {1, 0}, {5, 0}, {0, 0}}) {
    DeleteMusic(options, row);
    EXPECT_EQ(options.CurBackMusic, current) << row;
  }
  EXPECT_TRUE(options.MusicList.empty());

  for (int i = 0; i < kMaxMusicTracks; ++i)
    ASSERT_TRUE(AddMusic(options, "x.mid"));
  EXPECT_FALSE(AddMusic(options, "one-too-many.mid"));
  EXPECT_EQ(static_cast<int>(options.MusicList.size()), kMaxMusicTracks);
}

}  // namespace
}  // namespace zunda
