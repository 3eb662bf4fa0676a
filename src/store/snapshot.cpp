#include "store/snapshot.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <memory>
#include <optional>

#include "core/game.h"
#include "core/seats.h"
#include "flow/tribute.h"
#include "players/hand_analysis.h"
#include "store/gbk.h"
#include "store/hands_file.h"
#include "store/program_folder.h"
#include "store/state_file.h"

namespace zunda {

namespace {

// A state file holds the event list of the whole game; far more than any real game writes.
constexpr qint64 kStateFileMax = qint64{64} * 1024 * 1024;

std::optional<QByteArray> ReadAtMost(const std::string& path, qint64 limit) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly) || file.size() > limit) return std::nullopt;
  return file.readAll();
}

// Writes at most room bytes when room is not negative, as a disk with that much space left
// would: the file is then cut short and the write fails.
bool WriteWhole(const std::string& path, const QByteArray& bytes, qint64& room) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const bool full = room >= 0 && room < bytes.size();
  const qint64 size = full ? room : bytes.size();
  bool written = file.write(bytes.constData(), size) == size && file.flush();
  file.close();
  written = written && file.error() == QFileDevice::NoError;
  if (room >= 0) room -= size;
  return written && !full;
}

bool Rename(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::rename(std::filesystem::path(from), std::filesystem::path(to), error);
  return !error;
}

// The older hands file, kept while a save puts the new pair in place.
std::string KeptHands(const std::string& handsPath) {
  return handsPath + ".old";
}

bool Exists(const std::string& path) {
  return QFileInfo::exists(QString::fromStdString(path));
}

// What a loaded game takes over from the running one: the settings, the folders, the score
// counters and what belongs to this run of the program rather than to the hand.
void CarryOver(const Game& from, Game& to) {
  to.Stopped = from.Stopped;
  to.ErrorCode = from.ErrorCode;
  to.AppPath = from.AppPath;
  to.DataDir = from.DataDir;
  to.HelpDir = from.HelpDir;
  to.SkinDir = from.SkinDir;
  to.SoundDir = from.SoundDir;
  to.VersionText = from.VersionText;
  to.OptionFilePresent = from.OptionFilePresent;
  to.SavedHandExists = from.SavedHandExists;
  to.Store = from.Store;
  to.Decisions = from.Decisions;
  to.PlayerCount = from.PlayerCount;
  to.CardWeight = from.CardWeight;
  to.DelayTimeShunPai = from.DelayTimeShunPai;
  to.DelayTimeZundaPai = from.DelayTimeZundaPai;
  to.DelayTimeKouPai = from.DelayTimeKouPai;
  to.DelayTimeShaoPai = from.DelayTimeShaoPai;
  to.Options = from.Options;
  to.Skins = from.Skins;
  // The conveniences (hint cycle, autoplay, held round) belong to this run, not to the hand.
  to.Extras = from.Extras;
  for (int seat = 1; seat <= kSeats; ++seat)
    to.Seats[seat].Stats = from.Seats[seat].Stats;

  to.Flow.Paused = from.Flow.Paused;
  to.Flow.StopRequested = from.Flow.StopRequested;
  to.Flow.ExitRequested = from.Flow.ExitRequested;
  to.Flow.InTick = from.Flow.InTick;
  to.Flow.NewGameRequested = from.Flow.NewGameRequested;
  to.Input.OtherWindowOpen = from.Input.OtherWindowOpen;
  to.Storage.SaveRequested = from.Storage.SaveRequested;
  to.Storage.RestoreRequested = from.Storage.RestoreRequested;

  const MainWindowControls& a = from.Win;
  MainWindowControls& b = to.Win;
  b.Caption = a.Caption;
  b.Minimized = a.Minimized;
  b.CloseRequested = a.CloseRequested;
  b.LblStatusBar[1] = a.LblStatusBar[1];
  b.LblStatusBar[2] = a.LblStatusBar[2];
  b.TmrMainCircle = a.TmrMainCircle;
  b.TmrDelay = a.TmrDelay;
  b.TmrMedia = a.TmrMedia;
  b.MnuZundaRun = a.MnuZundaRun;
  b.MnuZundaEnd = a.MnuZundaEnd;
  b.MnuSave = a.MnuSave;
  b.MnuRead = a.MnuRead;
  b.MnuForcePause = a.MnuForcePause;
}

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

}  // namespace

std::string RunDataHandsFile(int slot) {
  return "PaiXing" + std::to_string(slot) + ".znd";
}

std::string RunDataStateFile(int slot) {
  return "Var" + std::to_string(slot) + ".znd";
}

bool WriteSnapshot(const Game& g, const std::string& folder, std::string_view handsName,
                   std::string_view stateName, const SaveInterruption& cut) {
  const QByteArray hands = EncodeHandsFile(g);
  const QByteArray state = ToGbk(QString::fromStdString(EncodeStateFile(g, PairCheck(hands))));
  const std::string handsPath = ResolveNoCase(folder, handsName);
  const std::string statePath = ResolveNoCase(folder, stateName);
  const std::string handsTemp = handsPath + ".tmp";
  const std::string stateTemp = statePath + ".tmp";
  const std::string handsKept = KeptHands(handsPath);
  qint64 room = cut.diskRoom;
  const auto done = [&](SaveStep step) {
    if (cut.afterStep) cut.afterStep(step);
  };
  const auto fail = [&] {
    QFile::remove(QString::fromStdString(handsTemp));
    QFile::remove(QString::fromStdString(stateTemp));
    return false;
  };

  if (!WriteWhole(handsTemp, hands, room)) return fail();
  done(SaveStep::HandsTempWritten);
  if (!WriteWhole(stateTemp, state, room)) return fail();
  done(SaveStep::StateTempWritten);
  // Between the two renames the older state file sits beside the new hands file; the reader
  // then pairs it with this copy of its own hands file.
  if (Exists(handsPath)) {
    const std::optional<QByteArray> older = ReadAtMost(handsPath, kHandsFileSize);
    if (older && !WriteWhole(handsKept, *older, room)) return fail();
  }
  done(SaveStep::OlderHandsKept);
  if (!Rename(handsTemp, handsPath)) return fail();
  done(SaveStep::HandsInPlace);
  if (!Rename(stateTemp, statePath)) {
    // The older pair goes back together; were that to fail too, the kept copy still serves.
    if (Exists(handsKept)) Rename(handsKept, handsPath);
    return fail();
  }
  done(SaveStep::StateInPlace);
  QFile::remove(QString::fromStdString(handsKept));
  return true;
}

RestoreOutcome ReadSavedHand(Game& g, const std::string& folder) {
  const std::string handsPath = ResolveNoCase(folder, kSavedHandsFile);
  const std::string statePath = ResolveNoCase(folder, kSavedStateFile);
  if (!Exists(handsPath) || !Exists(statePath)) return RestoreOutcome::NoSavedHand;
  const std::optional<QByteArray> stateBytes = ReadAtMost(statePath, kStateFileMax);
  if (!stateBytes) return RestoreOutcome::NoSavedHand;
  const QString decoded = FromGbk(*stateBytes);
  const std::string text = decoded.toStdString();

  const std::string version = FirstStateValue(text);
  if (!version.empty() && version != StateFileVersion()) {
    QFile::remove(QString::fromStdString(handsPath));
    return RestoreOutcome::OtherVersion;
  }
  // The save writes GBK only; bytes that are not GBK are damage, and the replacement
  // characters they read as would not even save back the same.
  if (decoded.contains(QChar::ReplacementCharacter)) return RestoreOutcome::NoSavedHand;
  for (const std::string& path : {handsPath, KeptHands(handsPath)}) {
    const std::optional<QByteArray> hands = ReadAtMost(path, kHandsFileSize);
    if (!hands) continue;
    auto fresh = std::make_unique<Game>(*g.host);
    CarryOver(g, *fresh);
    if (!DecodeHandsFile(*hands, *fresh)) continue;
    if (DecodeStateFile(text, *fresh, PairCheck(*hands)) != StateFileResult::Read) continue;
    if (!Consistent(*fresh)) continue;
    g = std::move(*fresh);
    return RestoreOutcome::Restored;
  }
  return RestoreOutcome::NoSavedHand;
}

std::string SaveAndRestoreInPlace(Game& g, const std::string& folder,
                                  const std::function<void()>& betweenSaveAndLoad) {
  if (!WriteSnapshot(g, folder, kSavedHandsFile, kSavedStateFile)) {
    return "the saved hand could not be written to " + folder;
  }
  if (betweenSaveAndLoad) betweenSaveAndLoad();
  switch (ReadSavedHand(g, folder)) {
    case RestoreOutcome::Restored:
      return {};
    case RestoreOutcome::OtherVersion:
      return "the saved hand was taken for another version's";
    case RestoreOutcome::NoSavedHand:
      break;
  }
  return "the saved hand just written was refused";
}

}  // namespace zunda
