#include "core/players.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/options_dialog_rules.h"

namespace zunda {
namespace {

// Aldor without a password, then Bersa ("pw") and Corvan ("secret").
OptionsModel ThreePlayers() {
  OptionsModel o;
  o.PlayerNum = 3;
  o.Players[0].Name = "Aldor";
  o.Players[1].Name = "Bersa";
  o.Players[1].Password = "pw";
  o.Players[1].Stats[1] = 11;
  o.Players[2].Name = "Corvan";
  o.Players[2].Password = "secret";
  o.Players[2].Stats[1] = 22;
  return o;
}

TEST(PlayerTable, LogInComparesTrimmedPasswords) {
  OptionsModel o = ThreePlayers();
  PlayerOutcome out = LogIn(o, 1, "wrong");
  EXPECT_EQ(std::tuple(out.Done, out.Message, o.CurPlayer), std::tuple(false, "Err : 密码错。", 0));
  out = LogIn(o, 1, "  pw ");
  EXPECT_EQ(std::tuple(out.Done, out.Message, o.CurPlayer),
            std::tuple(true, "成功登录:Bersa\n当前登录玩家 : Bersa", 1));

  // The first player has no password: an empty box (or blanks) logs him in.
  EXPECT_TRUE(LogIn(o, 0, "   ").Done);
  EXPECT_EQ(o.CurPlayer, 0);
  EXPECT_FALSE(LogIn(o, 0, "x").Done);

  // Nothing chosen, or a row past the table: nothing happens.
  const OptionsModel before = o;
  EXPECT_FALSE(LogIn(o, -1, "").Done);
  EXPECT_FALSE(LogIn(o, 3, "").Done);
  EXPECT_EQ(o, before);
}

TEST(PlayerTable, AddingRefusesDuplicatesOverlongNamesAndAFullTable) {
  OptionsModel o = ThreePlayers();
  const OptionsModel before = o;
  PlayerOutcome out = AddPlayer(o, " Bersa ");
  EXPECT_EQ(std::tuple(out.Done, out.Message), std::tuple(false, "该玩家已经存在!"));
  EXPECT_FALSE(AddPlayer(o, std::string(31, 'x')).Done);
  EXPECT_EQ(o, before);

  out = AddPlayer(o, "  ");
  EXPECT_EQ(std::tuple(out.Done, out.Message),
            std::tuple(true, "New Player 添加完毕, None Password."));
  EXPECT_EQ(std::tuple(o.PlayerNum, o.Players[3].Name, o.Players[3].Password),
            std::tuple(4, "New Player", ""));
  EXPECT_EQ(AddPlayer(o, "").Message, "该玩家已经存在!");

  // Thirty characters fit the name field, also when they are Chinese.
  EXPECT_TRUE(AddPlayer(o, "张三张三张三张三张三张三张三张三张三张三张三张三张三张三张三").Done);

  while (o.PlayerNum < kMaxPlayers)
    ASSERT_TRUE(AddPlayer(o, "P" + std::to_string(o.PlayerNum)).Done);
  const OptionsModel full = o;
  EXPECT_FALSE(AddPlayer(o, "One Too Many").Done);
  EXPECT_EQ(o, full);
}

TEST(PlayerTable, PasswordsChangeOnlyWithTheOldOneAndNeverForTheFirstPlayer) {
  OptionsModel o = ThreePlayers();
  const OptionsModel before = o;
  EXPECT_EQ(ChangePassword(o, 0, "", "abc").Message, "Err : 原始玩家不能设密码!");
  // A wrong old password is reported first, as for any player.
  EXPECT_EQ(ChangePassword(o, 0, "x", "abc").Message, "Err : 原有密码输入错!");
  EXPECT_EQ(DeletePlayer(o, 0, "").Message, "Err : 原始玩家不能删除!");
  EXPECT_EQ(DeletePlayer(o, 0, "x").Message, "Err : 密码错!");
  EXPECT_EQ(ChangePassword(o, 1, "nope", "new").Message, "Err : 原有密码输入错!");
  // Longer than the file's password field: it could never be typed back.
  EXPECT_FALSE(ChangePassword(o, 1, "pw", "1234567890123").Done);
  EXPECT_EQ(o, before);

  const PlayerOutcome out = ChangePassword(o, 1, "pw", " 123456789012 ");
  EXPECT_EQ(std::tuple(out.Done, out.Message), std::tuple(true, "密码修改完毕!"));
  EXPECT_TRUE(PasswordMatches(o.Players[1], "123456789012"));
  EXPECT_TRUE(LogIn(o, 1, "123456789012").Done);
  // Removing a password: the new one left empty.
  EXPECT_TRUE(ChangePassword(o, 1, "123456789012", "").Done);
  EXPECT_TRUE(LogIn(o, 1, "").Done);
}

TEST(OptionsDialogRules, LogInQuestionComparesTheSeatsTwelveCharacters) {
  EXPECT_FALSE(NotLoggedIn("Aldor", " Aldor "));
  EXPECT_TRUE(NotLoggedIn("Aldor", "Bersa"));
  // The seat keeps only twelve characters of a long name: still the same player.
  EXPECT_FALSE(NotLoggedIn("Abcdefghijkl", "Abcdefghijklmnop"));
  EXPECT_EQ(SeatNameOf(" 一二三四五六七八九十甲乙丙 "), "一二三四五六七八九十甲乙");
  EXPECT_EQ(NotLoggedInQuestion("Bersa "), "游戏玩家〖Bersa〗未登录！是否重新登录？");
  EXPECT_EQ(LoggedInStatus("Aldor "), "当前登录玩家是：〖Aldor〗");
  EXPECT_EQ(DefaultPlayerStatus("Aldor"), "默认登录玩家：〖Aldor〗");
}

TEST(OptionsDialogRules, ScrollPositionsStayOnTheirScales) {
  OptionsModel o;
  SetGameSpeedMs(o, 300);
  EXPECT_EQ(std::tuple(o.DelayTimeShunPai, o.DelayTimeZundaPai), std::tuple(0.2, 0.2));
  SetFoldDelayMs(o, 50);
  EXPECT_EQ(FoldDelayMs(o), 100);
  SetBurnWaitSeconds(o, 11);
  EXPECT_EQ(BurnWaitSeconds(o), 10);
  o.DelayTimeShunPai = 0.0;  // a file that held nonsense
  EXPECT_EQ(GameSpeedMs(o), 5);
  EXPECT_EQ(GameSpeedText(40), "延时40毫秒");
  EXPECT_EQ(FoldDelayText(500), "500毫秒");
}

TEST(OptionsDialogRules, DefaultsTouchOnlyMusicWaitsAndBossCaption) {
  OptionsModel o = ThreePlayers();
  o.SkinsList = {"Normal", "Mine"};
  o.CurSkin = "Mine";
  o.JinGong = false;
  o.RecRunData = true;
  o.BackMusicCtrl[3] = true;
  o.MusicList = {"a.mid", "b.mid"};
  o.CurBackMusic = 1;
  o.BarName = "Excel";
  SetDialogDefaults(o);

  EXPECT_TRUE(o.BackMusicCtrl[0] && o.BackMusicCtrl[1] && !o.BackMusicCtrl[3] && o.MusicOn);
  EXPECT_EQ(std::tuple(o.MusicMode, o.CurBackMusic, GameSpeedMs(o), FoldDelayMs(o),
                       BurnWaitSeconds(o), o.BarName),
            std::tuple(1, 0, 40, 500, 5, "WINDOWS"));
  EXPECT_EQ(o.Players, ThreePlayers().Players);
  EXPECT_EQ(std::tuple(o.CurSkin, o.JinGong, o.RecRunData), std::tuple("Mine", false, true));
  EXPECT_TRUE(SameSkin("parisdress", " ParisDress"));
  EXPECT_FALSE(SameSkin("Paris", "ParisDress"));
}

}  // namespace
}  // namespace zunda
