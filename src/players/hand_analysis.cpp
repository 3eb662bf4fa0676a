#include "players/hand_analysis.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "core/game.h"
#include "core/seats.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

constexpr int kNoRank = 18;

// The bonus for a rank the seat no longer holds: the lower the rank, the more it is worth to
// have got rid of it.
constexpr std::array<int, 15> kGapBonus = {150, 100, 100, 70, 70, 50, 50, 50,
                                           30,  30,  30,  20, 10, 10, 10};

int Held(const Game& g, int seat, int rank) {
  return g.Hand[seat][rank].Count;
}

}  // namespace

bool IsZundaBucket(const Game& g, int seat, int rank) {
  return IsZundaSet(rank, Held(g, seat, rank));
}

int LowestRank(const Game& g, int seat) {
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    if (Held(g, seat, rank) > 0) return rank;
  }
  return kNoRank;
}

int SecondLowestRank(const Game& g, int seat) {
  for (int rank = LowestRank(g, seat) + 1; rank <= kBigJoker; ++rank) {
    if (Held(g, seat, rank) > 0) return rank;
  }
  return kNoRank;
}

int CountZundaSets(const Game& g, int seat) {
  int sets = 0;
  for (int rank = kLowRank; rank <= kAce; ++rank)
    sets += IsZundaBucket(g, seat, rank) ? 1 : 0;
  return sets;
}

int CountPlainSets(const Game& g, int seat) {
  int sets = 0;
  for (int rank = kLowRank; rank <= kAce; ++rank) {
    if (Held(g, seat, rank) > 0 && !IsZundaBucket(g, seat, rank)) ++sets;
  }
  return sets;
}

int NextActiveTeammate(const Game& g, int seat) {
  int mate = seat;
  for (int step = 0; step < kSeats / 2; ++step) {
    mate = SeatPlusTwo(mate);
    if (!g.Seats[mate].Finished) return mate;
  }
  return seat;
}

bool OneOpponentLeft(const Game& g, int seat) {
  int left = 0;
  for (int other = 1; other <= kSeats; ++other) {
    if (!SameTeam(seat, other) && InPlay(g, other)) ++left;
  }
  return left == 1;
}

bool IsLastOpponent(const Game& g, int seat, int other) {
  if (SameTeam(seat, other)) return false;
  for (int rival = 1; rival <= kSeats; ++rival) {
    if (rival != other && !SameTeam(seat, rival) && InPlay(g, rival)) return false;
  }
  return true;
}

namespace {

void FillGapBonus(Game& g) {
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    g.Ai.GapBonus[rank] = kGapBonus[static_cast<std::size_t>(rank - kLowRank)];
  }
}

// What one rank of the hand adds to its score.
int RankScore(const Game& g, int rank, int count) {
  int score = count * g.CardWeight[rank];
  if (rank <= kAce && IsZundaSet(rank, count)) score += 30;
  if (count == 0) score += g.Ai.GapBonus[rank];
  return score;
}

// The score once every rank has been counted: the sets and the big jokers to escort them.
int ScoreForSets(const Game& g, int seat, int rankScore) {
  const int sets = g.Seats[seat].SetCount;
  int score = sets == 0 ? 0 : rankScore;
  // Enough big jokers to escort every set but the one led last.
  if (Held(g, seat, kBigJoker) >= sets - 1) score += 500;
  if (sets == 2) score += 600;
  if (sets == 1) score += 800;
  return score;
}

}  // namespace

int ScoreHand(Game& g, int seat) {
  FillGapBonus(g);
  int score = 0;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    score += RankScore(g, rank, g.Hand[seat][rank].Count);
    g.DoEvents();
  }
  return ScoreForSets(g, seat, score);
}

bool IsStrongHand(const Game& g, int seat) {
  const int bar = g.Seats[seat].HandScore + 80;
  int below = 0;
  for (const SeatRecord& other : g.Seats)
    below += other.HandScore < bar ? 1 : 0;
  return below >= 4;
}

bool IsNearFinish(const Game& g, int seat) {
  const SeatRecord& s = g.Seats[seat];
  if (s.Finished || s.Scorched) return false;
  return s.SetCount == 1 || CountPlainSets(g, seat) - s.JokerCount <= 1;
}

namespace {

// The seat's score and its plain sets in one pass over the hand, without yielding.
struct SeatFigures {
  int score = 0;
  int plainSets = 0;
};

// The fewest cards of each ordinary rank that make its whole bucket a Zunda play, laid out
// for the walk over the buckets below.
constexpr auto kZundaBucket = [] {
  std::array<int, kAce - kLowRank + 1> fewest{};
  for (std::size_t i = 0; i < fewest.size(); ++i)
    fewest[i] = ZundaMinimum(kLowRank + static_cast<int>(i));
  return fewest;
}();

struct RankFigures {
  int score = 0;
  int plainSets = 0;
};

// Walks the buckets through iterators: the ranks are the array's own, so no index needs a check.
// The gap bonus is the table's own; the assessment has just filled the game's copy from it.
RankFigures CountRankFigures(const HandGrid::Row& hand,
                             const Arr<int, kLowRank, kBigJoker>& weights) {
  const auto bucket = hand.begin();
  const auto weight = weights.begin();
  RankFigures figures;
  for (std::size_t i = 0; i < kGapBonus.size(); ++i) {
    const int count = bucket[i].Count;
    figures.score += count * weight[i];
    if (count == 0) {
      figures.score += kGapBonus[i];
    } else if (count > 0 && i < kZundaBucket.size()) {
      if (count >= kZundaBucket[i])
        figures.score += 30;
      else
        ++figures.plainSets;
    }
  }
  return figures;
}

// A seat whose hand has not been open to change since the last count keeps its figures.
SeatFigures FiguresOf(Game& g, int seat) {
  SeatFiguresCache& cache = g.Ai.Figures;
  const HandGrid& hands = g.Hand;
  const std::uint64_t changes = hands.Changes(seat);
  if (!cache.known[seat] || cache.changes[seat] != changes) {
    const RankFigures counted = CountRankFigures(hands[seat], g.CardWeight);
    cache.rankScore[seat] = counted.score;
    cache.plainSets[seat] = counted.plainSets;
    cache.changes[seat] = changes;
    cache.known[seat] = true;
  }
  SeatFigures figures;
  figures.plainSets = cache.plainSets[seat];
  figures.score = ScoreForSets(g, seat, cache.rankScore[seat]);
  return figures;
}

// The figures hold only for the card weights they were counted with.
void KeepFiguresForWeights(Game& g) {
  SeatFiguresCache& cache = g.Ai.Figures;
  if (std::equal(cache.weights.begin(), cache.weights.end(), g.CardWeight.begin())) return;
  std::copy(g.CardWeight.begin(), g.CardWeight.end(), cache.weights.begin());
  cache.known.Fill(false);
}

void SetAssessment(Game& g, int seat, int score, bool nearFinish) {
  SeatRecord& s = g.Seats[seat];
  s.HandScore = score;
  // Later seats compare against the scores already renewed for the seats before them.
  s.StrongHand = IsStrongHand(g, seat);
  if (nearFinish) {
    s.HandScore = score + 300;
    s.StrongHand = true;
    s.FinishMode = true;
  } else {
    s.FinishMode = false;
  }
}

}  // namespace

void AssessSeats(Game& g) {
  if (g.host->EventsIdle() && !g.Stopped) {
    // No yield would run anything, so no hand can change half way: one pass per seat gives
    // the same figures as scoring rank by rank with a yield after each.
    FillGapBonus(g);
    KeepFiguresForWeights(g);
    for (int seat = 1; seat <= kSeats; ++seat) {
      const SeatFigures figures = FiguresOf(g, seat);
      const SeatRecord& s = g.Seats[seat];
      const bool nearFinish =
          !s.Finished && !s.Scorched && (s.SetCount == 1 || figures.plainSets - s.JokerCount <= 1);
      SetAssessment(g, seat, figures.score, nearFinish);
    }
    return;
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    const int score = ScoreHand(g, seat);
    SetAssessment(g, seat, score, IsNearFinish(g, seat));
  }
}

int SeatWithStaleFigures(const Game& g) {
  const SeatFiguresCache& cache = g.Ai.Figures;
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (!cache.known[seat] || cache.changes[seat] != g.Hand.Changes(seat)) continue;
    const RankFigures counted = CountRankFigures(g.Hand[seat], cache.weights);
    if (counted.score != cache.rankScore[seat] || counted.plainSets != cache.plainSets[seat])
      return seat;
  }
  return 0;
}

bool IsOwnTeamBigPlay(const Game& g, int seat, const PlayRecord& play) {
  return play.Tag == g.Seats[seat].Team && (IsZundaPlay(play) || play.Total >= 6);
}

bool IsWeakFinisher(const Game& g, int seat) {
  const SeatRecord& s = g.Seats[seat];
  if (LowestRank(g, seat) >= 13 && s.CardCount != 1) return false;
  return s.SetCount == 1 && s.JokerCount == 0 && Held(g, seat, kTwo) < 2;
}

void CheckCardTotals(Game& g) {
  if (!g.Ai.HandInPlay) return;
  int total = 0;
  for (const int played : g.PlayedByRank)
    total += played;
  for (const SeatRecord& s : g.Seats)
    total += s.CardCount;
  // Run after every play, which changes one hand: only hands written since they were last
  // checked are looked at, their sign bits gathered without a branch.
  CheckedHandsCache& checked = g.Ai.CheckedHands;
  const HandGrid& hands = g.Hand;
  bool negative = false;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const std::uint64_t changes = hands.Changes(seat);
    if (checked.known[seat] && checked.changes[seat] == changes) continue;
    int counts = 0;
    for (const HandBucket& bucket : hands[seat])
      counts |= bucket.Count;
    if (counts < 0) {
      negative = true;
      continue;
    }
    checked.changes[seat] = changes;
    checked.known[seat] = true;
  }
  // A bucket below zero is reported before the total, whichever seat holds it.
  if (negative) {
    g.ErrorCode = 4;
    Fatal(std::string("Err:") + kCrashReportText + " -手中牌有负数," + "4");
  }
  if (total != kDeckSize) {
    g.ErrorCode = 5;
    Fatal(std::string("ERR:") + kCrashReportText + "5");
  }
}

}  // namespace zunda
