// A hand saved and loaded at many points of seeded games plays on as it would have unbroken.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

#include "core/score_table.h"
#include "core/seats.h"
#include "flow/turn_cycle.h"
#include "game_state_compare.h"
#include "played_game.h"
#include "players/decision_observer.h"
#include "rules/finishing.h"
#include "rules/human_input.h"
#include "rules/tribute.h"
#include "store/score_file.h"
#include "store/snapshot.h"
#include "window_input.h"

namespace zunda {
namespace {

using testing::GameDifferences;
using testing::PlayedGame;

enum Point { kLeadPending, kHumanAnswering, kBurning, kReturnPending, kAfterTriple, kRandom };
constexpr int kPointKinds = 6;
constexpr std::array<const char*, kPointKinds> kPointNames = {
    "lead pending",           "human answering",        "burn in progress",
    "tribute return pending", "after a triple capture", "random"};
using PointCounts = std::array<int, kPointKinds>;

// Past this a hand is taken as stuck in an endless round and both games are ended alike.
constexpr int kAdvancesPerHandLimit = 2000;

std::vector<Point> PointsOf(const Game& g) {
  std::vector<Point> points;
  if (HumanAwaited(g) && g.Flow.LeadMode) points.push_back(kLeadPending);
  if (HumanAwaited(g) && !g.Flow.LeadMode) points.push_back(kHumanAnswering);
  if (g.Seats[g.HumanSeat].Burned || g.Burn.BurnerSeat != 0) points.push_back(kBurning);
  if (ReturnChoiceOpen(g)) points.push_back(kReturnPending);
  if (g.TripleCapture && g.Ai.HandInPlay) points.push_back(kAfterTriple);
  return points;
}

// Two games from one seed in lockstep; the second is saved and loaded at the first of each
// kind of point in a hand and at random, must then equal the first, and must tell the same.
class Lockstep {
 public:
  // One program folder for both, since paths show in the controls.
  explicit Lockstep(std::uint64_t seed)
      : seed_(seed),
        unbroken_(seed),
        broken_(seed, unbroken_.folder.path().toStdString()),
        chooser_(static_cast<unsigned>(seed)) {
    lastHand_.fill(-1);
  }

  void Both(const std::function<void(PlayedGame&)>& action) {
    action(unbroken_);
    action(broken_);
  }

  void BeforeEachStep(std::function<void(PlayedGame&)> action) { beforeStep_ = std::move(action); }

  void Run(int advances, PointCounts& met) {
    for (int i = 0; i < advances && !::testing::Test::HasFatalFailure(); ++i)
      StepOnce(met);
  }

 private:
  void StepOnce(PointCounts& met) {
    if (beforeStep_) Both(beforeStep_);
    Game& b = broken_.g();
    std::vector<Point> points = PointsOf(b);
    if (chooser_() % 50 == 0) points.push_back(kRandom);
    bool save = false;
    for (Point point : points) {
      if (point == kRandom || lastHand_[point] != hand_) {
        lastHand_[point] = hand_;
        ++met[point];
        save = true;
      }
    }
    if (save) {
      ASSERT_EQ(SaveAndRestoreInPlace(b, broken_.folder.path().toStdString()), "") << Where();
      ASSERT_EQ(GameDifferences(unbroken_.g(), b), std::vector<std::string>{}) << Where();
    }

    const Game& a = unbroken_.g();
    if (!a.Flow.Running && !a.Win.TmrMainCircle.Enabled) {
      Both([](PlayedGame& p) { p.driver->NewGame(); });
      ++hand_;
      advancesThisHand_ = 0;
    } else if (++advancesThisHand_ > kAdvancesPerHandLimit && !a.Flow.StopRequested) {
      Both([](PlayedGame& p) { Input(p.g(), MnuZundaEndClick); });
    }
    const long long ended = unbroken_.driver->HandsEnded();
    const bool on = unbroken_.driver->Advance();
    ASSERT_EQ(broken_.driver->Advance(), on) << Where();
    ASSERT_EQ(unbroken_.driver->Problem(), "") << Where();
    ASSERT_EQ(broken_.driver->Problem(), "") << Where();
    ASSERT_TRUE(unbroken_.host.FatalMessages().empty())
        << Where() << unbroken_.host.FatalMessages()[0];
    if (unbroken_.driver->HandsEnded() != ended || !on) {
      ++hand_;
      advancesThisHand_ = 0;
      CompareStories();
    }
  }

  void CompareStories() {
    ASSERT_EQ(unbroken_.g().Win.LstDispEvent.Items, broken_.g().Win.LstDispEvent.Items) << Where();
    ASSERT_EQ(unbroken_.host.Messages(), broken_.host.Messages()) << Where();
  }

  std::string Where() const {
    return "seed " + std::to_string(seed_) + ", hand " + std::to_string(hand_) + ", state " +
           std::string(TurnStepName(broken_.game->MainCourse));
  }

  std::uint64_t seed_;
  PlayedGame unbroken_;
  PlayedGame broken_;
  std::mt19937 chooser_;
  long long hand_ = 0;
  int advancesThisHand_ = 0;
  std::function<void(PlayedGame&)> beforeStep_;
  std::array<long long, kPointKinds> lastHand_;
};

// The seats of the odd team lay all their cards, seat 1 last: a triple capture.
void CaptureByOddTeam(PlayedGame& p) {
  Game& g = p.g();
  for (int seat : {3, 5, 1}) {
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      HandBucket& bucket = g.Hand[seat][rank];
      g.PlayedByRank[rank] += bucket.Count;
      bucket.Count = 0;
      bucket.Codes.Fill(CardCode());
    }
    SeatRecord& s = g.Seats[seat];
    s.CardCount = 0;
    s.SetCount = 0;
    s.JokerCount = 0;
    SeatFinished(g, seat);
    SettleAfterGoingOut(g, seat);
  }
  g.Flow.HandOver = true;
  g.Flow.RoundOver = true;
  g.MainCourse = TurnStep::EndRound;
}

// Keeps the human able to burn and makes a computer lead a pair of kings or aces it holds.
void OfferBurns(PlayedGame& p) {
  Game& g = p.g();
  if (g.Ai.HandInPlay) g.Seats[g.HumanSeat].BurnRight = true;
  const int seat = g.CurrentSeat;
  if (g.MainCourse != TurnStep::ExecuteLead || seat == g.HumanSeat ||
      seat == OppositeSeat(g.HumanSeat))
    return;
  for (int rank : {13, kAce}) {
    const HandBucket& bucket = g.Hand[seat][rank];
    if (bucket.Count < 2) continue;
    PlayRecord play;
    play.Seat = seat;
    play.Tag = TeamLetter(seat);
    play.BaseRank = rank;
    play.BaseCount = 2;
    play.Total = 2;
    play.BaseCodes[1] = bucket.Codes[bucket.Count - 1];
    play.BaseCodes[2] = bucket.Codes[bucket.Count];
    g.TablePlay = play;
    return;
  }
}

TEST(SaveRestoreRoundTrip, ContinuesIdenticallyFromManyPointsOfSeededGames) {
  PointCounts met{};
  for (std::uint64_t seed : {3u, 17u, 42u}) {
    Lockstep pair(seed);
    pair.Both([](PlayedGame& p) { p.driver->NewGame(); });
    pair.Run(3000, met);
    if (HasFatalFailure()) return;
  }

  Lockstep capture(5);
  capture.Both([](PlayedGame& p) {
    p.driver->NewGame();
    p.AdvanceUntil([&] { return p.g().MainCourse == TurnStep::StartRound; });
    CaptureByOddTeam(p);
  });
  capture.Run(3000, met);
  if (HasFatalFailure()) return;

  Lockstep burning(8);
  burning.Both([](PlayedGame& p) {
    p.driver->NewGame();
    p.driver->BurnWheneverOffered();
  });
  burning.BeforeEachStep(OfferBurns);
  burning.Run(3000, met);
  if (HasFatalFailure()) return;

  for (int point = 0; point < kPointKinds; ++point)
    EXPECT_GT(met[static_cast<std::size_t>(point)], 0) << "never saved at: " << kPointNames[point];
}

bool LastSeatKeepsItsCards(const Game& g) {
  if (!g.Flow.HandOver || !g.Ai.HandInPlay) return false;
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (g.Seats[seat].CardCount == 0 && CardsInHand(g, seat) > 0) return true;
  }
  return false;
}

struct SilentObserver final : DecisionObserver {
  void BeforeDecision(const Game&, DecisionKind, int) override {}
  void AfterDecision(const Game&, DecisionKind, int) override {}
};

// The last seat shows cards it no longer counts once the hand is over; that save loads, and
// the loaded game keeps its decision observer.
TEST(SaveRestoreRoundTrip, AHandSavedAsItEndsLoadsBack) {
  PlayedGame p(2);
  SilentObserver observer;
  p.g().Decisions = &observer;
  p.driver->NewGame();
  ASSERT_TRUE(p.AdvanceUntil([&] { return LastSeatKeepsItsCards(p.g()); }));
  const Game before = p.g();
  ASSERT_EQ(SaveAndRestoreInPlace(p.g(), p.folder.path().toStdString()), "");
  EXPECT_EQ(GameDifferences(before, p.g()), std::vector<std::string>{});
  EXPECT_EQ(p.g().Decisions, &observer);
}

// A tribute card the payer does not hold would stop the game a tick after the load.
TEST(SavedTribute, ATributeCardThePayerDoesNotHoldIsRefusedAndTheGameKept) {
  PlayedGame p(5);
  p.driver->NewGame();
  ASSERT_TRUE(p.AdvanceUntil([&] { return p.g().MainCourse == TurnStep::StartRound; }));
  CaptureByOddTeam(p);
  ASSERT_TRUE(p.AdvanceUntil([&] { return p.g().Tribute.InProgress; }));
  Game& g = p.g();
  for (int seat : {1, 3, 5})
    EXPECT_EQ(g.Seats[seat].Stats[kScoreIndex], 12);
  EXPECT_EQ(g.Seats[2].Stats[kThreeLostIndex], 1);
  EXPECT_EQ(SeatScoreSumInFile(g), 0);
  const std::string folder = p.folder.path().toStdString();
  ASSERT_EQ(SaveAndRestoreInPlace(g, folder), "") << "a tribute as the game saves it loads";

  int receiver = 0;
  int payer = 0;
  for (int place = 1; place <= 3 && receiver == 0; ++place) {
    const int seat = g.PrevFinishOrder[place];
    if (seat != 0 && g.Seats[seat].TributeCount > 0) {
      receiver = seat;
      payer = g.PrevFinishOrder[7 - place];
    }
  }
  ASSERT_NE(receiver, 0);
  ASSERT_NE(payer, 0);
  // A card of the receiver's that the payer holds no copy of stands in for the first one paid.
  auto payerHolds = [&](const Card& card) {
    const HandBucket& bucket = g.Hand[payer][card.Rank];
    for (int i = 1; i <= bucket.Count; ++i) {
      if (bucket.Codes[i] == card.Code) return true;
    }
    return false;
  };
  Card own;
  for (int rank = kLowRank; rank <= kBigJoker && own.Rank == 0; ++rank) {
    const HandBucket& bucket = g.Hand[receiver][rank];
    for (int i = 1; i <= bucket.Count && own.Rank == 0; ++i) {
      if (!payerHolds(Card{bucket.Codes[i], rank})) own = Card{bucket.Codes[i], rank};
    }
  }
  ASSERT_NE(own.Rank, 0);
  Game edited = g;
  edited.Seats[receiver].TributeSlots[1] = own;
  edited.Seats[payer].TributeSlots[1] = own;
  ASSERT_TRUE(WriteSnapshot(edited, folder, kSavedHandsFile, kSavedStateFile).Ok());

  const TurnStep before = g.MainCourse;
  const int held = CardsInHand(g, receiver);
  EXPECT_EQ(ReadSavedHand(g, folder).Outcome, RestoreOutcome::FilesDisagree);
  EXPECT_EQ(g.MainCourse, before);
  EXPECT_EQ(CardsInHand(g, receiver), held);
  EXPECT_FALSE(g.Stopped);
}

}  // namespace
}  // namespace zunda
