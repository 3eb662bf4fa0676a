#pragma once

namespace zunda {

struct Game;

inline constexpr int kMaxShortBuckets = 15;

// Deals DeckCopy round the table, one card at a time from seat 1, into the hand buckets and
// settles the leader: on a game's first hand the first seat to hold two threes of one suit,
// else the seat with the most threes (the earlier one on a tie); on later hands the previous
// hand's last place. The human test player "测试牌手" throws in a hand short of high cards.
void DealCards(Game& g);

// Counts the (seat, rank 3..A) buckets holding at most one card into ShortBuckets; true when
// the deal must be dealt again: too many short buckets, or no valid leader.
bool IsUnevenDeal(Game& g);

}  // namespace zunda
