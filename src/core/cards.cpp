#include "core/cards.h"

#include <cctype>

namespace zunda {

CardCode CodeAt(int k) {
  if (k < 0 || k >= 54) Fatal("Err:牌码序号越界(" + std::to_string(k) + ")");
  return CardCode(kCardCodeTable.substr(static_cast<std::size_t>(k) * 3, 3));
}

std::string_view RankLabelView(int rank) {
  if (rank < kLowRank || rank > kBigJoker) Fatal("Err:牌点越界(" + std::to_string(rank) + ")");
  return kRankLabels[static_cast<std::size_t>(rank - kLowRank)];
}

std::string RankLabel(int rank) {
  return std::string(RankLabelView(rank));
}

int PictureIndex(std::string_view code) {
  if (code.size() < 3) return 0;
  const int rank = CardCode(code).Rank();
  switch (std::toupper(static_cast<unsigned char>(code[0]))) {
    case 'C':
      return rank - 2;
    case 'D':
      return rank + 11;
    case 'H':
      return rank + 24;
    case 'S':
    case 'J':
      return rank + 37;
    default:
      return 0;
  }
}

void BuildDeck(DeckArray& deck) {
  for (int pack = 0; pack < 4; ++pack) {
    for (int k = 0; k < 54; ++k) {
      Card& card = deck[54 * pack + k + 1];
      card.Code = CodeAt(k);
      card.Rank = card.Code.Rank();
    }
  }
}

}  // namespace zunda
