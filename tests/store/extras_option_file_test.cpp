#include "store/extras_option_file.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "core/game.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::ReadBytes;

class ExtrasOptionFileTest : public ::testing::Test {
 protected:
  ExtrasOptionFileTest() {
    g.AppPath = dir.path().toStdString();
    WriteDefaultOptions(g);
  }
  std::string Key(const char* key) const {
    return classIniFile(OptionFilePath(g)).GetIniKey(kExtrasSection, key);
  }

  QTemporaryDir dir;
  zunda::testing::TestGame t;
  Game& g = t.game;
};

TEST_F(ExtrasOptionFileTest, AFileWithoutTheSectionLoadsTheDefaults) {
  g.Options.Extras.Hint = false;
  g.Options.Extras.RoundStayMs = 750;
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(g.Options.Extras, ExtrasOptions{});
  // The defaults keep the game's own pace and offer every convenience but the counter.
  EXPECT_FALSE(g.Options.Extras.HoldLastPlay);
  EXPECT_EQ(g.Options.Extras.RoundStayMs, 0);
  EXPECT_TRUE(g.Options.Extras.Hint);
  EXPECT_TRUE(g.Options.Extras.KeyboardPlay);
}

TEST_F(ExtrasOptionFileTest, EveryKeyRoundTripsUnderItsOwnSection) {
  ExtrasOptions& x = g.Options.Extras;
  x.Hint = false;
  x.Autoplay = false;
  x.CardCounter = true;
  x.KeyboardPlay = false;
  x.HoldLastPlay = true;
  x.RoundStayMs = 2250;
  const ExtrasOptions saved = x;
  SaveOptions(g);
  EXPECT_EQ(Key("Hint"), "0");
  EXPECT_EQ(Key("Autoplay"), "0");
  EXPECT_EQ(Key("CardCounter"), "1");
  EXPECT_EQ(Key("KeyboardPlay"), "0");
  EXPECT_EQ(Key("HoldLastPlay"), "1");
  EXPECT_EQ(Key("RoundStayMs"), "2250");

  x = ExtrasOptions{};
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(x, saved);
}

TEST_F(ExtrasOptionFileTest, MissingOrDamagedKeysFallBackOneByOne) {
  const classIniFile ini(OptionFilePath(g));
  ini.WriteIniKey(kExtrasSection, "CardCounter", " 1 ");
  ini.WriteIniKey(kExtrasSection, "Hint", "");
  ini.WriteIniKey(kExtrasSection, "RoundStayMs", "999999");
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  ExtrasOptions expected;
  expected.CardCounter = true;
  expected.RoundStayMs = kRoundStayMsMax;
  EXPECT_EQ(g.Options.Extras, expected);

  ini.WriteIniKey(kExtrasSection, "RoundStayMs", "-40");
  ini.WriteIniKey(kExtrasSection, "KeyboardPlay", "no");  // not a number: off
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(g.Options.Extras.RoundStayMs, 0);
  EXPECT_FALSE(g.Options.Extras.KeyboardPlay);
}

TEST_F(ExtrasOptionFileTest, TheMenuSwitchesWriteOnlyTheirOwnSection) {
  const QByteArray before = ReadBytes(OptionFilePath(g));
  g.Options.Extras.CardCounter = true;
  g.Options.BarName = "changed elsewhere";  // not written by the switch
  SaveExtrasOptions(g);
  const QByteArray after = ReadBytes(OptionFilePath(g));
  ASSERT_TRUE(after.startsWith(before)) << "every earlier line stays as it was";
  EXPECT_EQ(after.mid(before.size()),
            "[Extras]\r\nHint=1\r\nAutoplay=1\r\nCardCounter=1\r\nKeyboardPlay=1\r\n"
            "HoldLastPlay=0\r\nRoundStayMs=0\r\n");
}

}  // namespace
}  // namespace zunda
