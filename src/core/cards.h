#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/checked_array.h"

namespace zunda {

// Rank values: 3..10 pips, 11 J, 12 Q, 13 K, 14 A, 15 the two, 16 small joker, 17 big joker.
inline constexpr int kLowRank = 3;
inline constexpr int kAce = 14;
inline constexpr int kTwo = 15;
inline constexpr int kSmallJoker = 16;
inline constexpr int kBigJoker = 17;
inline constexpr int kDeckSize = 216;

inline constexpr std::string_view kCardCodeTable =
    "C03C04C05C06C07C08C09C10C11C12C13C14C15D03D04D05D06D07D08D09D10D11D12D13D14D15"
    "H03H04H05H06H07H08H09H10H11H12H13H14H15S03S04S05S06S07S08S09S10S11S12S13S14S15J16J17";
// Two display columns per rank; the Chinese labels take one character each with a leading
// blank (" 钱") or two characters ("小虎").
inline constexpr std::array<std::string_view, 15> kRankLabels = {
    " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", " J", " Q", " K", " A", " 钱", "小虎", "大虎"};

// A three-character card code such as "C03" or "J17"; all blanks when empty.
struct CardCode {
  std::array<char, 3> ch{' ', ' ', ' '};

  CardCode() = default;
  // Inline: a code is read from a card's tag many times a play.
  explicit CardCode(std::string_view text) {
    for (std::size_t i = 0; i < ch.size(); ++i)
      ch[i] = i < text.size() ? text[i] : ' ';
  }

  bool IsBlank() const { return ch[0] == ' ' && ch[1] == ' ' && ch[2] == ' '; }
  // The numeric value of the last two characters, 0 when they are not digits.
  int Rank() const {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!digit(ch[1]) || !digit(ch[2])) return 0;
    return (ch[1] - '0') * 10 + (ch[2] - '0');
  }
  char Suit() const { return ch[0]; }
  std::string Str() const { return std::string(ch.begin(), ch.end()); }
  bool operator==(const CardCode&) const = default;
};

struct Card {
  CardCode Code;
  int Rank = 0;
  bool operator==(const Card&) const = default;
};

using DeckArray = Arr<Card, 1, kDeckSize>;

// Code number k (0-based) of the card code table.
CardCode CodeAt(int k);
std::string RankLabel(int rank);
// The same label without a copy.
std::string_view RankLabelView(int rank);
// Picture number 1..54 of a card face; 0 for an unknown suit letter.
int PictureIndex(std::string_view code);
void BuildDeck(DeckArray& deck);

}  // namespace zunda
