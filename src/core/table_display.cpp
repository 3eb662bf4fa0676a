#include "core/table_display.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "core/display.h"
#include "core/fixed_text.h"
#include "core/game.h"
#include "core/text.h"

namespace zunda {

namespace {

int TableImage(int seat, int k) {
  return kTableImagesPerSeat * (seat - 1) + k;
}

// The rank labels without their leading blanks, trimmed once when the program is built.
constexpr std::string_view TrimmedLabel(std::string_view label) {
  while (!label.empty() && (label.front() == ' ' || label.front() == '\t'))
    label.remove_prefix(1);
  while (!label.empty() && (label.back() == ' ' || label.back() == '\t'))
    label.remove_suffix(1);
  return label;
}

// A rank's piece of the status text, its trimmed label and a colon, in a block of fixed size
// that is copied whole: the text is rebuilt after most plays, and copying a fixed block takes a
// few instructions where copying a piece of varying length calls the library.
struct StatusPiece {
  std::array<char, 16> chars{};
  std::size_t size = 0;
};

constexpr std::array<StatusPiece, kRankLabels.size()> kStatusPieces = [] {
  std::array<StatusPiece, kRankLabels.size()> pieces{};
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const std::string_view label = TrimmedLabel(kRankLabels[i]);
    StatusPiece& piece = pieces[i];
    for (const char c : label)
      piece.chars[piece.size++] = c;
    piece.chars[piece.size++] = ':';
  }
  return pieces;
}();

}  // namespace

void ResetTableDisplay(Game& g) {
  MainWindowControls& win = g.Win;
  for (Frame& frame : win.Frame1)
    frame.Visible = true;
  for (CardImage& image : win.ImgTable)
    image.Visible = false;
  g.Table.TableSlotUsed.Fill(false);

  for (Button* button :
       {&win.CmdPass, &win.CmdShaoHuLe, &win.CmdHG, &win.CmdSend, &win.CmdNotSP, &win.CmdReturn}) {
    button->Visible = false;
  }
  win.ImgRGB.Visible = false;

  // The tag keeps the plain name, so finishing titles added to the caption disappear here.
  for (Label& name : win.LblName) {
    name.Visible = true;
    name.Caption = name.Tag;
  }

  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int k = 1; k <= kTableImagesPerSeat; ++k) {
      CardImage& image = win.ImgTable[TableImage(seat, k)];
      image.Top = kTableLaidTop;
      image.Left = kFirstCardLeft + g.Table.CardStep * (k - 1);
    }
  }
  for (int k = 1; k <= kHandSlots; ++k) {
    Image& slot = win.ImgHand[k];
    slot.Visible = false;
    slot.Top = kHandLowered;
    slot.Left = kFirstCardLeft + g.Table.CardStep * (k - 1);
  }

  ShowPrompt(g, "");
}

void HideTableRow(Game& g, int seat) {
  bool& clear = g.TableCache.RowClear[seat - 1];
  if (clear) return;
  for (int k = 1; k <= kTableImagesPerSeat; ++k) {
    const int index = TableImage(seat, k);
    g.Win.ImgTable[index].Visible = false;
    g.Table.TableSlotUsed[index] = false;
  }
  AssignIfChanged(g.Win.ImgTableRowTip[seat], kNotPlayedTip);
  clear = true;
}

void SetTableRowTip(Game& g, int seat, std::string_view tip) {
  g.Win.ImgTableRowTip[seat].assign(tip);
  if (tip != kNotPlayedTip) g.TableCache.RowClear[seat - 1] = false;
}

void ShowPlay(Game& g, int seat, const PlayRecord& play) {
  Label& name = g.Win.LblName[seat];
  g.Seats[seat].Shade = SeatShade::None;
  if (name.BackColor != kColorNormal) {
    name.BackColor = kColorNormal;
    name.BorderStyle = 0;
    name.Opaque = false;
  }
  g.Table.ShownPlay[seat - 1] = play;
  g.TableCache.RowClear[seat - 1] = false;

  // A row has 20 images; a larger set (possible with many twos attached) shows its first 20
  // cards and never spills into the next seat's row. Every card still counts as played.
  int filled = 0;
  const auto lay = [&](const CardCode& code) {
    if (filled == kTableImagesPerSeat) return;
    ++filled;
    const int index = TableImage(seat, filled);
    CardImage& image = g.Win.ImgTable[index];
    image.Tag.assign(code.ch.begin(), code.ch.end());
    image.Top = kTableShownTop;
    image.Visible = true;
    g.Table.TableSlotUsed[index] = true;
  };
  for (int i = 0; i < play.BigJokers; ++i)
    lay(CardCode("J17"));
  for (int i = 0; i < play.SmallJokers; ++i)
    lay(CardCode("J16"));
  for (int i = 1; i <= play.TwoCount; ++i)
    lay(play.TwoCodes[i]);
  for (int i = 1; i <= play.BaseCount; ++i)
    lay(play.BaseCodes[i]);

  g.Table.LastShownSeat = seat;
  g.Table.LastShownCount = filled;

  g.PlayedByRank[kBigJoker] += play.BigJokers;
  g.PlayedByRank[kSmallJoker] += play.SmallJokers;
  g.PlayedByRank[kTwo] += play.TwoCount;
  if (play.BaseCount > 0) g.PlayedByRank[play.BaseRank] += play.BaseCount;

  // Rebuilt in place when a count it shows changed: a play is shown dozens of times a hand.
  TableDisplayCache& known = g.TableCache;
  bool same = known.StatusTextKnown;
  for (int rank = 10; rank <= kBigJoker; ++rank) {
    same = same && known.StatusTextCounts[rank] == g.PlayedByRank[rank];
    known.StatusTextCounts[rank] = g.PlayedByRank[rank];
  }
  if (!same) WritePlayedStatusText(g, g.Table.PlayedStatusText);
  known.StatusTextKnown = true;
  // An empty status bar has been switched off by the user and stays empty.
  Label& status = g.Win.LblStatusBar[0];
  if (!TrimView(status.Caption).empty()) AssignIfChanged(status.Caption, g.Table.PlayedStatusText);
}

void WritePlayedStatusText(const Game& g, std::string& text) {
  // Put together in a buffer and copied once: the text is written after every play.
  constexpr std::string_view kHeading = " 已经发出的牌: ";
  constexpr std::size_t kRanksShown = kBigJoker - 10 + 1;
  constexpr std::size_t kLongestText =
      kHeading.size() + kRanksShown * (sizeof(StatusPiece::chars) + kLongestIntText + 1);
  std::array<char, kLongestText> buffer;
  char* out = std::copy(kHeading.begin(), kHeading.end(), buffer.begin());
  for (int rank = kBigJoker; rank >= 10; --rank) {
    const StatusPiece& piece = kStatusPieces[static_cast<std::size_t>(rank - kLowRank)];
    std::memcpy(out, piece.chars.data(), piece.chars.size());
    out += piece.size;
    out = std::to_chars(out, buffer.end(), g.PlayedByRank[rank]).ptr;
    *out++ = ' ';
  }
  text.assign(buffer.data(), out);
}

bool SlideTableCard(Game& g, int image) {
  if (!g.Table.TableSlotUsed[image]) return false;
  CardImage& card = g.Win.ImgTable[image];
  if (card.Top <= kTableSlideStep) return false;
  card.Top -= kTableSlideStep;
  return true;
}

int SlideTableCards(Game& g) {
  int moved = 0;
  for (int image = 1; image <= kTableSlots; ++image) {
    if (g.Flow.StopRequested) break;
    if (SlideTableCard(g, image)) ++moved;
  }
  return moved;
}

}  // namespace zunda
