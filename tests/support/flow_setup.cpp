#include "flow_setup.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <stdexcept>

#include "core/seats.h"
#include "deal/hand_setup.h"
#include "flow/new_round.h"
#include "flow/turn_cycle.h"
#include "rules/burn_right.h"
#include "rules/finishing.h"
#include "rules/hand_display.h"
#include "sim/position_counts.h"

namespace zunda::testing {

namespace {

int ParseRank(std::string_view text) {
  if (text == "J") return 11;
  if (text == "Q") return 12;
  if (text == "K") return 13;
  if (text == "A") return 14;
  if (text == "2") return kTwo;
  if (text == "J16") return kSmallJoker;
  if (text == "J17") return kBigJoker;
  int rank = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rank);
  if (error != std::errc() || end != text.data() + text.size() || rank < kLowRank ||
      rank > kBigJoker) {
    throw std::invalid_argument("bad rank in hand description: " + std::string(text));
  }
  return rank;
}

CardCode CodeFor(int rank, int index) {
  if (rank >= kSmallJoker) return CardCode(rank == kSmallJoker ? "J16" : "J17");
  static constexpr std::string_view kSuits = "CDHS";
  std::string code(1, kSuits[static_cast<std::size_t>(index % 4)]);
  if (rank < 10) code += '0';
  code += std::to_string(rank);
  return CardCode(code);
}

void AddCard(Game& g, int seat, const CardCode& code) {
  HandBucket& bucket = g.Hand[seat][code.Rank()];
  bucket.Rank = code.Rank();
  bucket.Codes[++bucket.Count] = code;
  g.DealtHand[seat][code.Rank()] = bucket;
}

void EmptyHand(Game& g, int seat) {
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    g.Hand[seat][rank] = HandBucket();
}

}  // namespace

void GiveCards(Game& g, int seat, int rank, int n) {
  for (int i = 0; i < n; ++i)
    AddCard(g, seat, CodeFor(rank, g.Hand[seat][rank].Count));
  sim::SyncSeatCounts(g, seat);
}

void GiveCards(Game& g, int seat, const std::vector<std::string_view>& codes) {
  for (std::string_view text : codes)
    AddCard(g, seat, CardCode(text));
  sim::SyncSeatCounts(g, seat);
}

void SetHand(Game& g, int seat, std::string_view description) {
  EmptyHand(g, seat);
  std::istringstream items{std::string(description)};
  for (std::string item; items >> item;) {
    const std::size_t x = std::min(item.find('x'), item.size());
    int count = 0;
    const auto [countEnd, error] = std::from_chars(item.data(), item.data() + x, count);
    if (x == item.size() || error != std::errc() || countEnd != item.data() + x || count < 1) {
      throw std::invalid_argument("bad item in hand description: " + item);
    }
    const int rank = ParseRank(std::string_view(item).substr(x + 1));
    for (int i = 0; i < count; ++i)
      AddCard(g, seat, CodeFor(rank, g.Hand[seat][rank].Count));
  }
  sim::SyncSeatCounts(g, seat);
}

void GiveHand(Game& g, int seat, std::vector<std::string> codes) {
  EmptyHand(g, seat);
  for (const std::string& text : codes)
    AddCard(g, seat, CardCode(text));
  sim::SyncSeatCounts(g, seat);
  if (seat != g.HumanSeat) return;
  std::stable_sort(codes.begin(), codes.end(), [](const std::string& a, const std::string& b) {
    return CardCode(a).Rank() > CardCode(b).Rank();
  });
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    Image& image = g.Win.ImgHand[slot];
    const bool held = slot <= static_cast<int>(codes.size());
    image.Tag = held ? codes[static_cast<std::size_t>(slot - 1)] : "";
    image.Visible = held;
    image.Top = kHandLowered;
  }
}

void Tick(Game& g) {
  g.host->SleepMs(g.Win.TmrMainCircle.Interval);
  TmrMainCircleTimer(g);
}

bool RunTicksUntil(Game& g, const std::function<bool()>& done, int maxTicks,
                   std::vector<TurnStep>* trace) {
  for (int tick = 0; tick < maxTicks; ++tick) {
    if (done()) return true;
    if (!g.Win.TmrMainCircle.Enabled) return false;
    if (trace != nullptr) trace->push_back(g.MainCourse);
    Tick(g);
  }
  return done();
}

bool RunTicksUntilState(Game& g, TurnStep state, int maxTicks, std::vector<TurnStep>* trace) {
  return RunTicksUntil(
      g, [&] { return g.MainCourse == state; }, maxTicks, trace);
}

void RunWhileTimed(Game& g, int maxTicks, std::vector<TurnStep>* trace) {
  RunTicksUntil(
      g, [] { return false; }, maxTicks, trace);
}

void ReplaceHands(Game& g, const std::array<std::string_view, 6>& hands) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    SetHand(g, seat, hands[static_cast<std::size_t>(seat - 1)]);
    g.DealtHand[seat] = g.Hand[seat];
    UpdateBurnRight(g, seat);
  }
  sim::MarkRestAsPlayed(g);
  ShowHand(g, g.HumanSeat);
}

void SetUpRound(Game& g, const std::array<std::string_view, 6>& hands, int leader) {
  InitHand(g);
  BuildDeck(g.Deck);  // the four packs the next deal shuffles
  ReplaceHands(g, hands);
  g.Ai.HandInPlay = true;
  NewRound(g);
  g.LeadSeat = leader;
  g.MainCourse = TurnStep::StartRound;
  g.Win.TmrMainCircle.Interval = 10;
  g.Win.TmrMainCircle.Enabled = true;
}

void GoneOut(Game& g, int seat) {
  SetHand(g, seat, "");
  sim::MarkRestAsPlayed(g);
  SeatFinished(g, seat);
}

void AnswerWith(Game& g, int seat, int rank, int count, int smallJokers, int bigJokers) {
  PlayRecord& play = g.Selection;
  play = PlayRecord();
  const HandBucket& bucket = g.Hand[seat][rank];
  play.BaseRank = rank;
  for (int i = 1; i <= count; ++i) {
    const CardCode code = bucket.Codes[bucket.Count - count + i];
    if (rank == kTwo) {
      play.TwoCodes[i] = code;
    } else {
      play.BaseCodes[i] = code;
    }
  }
  (rank == kTwo ? play.TwoCount : play.BaseCount) = count;
  play.SmallJokers = smallJokers;
  play.BigJokers = bigJokers;
  play.Total = count + smallJokers + bigJokers;
}

std::vector<int> Order(const Arr<int, 1, kSeats>& order) {
  return std::vector<int>(order.begin(), order.end());
}

int EventLinesWith(const Game& g, std::string_view text) {
  int count = 0;
  for (const std::string& line : g.Win.LstDispEvent.Items) {
    if (line.find(text) != std::string::npos) ++count;
  }
  return count;
}

}  // namespace zunda::testing
