#include "ui/frm_score.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QRadioButton>

namespace zunda {
namespace {

PlayerTable Players(int count) {
  PlayerTable players;
  for (int i = 0; i < count; ++i) {
    players[i].Name = "P" + std::to_string(i + 1);
    players[i].Stats[kScoreIndex] = i + 1;
    players[i].Stats[kRestartIndex] = count - i;
  }
  return players;
}

TEST(FrmScore, ElevenColumnsOfAtMostTenRowsSortedByTheChosenButtonAndChosenTogether) {
  FrmScore window(Players(12));
  ASSERT_EQ(window.LstScore()->count(), 10);
  for (int i = 0; i < kScoreCounters; ++i)
    EXPECT_EQ(window.Lst(i)->count(), 10) << i;
  EXPECT_EQ(window.LstScore()->item(0)->text(), QStringLiteral("01 P12       "));
  EXPECT_EQ(window.Lst(0)->item(0)->text(), QStringLiteral("12          "));

  window.OptSort(1)->setChecked(true);
  EXPECT_EQ(window.LstScore()->item(0)->text(), QStringLiteral("01 P1        "));
  EXPECT_EQ(window.Lst(9)->item(0)->text(), QStringLiteral("12      "));

  // A row chosen in one column is chosen in all.
  window.Lst(3)->setCurrentRow(2);
  EXPECT_EQ(window.LstScore()->currentRow(), 2);
  for (int i = 0; i < kScoreCounters; ++i)
    EXPECT_EQ(window.Lst(i)->currentRow(), 2) << i;
  window.LstScore()->setCurrentRow(4);
  EXPECT_EQ(window.Lst(9)->currentRow(), 4);

  FrmScore few(Players(3));
  EXPECT_EQ(few.LstScore()->count(), 3);
  EXPECT_EQ(few.Lst(5)->count(), 3);
}

}  // namespace
}  // namespace zunda
