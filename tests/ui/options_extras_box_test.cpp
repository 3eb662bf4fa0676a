#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "options_dialog_fixture.h"
#include "ui/options_extras_box.h"
#include "ui/options_game_page.h"

namespace zunda::testing {
namespace {

TEST_F(OptionsDialogTest, TheGamePageSwitchesTheConveniencesAndOkSavesThem) {
  FrmOptionsTab dialog(g(), hooks_);
  ExtrasBox& box = *dialog.GameSettings->Extras;
  // A file without the section shows the defaults: every convenience but the counter, and the
  // game's own pace.
  EXPECT_TRUE(box.ChkHint->isChecked());
  EXPECT_TRUE(box.ChkAutoplay->isChecked());
  EXPECT_FALSE(box.ChkCardCounter->isChecked());
  EXPECT_TRUE(box.ChkKeyboardPlay->isChecked());
  EXPECT_FALSE(box.ChkHoldLastPlay->isChecked());
  EXPECT_EQ(box.SldRoundStay->value(), 0);
  EXPECT_EQ(box.LblRoundStay->text(), QStringLiteral("照常"));

  box.ChkHint->setChecked(false);
  box.ChkCardCounter->setChecked(true);
  box.ChkHoldLastPlay->setChecked(true);
  box.SldRoundStay->setValue(1130);  // the value sits on the slider's steps
  EXPECT_EQ(box.LblRoundStay->text(), QStringLiteral("至少1250毫秒"));
  EXPECT_TRUE(g().Options.Extras.Hint) << "nothing changes before OK";

  // Changing only the conveniences does not end a running hand.
  g().Flow.Running = true;
  dialog.CmdOK->click();
  EXPECT_FALSE(g().Flow.StopRequested);
  EXPECT_EQ(Key("Extras", "Hint"), "0");
  EXPECT_EQ(Key("Extras", "CardCounter"), "1");
  EXPECT_EQ(Key("Extras", "HoldLastPlay"), "1");
  EXPECT_EQ(Key("Extras", "RoundStayMs"), "1250");
  EXPECT_FALSE(g().Options.Extras.Hint);
  EXPECT_EQ(g().Options.Extras.RoundStayMs, 1250);

  FrmOptionsTab again(g(), hooks_);
  EXPECT_FALSE(again.GameSettings->Extras->ChkHint->isChecked());
  EXPECT_EQ(again.GameSettings->Extras->SldRoundStay->value(), 1250);
  EXPECT_EQ(again.GameSettings->Extras->LblRoundStay->text(), QStringLiteral("至少1250毫秒"));
}

}  // namespace
}  // namespace zunda::testing
