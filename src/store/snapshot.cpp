#include "store/snapshot.h"

#include <QString>
#include <memory>
#include <optional>

#include "core/game.h"
#include "core/run_state.h"
#include "core/seats.h"
#include "players/hand_analysis.h"
#include "rules/tribute.h"
#include "store/file_system.h"
#include "store/gbk.h"
#include "store/hands_file.h"
#include "store/program_folder.h"
#include "store/safe_write.h"
#include "store/state_file.h"

namespace zunda {

namespace {

// A state file holds the event list of the whole game; far more than any real game writes.
constexpr qint64 kStateFileMax = qint64{64} * 1024 * 1024;

bool CardConsistent(const Card& card) {
  return card.Code.IsBlank() ? card.Rank == 0 : card.Rank == card.Code.Rank();
}

// Once a hand is over the last seat counts no cards but keeps them, to show what it was left
// with: then the buckets and the played cards make up the deck, and a seat counts either its
// cards or none.
bool ConsistentAfterHand(const Game& g) {
  int total = 0;
  for (const int played : g.PlayedByRank)
    total += played;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (const HandBucket& bucket : g.Hand[seat]) {
      if (bucket.Count < 0) return false;
    }
    const int held = CardsInHand(g, seat);
    const int counted = g.Seats[seat].CardCount;
    if (counted != held && counted != 0) return false;
    total += held;
  }
  return total == kDeckSize;
}

// A tribute under way names the cards that are to change hands; each must be held by the
// seat that gives it, or the exchange would stop the game a tick after the load. Tried on a
// copy, so that exactly the exchange's own rules decide.
bool TributeCanChangeHands(const Game& g) {
  if (!g.Tribute.InProgress) return true;
  Game trial = g;
  try {
    ExchangeTribute(trial);
  } catch (const FatalError&) {
    return false;
  }
  return true;
}

// What the value ranges alone cannot tell: cards whose rank is not their code's, card totals
// that do not add up to the deck while a hand is played, a tribute that cannot be paid.
bool Consistent(Game& g) {
  for (const DeckArray* deck : {&g.Deck, &g.DeckCopy}) {
    for (const Card& card : *deck) {
      if (!CardConsistent(card)) return false;
    }
  }
  for (const SeatRecord& seat : g.Seats) {
    // Tribute clears a slot by its rank alone, so an empty slot may keep an old code.
    for (const Card& card : seat.TributeSlots) {
      if (card.Rank != 0 && !CardConsistent(card)) return false;
    }
    for (const Card& card : seat.ReturnSlots) {
      if (card.Rank != 0 && !CardConsistent(card)) return false;
    }
  }
  if (!TributeCanChangeHands(g)) return false;
  if (!g.Ai.HandInPlay) return true;
  if (g.Flow.HandOver) return ConsistentAfterHand(g);
  try {
    CheckCardTotals(g);
  } catch (const FatalError&) {
    return false;
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (g.Seats[seat].CardCount != CardsInHand(g, seat)) return false;
  }
  return true;
}

// The files a pair may lie in while saves come and go.
struct PairNames {
  QString hands;
  QString state;
  QString newHands;  // a save writes the new pair under these first
  QString newState;
  QString olderHands;  // the older hands file while the new one takes its name
  std::string handsName;
  std::string stateName;
};

PairNames NamesIn(const std::string& folder, std::string_view handsName,
                  std::string_view stateName) {
  PairNames names;
  names.hands = QString::fromStdString(ResolveNoCase(folder, handsName));
  names.state = QString::fromStdString(ResolveNoCase(folder, stateName));
  names.newHands = names.hands + QStringLiteral(".tmp");
  names.newState = names.state + QStringLiteral(".tmp");
  names.olderHands = names.hands + QStringLiteral(".old");
  names.handsName = std::string(handsName);
  names.stateName = std::string(stateName);
  return names;
}

bool Exists(const QString& path) {
  return Files().Stamp(path).has_value();
}

// The text of a state file, when it is this version's and GBK throughout.
enum class StateText { Usable, OtherVersion, NotText };
StateText ReadStateText(const QByteArray& bytes, std::string& text) {
  const QString decoded = FromGbk(bytes);
  text = decoded.toStdString();
  const std::string version = FirstStateValue(text);
  if (!version.empty() && version != StateFileVersion()) return StateText::OtherVersion;
  // The save writes GBK only; bytes that are not GBK are damage, and the replacement
  // characters they read as would not even save back the same.
  if (decoded.contains(QChar::ReplacementCharacter)) return StateText::NotText;
  return StateText::Usable;
}

// A pair that loads: where its files lie and the game read from them.
struct FoundPair {
  QString hands;
  QString state;
  std::unique_ptr<Game> game;
};

// The newest pair that loads: state files newest first, each with every hands file.
std::optional<FoundPair> NewestPair(const Game& like, const PairNames& names) {
  for (const QString& statePath : {names.newState, names.state}) {
    const std::optional<QByteArray> stateBytes = Files().Read(statePath, kStateFileMax);
    if (!stateBytes) continue;
    std::string text;
    if (ReadStateText(*stateBytes, text) != StateText::Usable) continue;
    const std::optional<std::uint32_t> check = StatePairCheck(text);
    if (!check) continue;
    for (const QString& handsPath : {names.newHands, names.hands, names.olderHands}) {
      const std::optional<QByteArray> hands = Files().Read(handsPath, kHandsFileSize);
      if (!hands || PairCheck(*hands) != *check) continue;
      auto fresh = std::make_unique<Game>(*like.host);
      CarryOverRunState(like, *fresh);
      if (!DecodeHandsFile(*hands, *fresh)) continue;
      if (DecodeStateFile(text, *fresh, *check) != StateFileResult::Read) continue;
      if (!Consistent(*fresh)) continue;
      return FoundPair{handsPath, statePath, std::move(fresh)};
    }
  }
  return std::nullopt;
}

// Why the pair's own files do not load, once no pair did.
RestoreResult Diagnose(const Game& like, const PairNames& names) {
  const QString hands = Exists(names.hands) ? names.hands : names.olderHands;
  const bool stateThere = Exists(names.state);
  const bool handsThere = Exists(hands);
  if (!stateThere && !handsThere) return {RestoreOutcome::NoSavedHand, {}, {}};
  if (!stateThere) return {RestoreOutcome::FileMissing, names.stateName, {}};
  if (!handsThere) return {RestoreOutcome::FileMissing, names.handsName, {}};
  const std::optional<QByteArray> stateBytes = Files().Read(names.state, kStateFileMax);
  if (!stateBytes) return {RestoreOutcome::FileUnreadable, names.stateName, {}};
  const std::optional<QByteArray> handsBytes = Files().Read(hands, kHandsFileSize);
  if (!handsBytes) {
    // A file too large to be a hands file is not read at all.
    const std::optional<FileStamp> stamp = Files().Stamp(hands);
    const bool tooLarge = stamp && stamp->Size > kHandsFileSize;
    return {tooLarge ? RestoreOutcome::FileDamaged : RestoreOutcome::FileUnreadable,
            names.handsName,
            {}};
  }
  std::string text;
  switch (ReadStateText(*stateBytes, text)) {
    case StateText::OtherVersion:
      return {RestoreOutcome::OtherVersion, names.stateName, {}};
    case StateText::NotText:
      return {RestoreOutcome::FileDamaged, names.stateName, {}};
    case StateText::Usable:
      break;
  }
  // The state file read with the check it names itself: only damage of its own fails then.
  const std::optional<std::uint32_t> check = StatePairCheck(text);
  Game scratch(*like.host);
  if (!check || DecodeStateFile(text, scratch, *check) != StateFileResult::Read) {
    return {RestoreOutcome::FileDamaged, names.stateName, {}};
  }
  if (!DecodeHandsFile(*handsBytes, scratch)) {
    return {RestoreOutcome::FileDamaged, names.handsName, {}};
  }
  return {RestoreOutcome::FilesDisagree, names.handsName, names.stateName};
}

// What an interrupted save left: the newest whole pair takes the pair's names, one file after
// the other (so that it loads at every point in between), and every other leftover goes.
SaveResult Settle(const Game& g, const PairNames& names) {
  if (!Exists(names.newHands) && !Exists(names.newState) && !Exists(names.olderHands)) return {};
  if (const std::optional<FoundPair> newest = NewestPair(g, names)) {
    if (newest->hands != names.hands) {
      SaveResult moved = Files().Rename(newest->hands, names.hands);
      if (!moved.Ok()) return moved;
    }
    if (newest->state != names.state) {
      SaveResult moved = Files().Rename(newest->state, names.state);
      if (!moved.Ok()) return moved;
    }
  }
  for (const QString& leftover : {names.newHands, names.newState, names.olderHands}) {
    SaveResult removed = Files().Remove(leftover);
    if (!removed.Ok()) return removed;
  }
  return {};
}

// Puts the new pair, written whole under the temporary names, in the pair's place. Should a
// step fail, the older pair goes back.
SaveResult Switch(const PairNames& names) {
  const bool older = Exists(names.hands);
  if (older) {
    SaveResult kept = Files().Rename(names.hands, names.olderHands);
    if (!kept.Ok()) return kept;
  }
  SaveResult result = Files().Rename(names.newHands, names.hands);
  if (result.Ok()) {
    result = Files().Rename(names.newState, names.state);
    if (result.Ok()) {
      // The older hands file is of no use now; a next save removes it, should this fail.
      Files().Remove(names.olderHands);
      return {};
    }
    Files().Rename(names.hands, names.newHands);
  }
  if (older) Files().Rename(names.olderHands, names.hands);
  Files().Remove(names.newHands);
  Files().Remove(names.newState);
  return result;
}

// The failure as the player should hear of it: the file of the pair, not a temporary name.
SaveResult Named(SaveResult result, const QString& file) {
  if (!result.Ok()) result.File = file.toStdString();
  return result;
}

}  // namespace

std::string RunDataHandsFile(int slot) {
  return "PaiXing" + std::to_string(slot) + ".znd";
}

std::string RunDataStateFile(int slot) {
  return "Var" + std::to_string(slot) + ".znd";
}

PairBytes EncodePair(const Game& g) {
  PairBytes pair;
  pair.Hands = EncodeHandsFile(g);
  pair.State = ToGbk(QString::fromStdString(EncodeStateFile(g, PairCheck(pair.Hands))));
  return pair;
}

SaveResult WriteSnapshot(const Game& g, const std::string& folder, std::string_view handsName,
                         std::string_view stateName) {
  return WritePair(g, folder, handsName, stateName, EncodePair(g));
}

SaveResult WritePair(const Game& g, const std::string& folder, std::string_view handsName,
                     std::string_view stateName, const PairBytes& pair) {
  const PairNames names = NamesIn(folder, handsName, stateName);
  RecoverUnfinishedWrites(FolderOf(names.hands));
  SaveResult settled = Settle(g, names);
  if (!settled.Ok()) return Named(settled, names.hands);

  SaveResult hands = ReplaceFile(names.newHands, pair.Hands);
  if (!hands.Ok()) {
    // A folder that takes no new files may still let the pair be written over in place.
    if (hands.Fault == WriteFault::NoPermission && Exists(names.hands) && Exists(names.state)) {
      return WriteInPlace({{names.hands, pair.Hands}, {names.state, pair.State}});
    }
    return Named(hands, names.hands);
  }
  SaveResult state = ReplaceFile(names.newState, pair.State);
  if (!state.Ok()) {
    Files().Remove(names.newHands);
    return Named(state, names.state);
  }
  return Named(Switch(names), names.hands);
}

RestoreResult ReadSavedHand(Game& g, const std::string& folder) {
  const PairNames names = NamesIn(folder, kSavedHandsFile, kSavedStateFile);
  RecoverUnfinishedWrites(FolderOf(names.hands));
  std::optional<FoundPair> found = NewestPair(g, names);
  if (!found) return Diagnose(g, names);
  g = std::move(*found->game);
  return {RestoreOutcome::Restored, {}, {}};
}

std::string SaveAndRestoreInPlace(Game& g, const std::string& folder,
                                  const std::function<void()>& betweenSaveAndLoad) {
  SaveResult saved = WriteSnapshot(g, folder, kSavedHandsFile, kSavedStateFile);
  if (!saved.Ok()) return "the saved hand could not be written to " + saved.File;
  if (betweenSaveAndLoad) betweenSaveAndLoad();
  switch (ReadSavedHand(g, folder).Outcome) {
    case RestoreOutcome::Restored:
      return {};
    case RestoreOutcome::OtherVersion:
      return "the saved hand was taken for another version's";
    default:
      break;
  }
  return "the saved hand just written was refused";
}

}  // namespace zunda
