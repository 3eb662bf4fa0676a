// A game saved and loaded again in the middle of a hand still tells its decision observer of
// every computer decision: the decision log of a run that saves and restores has no gaps.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "played_game.h"
#include "players/decision_observer.h"
#include "store/snapshot.h"

namespace zunda {
namespace {

struct CountingObserver final : DecisionObserver {
  void BeforeDecision(const Game&, DecisionKind, int seat) override {
    ++before;
    lastSeat = seat;
  }
  void AfterDecision(const Game&, DecisionKind, int seat) override {
    after += seat == lastSeat ? 1 : 0;
  }
  int before = 0;
  int after = 0;
  int lastSeat = 0;
};

TEST(DecisionObserverRestore, TheObserverStaysWithTheGameThroughASaveAndLoad) {
  testing::PlayedGame played(5);
  CountingObserver observer;
  played.g().Decisions = &observer;
  played.driver->NewGame();
  ASSERT_TRUE(played.AdvanceUntil([&] { return observer.before >= 10; }));

  QTemporaryDir snapshots;
  ASSERT_EQ(SaveAndRestoreInPlace(played.g(), snapshots.path().toStdString()), "");
  EXPECT_EQ(played.g().Decisions, &observer);
  ASSERT_TRUE(played.AdvanceUntil([&] { return observer.before >= 20; }))
      << played.driver->Problem();
  EXPECT_EQ(observer.after, observer.before) << "every choice is told before and after";
}

}  // namespace
}  // namespace zunda
