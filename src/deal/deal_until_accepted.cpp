#include "deal/deal_until_accepted.h"

#include <string>

#include "core/display.h"
#include "core/game.h"
#include "core/scoped_flag.h"
#include "deal/deal_cards.h"
#include "deal/shuffle.h"

namespace zunda {

namespace {

// The leader takes back the pair of threes it showed.
void ClearSeatTableArea(Game& g, int seat) {
  ShowPrompt(g, "扣掉自家牌");
  for (int k = 1; k <= 20; ++k) {
    const int slot = 20 * (seat - 1) + k;
    g.Win.ImgTable[slot].Visible = false;
    g.Table.TableSlotUsed[slot] = false;
  }
}

void AnnounceRedeal(Game& g) {
  ShowPrompt(g, "洗牌不匀,重新洗牌");
  AddEventLine(g, "裁  判", "洗牌不匀,重新洗牌、抓牌");
  AddEventLine(g, g.Seats[g.LeadSeat].Name, "好吧\n");
  ClearSeatTableArea(g, g.LeadSeat);
}

void CheckLeaderCanBeDealt(const Game& g) {
  if (!g.FirstHand && (g.LeadSeat < 1 || g.LeadSeat > kSeats)) {
    Fatal("Err:发牌方座次错误,LeadSeat=" + std::to_string(g.LeadSeat));
  }
}

}  // namespace

bool DealUntilAccepted(Game& g) {
  const ScopedFlag dealing(g.Deal.Dealing);
  while (true) {
    ShowPrompt(g, "正在洗牌、分牌，请稍等...");
    if (g.PresetDecksDealt < g.PresetDecks.size()) {
      // A replayed hand is dealt the decks of its record, not the generator's.
      LoadRecordedDeck(g.PresetDecks[g.PresetDecksDealt++], g.Deck);
      g.DeckCopy = g.Deck;
    } else {
      ShuffleDeck(g);
      CutDeck(g);
    }
    RecordDeal(g);
    DealCards(g);
    const bool rejected = IsUnevenDeal(g);
    if (!g.Flow.Running) return false;
    if (!rejected) break;
    CheckLeaderCanBeDealt(g);
    if (g.LeadSeat > 0 && g.FirstHand) AnnounceRedeal(g);
  }
  ShowPrompt(g, "");
  g.PlayedByRank.Fill(0);
  return true;
}

}  // namespace zunda
