// The conveniences on the running program: the hint button and key, autoplay through a whole
// hand, the card counter, keyboard play and the pace of a finished round.
#include <QAction>
#include <QTest>

#include "core/card_counter.h"
#include "core/score_table.h"
#include "flow/round_pace.h"
#include "players/autopilot.h"
#include "players/autopilot_choice.h"
#include "players/hint.h"
#include "program_fixture.h"
#include "rules/keyboard_play.h"
#include "rules/tribute.h"
#include "ui/card_counter_panel.h"
#include "ui/extras_controller.h"
#include "ui/extras_paint.h"

namespace zunda::testing {
namespace {

class ExtrasTest : public TableTest {
 protected:
  ExtrasController& Extras() { return *controller().Extras(); }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Table(), static_cast<Qt::Key>(key), modifiers);
  }
  bool RaisedIs(const PlayRecord& set) {
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      int raised = 0;
      for (int slot : Raised())
        raised += HandSlotRank(g(), slot) == rank ? 1 : 0;
      if (raised != CardsOfRank(set, rank)) return false;
    }
    return true;
  }
  void PlaySevens() {
    const std::vector<int> sevens = Slots(7);
    ClickCard(sevens[0]);
    ClickCard(sevens[3]);
  }
};

// Which sets the hint offers, and in what order, is HintTest's (tests/engine).
TEST_F(ExtrasTest, TheHintsButtonKeyAndMenuItemEachRaiseTheNextSetAndNeverPlay) {
  AtHumansAnswer();
  const std::vector<PlayRecord> sets = HintSets(g());
  ASSERT_FALSE(sets.empty());
  const std::function<void()> presses[] = {[&] { Press(CommandButton::Hint); },
                                           [&] { Key(Qt::Key_H); },
                                           [&] { Extras().HintAction()->trigger(); }};
  for (std::size_t press = 0; press <= sets.size(); ++press) {
    presses[press % 3]();
    EXPECT_TRUE(RaisedIs(sets[press % sets.size()])) << press;
    EXPECT_FALSE(g().Win.TmrMainCircle.Enabled) << "a hint never plays";
  }
  if (Raised().empty()) Key(Qt::Key_H);
  Key(Qt::Key_Return);  // a raised set is laid like any other, here by its key
  EXPECT_EQ(g().MainCourse, TurnStep::HumanAnswered);
  EXPECT_FALSE(g().Flow.HumanPassed);
  EXPECT_FALSE(Shown(CommandButton::Hint));
}

TEST_F(ExtrasTest, AutoplayPlaysTheRestOfTheHandAndGivesTheNextOneBack) {
  Key(Qt::Key_T);
  Key(Qt::Key_T);
  EXPECT_FALSE(g().Extras.AutoplayOn) << "the key switches it off again";
  Key(Qt::Key_T);
  ASSERT_TRUE(g().Extras.AutoplayOn);
  EXPECT_FALSE(AutoplayPlate(*Table(), g()).isEmpty()) << "the table shows the mark";
  int humanActions = 0;
  for (int step = 0; step < 20000 && g().MainCourse != TurnStep::EndHand; ++step) {
    if (Autopilot::TaskFor(g()) != AutopilotTask::None) {
      const TurnStep before = g().MainCourse;
      controller().FireAutoplayStep();
      ASSERT_NE(g().MainCourse, before) << "the autopilot handed the turn back";
      ++humanActions;
      continue;
    }
    ASSERT_TRUE(g().Win.TmrMainCircle.Enabled) << "stuck at " << g().MainCourse;
    Tick();
  }
  ASSERT_EQ(g().MainCourse, TurnStep::EndHand);
  EXPECT_GT(humanActions, 0);
  EXPECT_TRUE(host().FatalMessages().empty());
  EXPECT_FALSE(g().Extras.AutoplayOn) << "autoplay goes with the hand";
  EXPECT_TRUE(AutoplayPlate(*Table(), g()).isEmpty());
  ASSERT_TRUE(TickUntil([&] { return HumanAwaited(g()) || ReturnChoiceOpen(g()); }));
  const TurnStep waiting = g().MainCourse;
  controller().FireAutoplayStep();
  EXPECT_EQ(g().MainCourse, waiting) << "the human is waited for again";
}

TEST_F(ExtrasTest, AHandSavedCanBeLoadedAtOnceWithItsHintAndTheRankingOfTheScoresNow) {
  AtHumansAnswer();
  ASSERT_TRUE(Shown(CommandButton::Hint));
  host().QueueAnswer(Host::Answer::Yes);
  Menu(MenuCommand::Save);
  EXPECT_TRUE(Window().MenuAction(MenuCommand::Read)->isEnabled())
      << "the saved hand can be loaded";
  // Scores that moved after the save are the ones the ranking shows after the restore.
  g().Options.Players[g().Options.CurPlayer].Stats[kScoreIndex] += 50;
  ShowRankingInTalkList(g());
  const std::vector<std::string> ranking = g().Win.LstTalk.Items;
  ClickCard(Slots(9)[0]);

  host().QueueAnswer(Host::Answer::Yes);
  Menu(MenuCommand::Read);
  ASSERT_TRUE(HumanAwaited(g()));
  EXPECT_TRUE(Raised().empty());
  EXPECT_TRUE(Shown(CommandButton::Hint));
  EXPECT_EQ(g().Win.LstTalk.Items, ranking);
}

TEST_F(ExtrasTest, TheCounterShowsTheCardsOthersStillHold) {
  RoundLedWith(kPairOfFives, 6, 5);
  CardCounterPanel& panel = *Extras().Counter();
  EXPECT_FALSE(panel.isVisible());
  Key(Qt::Key_J);
  EXPECT_TRUE(panel.isVisible());
  EXPECT_EQ(Option("Extras", "CardCounter"), "1") << "the switch is saved at once";
  const auto shown = [&](int rank) { return panel.CountText(rank).toInt(); };
  EXPECT_EQ(shown(5), 2) << "the fives are still in seat 6's hand";
  ASSERT_TRUE(TickToHuman());
  PlaySevens();
  ASSERT_TRUE(TickUntil([&] { return g().Hand[1][7].Count == 2; }));
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    EXPECT_EQ(shown(rank), CardsStillOut(g(), rank)) << rank;
  Key(Qt::Key_J);
  EXPECT_FALSE(panel.isVisible());
  EXPECT_EQ(Option("Extras", "CardCounter"), "0");
}

// What each key does with the hand is HandClicks' (tests/engine); here, that the keys reach it.
TEST_F(ExtrasTest, KeysSelectAndPassThroughTheHandOnlyWhenSwitchedOn) {
  AtHumansAnswer();
  g().Options.Extras.Hint = false;
  g().Options.Extras.KeyboardPlay = false;
  controller().Sync();
  EXPECT_FALSE(Shown(CommandButton::Hint));
  for (int key : {Qt::Key_H, Qt::Key_Right, Qt::Key_Up, Qt::Key_P})
    Key(key);
  EXPECT_EQ(FocusedHandSlot(g()), 0);
  EXPECT_TRUE(Raised().empty());
  EXPECT_EQ(g().MainCourse, TurnStep::HumanResponse);

  g().Options.Extras.KeyboardPlay = true;
  controller().Sync();
  const std::vector<int> sevens = Slots(7);
  for (int i = 0; i < 4; ++i)
    Key(Qt::Key_Right);
  EXPECT_EQ(FocusedHandSlot(g()), sevens[0]) << "past the three nines";
  EXPECT_FALSE(HandFocusMark(*Table(), g()).isEmpty());
  Key(Qt::Key_Up);
  EXPECT_EQ(Raised(), (std::vector<int>{sevens[2], sevens[3]}));
  Key(Qt::Key_Backspace);
  EXPECT_TRUE(Raised().empty());
  // A hidden button's key does nothing.
  Key(Qt::Key_Return);
  Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(g().MainCourse, TurnStep::HumanResponse);
  Key(Qt::Key_Space);
  Key(Qt::Key_Right);
  Key(Qt::Key_Space);
  EXPECT_EQ(Raised(), (std::vector<int>{sevens[0], sevens[1]}));
  Key(Qt::Key_Backspace);
  Key(Qt::Key_P);
  EXPECT_EQ(g().MainCourse, TurnStep::HumanAnswered);
  EXPECT_TRUE(g().Flow.HumanPassed);
}

// How long a round stays and when it is held is the engine's (RoundPaceTest in tests/engine).
TEST_F(ExtrasTest, AClickOnTheHandGoesToAHeldRoundNotToTheHand) {
  g().Options.Extras.HoldLastPlay = true;
  AtHumansAnswer();
  PlaySevens();
  ASSERT_TRUE(TickUntil([&] { return RoundHeld(g()); }));
  EXPECT_EQ(TableRow(1).size(), 2u) << "the last play stays on the table";
  ClickCard(Slots(9)[0]);
  EXPECT_FALSE(RoundHeld(g()));
  EXPECT_TRUE(Raised().empty());
  ASSERT_TRUE(TickToHuman());
  EXPECT_EQ(g().LeadSeat, 1);
  EXPECT_TRUE(TableRow(1).empty()) << "the next round began on a clear table";
}

}  // namespace
}  // namespace zunda::testing
