#include <gtest/gtest.h>

#include "core/game.h"
#include "core/scripted_host.h"

namespace zunda {
namespace {

// The engine skips a yield when the host says nothing would run; the host must only say so
// when that is true.
TEST(ScriptedHost, IdleExactlyWhenNoHookWouldRun) {
  ScriptedHost host;
  Game g(host);
  EXPECT_TRUE(host.EventsIdle());
  g.DoEvents();

  bool waiting = false;
  int runs = 0;
  int nestedRuns = 0;
  host.OnDoEvents(
      [&] {
        ++runs;
        // A hook that waits itself: the nested yields run nothing.
        EXPECT_TRUE(host.EventsIdle());
        const int before = runs;
        g.DoEvents();
        nestedRuns += runs - before;
      },
      &waiting);
  EXPECT_TRUE(host.EventsIdle());
  g.DoEvents();
  EXPECT_EQ(runs, 0);

  waiting = true;
  EXPECT_FALSE(host.EventsIdle());
  g.DoEvents();
  host.DoEvents();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(nestedRuns, 0);
  EXPECT_FALSE(host.EventsIdle());  // busy again once the hook has returned

  // A hook without a flag runs at every yield; a stopped game unwinds even when idle.
  host.OnDoEvents([&] { ++runs; });
  waiting = false;
  g.DoEvents();
  EXPECT_EQ(runs, 3);
  host.OnDoEvents(nullptr);
  EXPECT_TRUE(host.EventsIdle());
  g.Stopped = true;
  EXPECT_THROW(g.DoEvents(), GameStopped);
}

}  // namespace
}  // namespace zunda
