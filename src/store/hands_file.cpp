#include "store/hands_file.h"

#include "core/game.h"

namespace zunda {

namespace {

constexpr int kRanks = kBigJoker - kLowRank + 1;
constexpr int kCodeSlots = 25;

qsizetype RecordOffset(int seat, int rank, bool dealt) {
  const int k = (seat - 1) * kRanks + (rank - kLowRank);
  return static_cast<qsizetype>(2 * k + (dealt ? 1 : 0)) * kHandRecordSize;
}

void PutInt16(QByteArray& bytes, qsizetype at, int value) {
  const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
  bytes[at] = static_cast<char>(bits & 0xFF);
  bytes[at + 1] = static_cast<char>(bits >> 8);
}

int GetInt16(const QByteArray& bytes, qsizetype at) {
  const auto low = static_cast<std::uint8_t>(bytes[at]);
  const auto high = static_cast<std::uint8_t>(bytes[at + 1]);
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

void PutBucket(QByteArray& bytes, qsizetype at, const HandBucket& bucket) {
  PutInt16(bytes, at, bucket.Count);
  PutInt16(bytes, at + 2, bucket.Rank);
  for (int slot = 1; slot <= kCodeSlots; ++slot) {
    const CardCode& code = bucket.Codes[slot];
    for (int c = 0; c < 3; ++c)
      bytes[at + 4 + static_cast<qsizetype>(slot - 1) * 3 + c] =
          code.ch[static_cast<std::size_t>(c)];
  }
}

bool GetBucket(const QByteArray& bytes, qsizetype at, int rank, HandBucket& bucket) {
  bucket.Count = GetInt16(bytes, at);
  bucket.Rank = GetInt16(bytes, at + 2);
  if (bucket.Count < 0 || bucket.Count > kCodeSlots) return false;
  if (bucket.Rank != 0 && bucket.Rank != rank) return false;
  for (int slot = 1; slot <= kCodeSlots; ++slot) {
    const qsizetype first = at + 4 + static_cast<qsizetype>(slot - 1) * 3;
    const CardCode code(std::string_view(bytes.constData() + first, 3));
    const bool blank = code.IsBlank();
    // A card code names its rank in its last two digits, jokers included.
    const bool fits = code.Rank() == rank &&
                      std::string_view("CDHSJ").find(code.Suit()) != std::string_view::npos;
    const bool jokerSuit = code.Suit() == 'J';
    if (!blank && (!fits || jokerSuit != (rank >= kSmallJoker))) return false;
    bucket.Codes[slot] = code;
  }
  return true;
}

}  // namespace

QByteArray EncodeHandsFile(const Game& g) {
  QByteArray bytes(kHandsFileSize, ' ');
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      PutBucket(bytes, RecordOffset(seat, rank, false), g.Hand[seat][rank]);
      PutBucket(bytes, RecordOffset(seat, rank, true), g.DealtHand[seat][rank]);
    }
  }
  return bytes;
}

bool DecodeHandsFile(const QByteArray& bytes, Game& g) {
  if (bytes.size() != kHandsFileSize) return false;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      if (!GetBucket(bytes, RecordOffset(seat, rank, false), rank, g.Hand[seat][rank]) ||
          !GetBucket(bytes, RecordOffset(seat, rank, true), rank, g.DealtHand[seat][rank])) {
        return false;
      }
    }
  }
  return true;
}

std::uint32_t PairCheck(const QByteArray& handsFile) {
  // FNV-1a: enough to tell two different hands files apart.
  std::uint32_t hash = 2166136261u;
  for (char byte : handsFile) {
    hash ^= static_cast<std::uint8_t>(byte);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace zunda
