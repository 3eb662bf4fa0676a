// The saved-hand pair on disk: files that must be refused, the state file's conventions, the
// menu commands with their questions and messages, and the run-data ring.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstring>
#include <string>
#include <tuple>

#include "core/score_table.h"
#include "flow/hand_storage.h"
#include "game_state_compare.h"
#include "played_game.h"
#include "rules/human_input.h"
#include "store/gbk.h"
#include "store/hands_file.h"
#include "store/snapshot.h"
#include "store/state_file.h"
#include "store/step_codes.h"
#include "store_files.h"
#include "test_game.h"
#include "window_input.h"

namespace zunda {
namespace {

using testing::Exists;
using testing::GameDifferences;
using testing::PlayedGame;
using testing::ReadBytes;
using testing::WriteBytes;

// Written out rather than taken from the program, so that a changed text fails.
inline constexpr char kAskSave[] = "是否保存当前牌局？";
inline constexpr char kSaved[] = "当前牌局已保存!";
inline constexpr char kSaveFailedStart[] = "牌局保存失败：无法写入文件“";
inline constexpr char kAskRestore[] = "是否恢复牌局？";
inline constexpr char kNoSavedHand[] = "没有保存牌局。";
inline constexpr char kRestored[] = "牌局已恢复!";
inline constexpr char kHandsDamaged[] = "保存的牌局已损坏：文件“PaiXing.znd”的内容不完整或有误。";
inline constexpr char kStateDamaged[] = "保存的牌局已损坏：文件“Var.znd”的内容不完整或有误。";
inline constexpr char kStateMissing[] = "保存的牌局不完整：找不到文件“Var.znd”。";
inline constexpr char kPairDisagrees[] =
    "保存的牌局已损坏：文件“PaiXing.znd”与“Var.znd”不是同一次保存的，或其中的牌对不上。";
inline constexpr char kOtherVersion[] =
    "保存的牌局“Var.znd”是其他版本的程序保存的，本版本无法恢复；文件已原样保留。";

using Messages = std::vector<std::string>;

// The format itself is held by the saved pair of an earlier build (saved_hand_fixture_test).
TEST(HandsFile, ImpossibleBucketsAndWrongSizesAreRefused) {
  testing::TestGame t;
  t.game.Hand[2][5] = {1, 5, {}};
  t.game.Hand[2][5].Codes[1] = CardCode("H05");
  const QByteArray good = EncodeHandsFile(t.game);
  const qsizetype at = qsizetype{2} * ((2 - 1) * 15 + (5 - 3)) * 79;
  const auto refused = [](const QByteArray& bytes) {
    testing::TestGame fresh;
    return !DecodeHandsFile(bytes, fresh.game);
  };
  EXPECT_FALSE(refused(good));
  EXPECT_TRUE(refused(good.left(good.size() - 1)));
  EXPECT_TRUE(refused(good + ' '));
  EXPECT_TRUE(refused(QByteArray()));
  // More than a bucket holds; the fives' bucket claiming the sixes' rank; "X05", no card;
  // "H06" in the bucket of the fives.
  for (const auto& [offset, byte] : {std::pair{0, 26}, {2, 6}, {4, 'X'}, {6, '6'}}) {
    QByteArray bad = good;
    bad[at + offset] = static_cast<char>(byte);
    EXPECT_TRUE(refused(bad)) << offset;
  }
}

TEST(StateFile, WritesQuotedGbkTextFlagsAndCrLfLinesBehindTheVersion) {
  testing::TestGame t;
  Game& g = t.game;
  g.Seats[2].Name = "甲\"乙";
  g.Flow.Running = true;
  const std::string text = EncodeStateFile(g, 0);
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "\"" + StateFileVersion() + "\"");
  EXPECT_EQ(StateFileVersion(), "100");
  EXPECT_NE(text.find("\r\n\"甲\"\"乙\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n#TRUE#\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n#FALSE#\r\n"), std::string::npos);
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
  // The card tables share one line.
  EXPECT_NE(text.find("\"C03C04"), std::string::npos);
  EXPECT_NE(text.find("J16J17\",\" 3 4"), std::string::npos);
  // On disk the names are GBK: 甲 is BC D7.
  EXPECT_TRUE(ToGbk(QString::fromStdString(text)).contains("\xBC\xD7\"\"\xD2\xD2"));
}

// The file keeps a tool tip for each of the 120 table pictures; a row's 20 share one.
TEST(StateFile, EveryTablePictureOfARowCarriesTheRowsTip) {
  testing::TestGame t;
  Game& g = t.game;
  g.Win.ImgTableRowTip[2] = "3张  K";
  g.Win.ImgTableRowTip[6] = "该家没有出牌";
  const std::string text = EncodeStateFile(g, 7);
  const auto count = [&](const std::string& quoted) {
    int n = 0;
    for (auto at = text.find(quoted); at != std::string::npos; at = text.find(quoted, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(std::tuple(count("\"3张  K\""), count("\"该家没有出牌\"")), std::tuple(20, 20));

  testing::TestGame loaded;
  ASSERT_EQ(DecodeStateFile(text, loaded.game, 7), StateFileResult::Read);
  EXPECT_EQ(loaded.game.Win.ImgTableRowTip, g.Win.ImgTableRowTip);
}

// The event list is only emptied when the game stops: some 430 hands of autoplay fill
// 100,000 lines, and a save of such a game must load.
TEST(StateFile, TheEventListOfALongGameReadsBackWhole) {
  testing::TestGame t;
  ListBox& events = t.game.Win.LstDispEvent;
  for (int i = 0; i < 120000; ++i)
    events.Items.push_back("甲: 出牌" + std::to_string(i));
  events.ListIndex = 119999;
  const std::string text = EncodeStateFile(t.game, 3);

  testing::TestGame loaded;
  ASSERT_EQ(DecodeStateFile(text, loaded.game, 3), StateFileResult::Read);
  EXPECT_EQ(loaded.game.Win.LstDispEvent.Items, events.Items);
  EXPECT_EQ(loaded.game.Win.LstDispEvent.ListIndex, 119999);
}

// A game waiting for the human's lead, with its files in its own folder.
class SavedHandTest : public ::testing::Test {
 protected:
  SavedHandTest() : p(2) {
    p.driver->NewGame();
    EXPECT_TRUE(p.AdvanceUntil([&] { return HumanAwaited(p.g()) && p.g().Flow.LeadMode; }));
    p.host.ClearMessages();
  }

  // Lets the human act and the game go on until the human is waited for again.
  void PlayToNextHumanTurn() {
    ASSERT_TRUE(p.AdvanceUntil([&] { return !HumanAwaited(p.g()); }));
    ASSERT_TRUE(p.AdvanceUntil(
        [&] { return HumanAwaited(p.g()) && !p.g().Win.TmrMainCircle.Enabled; }, 20000));
  }

  std::string Hands() const { return p.File("PaiXing.znd"); }
  std::string State() const { return p.File("Var.znd"); }
  void Save() { ASSERT_TRUE(WriteSnapshot(p.g(), p.g().AppPath, "PaiXing.znd", "Var.znd").Ok()); }

  // The load command must leave the running game exactly as it was.
  void ExpectRefused(const Messages& messages) {
    const auto before = std::make_unique<Game>(p.g());
    p.host.ClearMessages();
    Input(p.g(), MnuReadClick);
    EXPECT_EQ(p.host.Messages(), messages);
    EXPECT_EQ(GameDifferences(*before, p.g()), std::vector<std::string>{});
  }

  PlayedGame p;
};

// No to either question does nothing and asks only once.
TEST_F(SavedHandTest, SaveAndLoadThroughTheMenuAskFirstAndCountTheRestart) {
  p.host.QueueAnswer(Host::Answer::No);
  Input(p.g(), MnuSaveClick);
  EXPECT_FALSE(Exists(State()));
  EXPECT_FALSE(p.g().Storage.SaveRequested);
  p.host.ClearMessages();
  Input(p.g(), MnuSaveClick);
  EXPECT_EQ(p.host.Messages(), (Messages{kAskSave, kSaved}));
  ASSERT_TRUE(Exists(Hands()) && Exists(State()));
  const auto saved = std::make_unique<Game>(p.g());

  PlayToNextHumanTurn();
  p.host.QueueAnswer(Host::Answer::No);
  ExpectRefused({kAskRestore});
  EXPECT_FALSE(p.g().Storage.RestoreRequested);
  p.host.ClearMessages();
  Input(p.g(), MnuReadClick);
  EXPECT_EQ(p.host.Messages(), (Messages{kAskRestore, kRestored}));
  // Only the restart counter has moved since the save.
  RecordRestart(*saved);
  EXPECT_EQ(GameDifferences(*saved, p.g()), std::vector<std::string>{});
  EXPECT_EQ(p.g().Seats[1].Stats[kRestartIndex], 1);
  EXPECT_FALSE(p.g().Win.TmrMainCircle.Enabled);  // the loaded hand waits for the human
  EXPECT_NE(ReadBytes(p.File("score.ini")).indexOf("RestartNum=1"), -1);
}

// Each refusal says what is wrong; "no saved hand" only when there is none. Each row damages
// the saved pair in one way, as bytes on disk or as a value the program would never save.
TEST_F(SavedHandTest, DamagedFilesAndImpossibleValuesAreRefusedWithWhatIsWrong) {
  ExpectRefused({kAskRestore, kNoSavedHand});
  Save();
  const QByteArray hands = ReadBytes(Hands());
  const QByteArray state = ReadBytes(State());
  // A Chinese character whose second byte is no GBK trail byte: read as a replacement
  // character, it would not even save back the same.
  QByteArray notGbk = state;
  const qsizetype lead =
      std::find_if(notGbk.begin(), notGbk.end(),
                   [](char c) { return static_cast<unsigned char>(c) >= 0x81; }) -
      notGbk.begin();
  ASSERT_LT(lead + 1, notGbk.size());
  notGbk[lead + 1] = '$';
  const QByteArray code = '"' + QByteArray(StepCode(p.g().MainCourse).data()) + '"';
  ASSERT_EQ(state.count(code), 1);
  const auto changed = [&](QByteArray bytes, const char* from, const char* to) {
    return bytes.replace(bytes.indexOf(from), qsizetype(std::strlen(from)), to);
  };
  const struct {
    const char* what;
    QByteArray hands, state;
    const char* message;
  } files[] = {
      {"half the hands", hands.left(hands.size() / 2), state, kHandsDamaged},
      {"no hands", {}, state, kHandsDamaged},
      {"half the state", hands, state.left(state.size() / 2), kStateDamaged},
      {"the pair check cut short", hands, state.left(state.size() - 3), kPairDisagrees},
      {"a value after the last", hands, state + "#TRUE#\r\n", kStateDamaged},
      {"no state", hands, {}, kStateDamaged},
      {"a flag of neither kind", hands, changed(state, "#TRUE#", "#MAYB#"), kStateDamaged},
      {"the card table of another build", hands, changed(state, "J16J17", "J17J16"), kStateDamaged},
      {"an unterminated string", hands, state.left(state.lastIndexOf('"')), kStateDamaged},
      {"no saved hand at all", hands, "not a saved hand at all", kStateDamaged},
      {"not GBK", hands, notGbk, kStateDamaged},
      {"a step code no version wrote", hands, QByteArray(state).replace(code, "\"777_7\""),
       kStateDamaged},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.what);
    WriteBytes(Hands(), f.hands);
    WriteBytes(State(), f.state);
    ExpectRefused({kAskRestore, f.message});
  }
  const struct {
    const char* what;
    std::function<void(Game&)> change;
    const char* message;
  } values[] = {
      {"seat 7", [](Game& g) { g.CurrentSeat = 7; }, kStateDamaged},
      {"place -1", [](Game& g) { g.Seats[3].Place = -1; }, kStateDamaged},
      {"no card", [](Game& g) { g.TablePlay.BaseCodes[1] = CardCode("Z99"); }, kStateDamaged},
      {"a rank its code denies", [](Game& g) { g.Deck[5].Rank = 9; }, kPairDisagrees},
      {"217 cards", [](Game& g) { ++g.PlayedByRank[8]; }, kPairDisagrees},
      {"a count missing a card held", [](Game& g) { --g.Seats[2].CardCount; }, kPairDisagrees},
  };
  for (const auto& v : values) {
    SCOPED_TRACE(v.what);
    auto copy = std::make_unique<Game>(p.g());
    v.change(*copy);
    ASSERT_TRUE(WriteSnapshot(*copy, p.g().AppPath, "PaiXing.znd", "Var.znd").Ok());
    ExpectRefused({kAskRestore, v.message});
  }

  // The untouched pair still loads; half a pair is no saved hand either.
  WriteBytes(Hands(), hands);
  WriteBytes(State(), state);
  p.host.ClearMessages();
  Input(p.g(), MnuReadClick);
  EXPECT_EQ(p.host.Messages(), (Messages{kAskRestore, kRestored}));
  QFile::remove(QString::fromStdString(State()));
  ExpectRefused({kAskRestore, kStateMissing});

  // A state file beside a later hands file; a state file of another version, which that
  // version may still load: both files stay as they were.
  WriteBytes(State(), state);
  PlayToNextHumanTurn();
  Save();
  const QByteArray later = ReadBytes(Hands());
  WriteBytes(State(), state);
  ExpectRefused({kAskRestore, kPairDisagrees});
  QByteArray foreign = state;
  foreign.replace(0, 5, "\"099\"");
  WriteBytes(State(), foreign);
  ExpectRefused({kAskRestore, kOtherVersion});
  EXPECT_EQ(ReadBytes(Hands()), later);
  EXPECT_EQ(ReadBytes(State()), foreign);
}

TEST_F(SavedHandTest, AFailedSaveKeepsTheOlderPairAndSaysSo) {
  Save();
  const QByteArray hands = ReadBytes(Hands());
  const QByteArray state = ReadBytes(State());
  ASSERT_TRUE(p.AdvanceUntil([&] { return p.g().MainCourse == TurnStep::CloseAnswer; }));
  // The state file's temporary name is taken by a folder: the second file cannot be written.
  ASSERT_TRUE(QDir(QString::fromStdString(p.g().AppPath)).mkdir("Var.znd.tmp"));
  p.host.ClearMessages();
  p.g().Storage.SaveRequested = true;
  CarryOutStorageRequests(p.g());
  ASSERT_EQ(p.host.Messages().size(), 2u);
  EXPECT_EQ(p.host.Messages()[0], kAskSave);
  EXPECT_EQ(p.host.Messages()[1].rfind(std::string(kSaveFailedStart) + State() + "”（", 0), 0u)
      << p.host.Messages()[1];
  EXPECT_EQ(ReadBytes(Hands()), hands);
  EXPECT_EQ(ReadBytes(State()), state);
}

TEST_F(SavedHandTest, RunDataFillsFiveSlotsSilentlyAndTheSixthOverwritesTheFirst) {
  Game& g = p.g();
  g.Options.RecRunData = true;
  // The turn cycle writes run data after every lead.
  ASSERT_TRUE(p.AdvanceUntil([&] { return g.MainCourse == TurnStep::AfterPlay; }));
  EXPECT_EQ(g.Storage.RunDataSlot, 1);
  EXPECT_TRUE(Exists(p.File("Var1.znd")));
  EXPECT_TRUE(p.host.Messages().empty());
  for (int n = 2; n <= 6; ++n) {
    g.Win.LblPrompt.Caption = "snapshot " + std::to_string(n);
    RecordRunData(g);
  }
  EXPECT_TRUE(p.host.Messages().empty());
  EXPECT_EQ(g.Storage.RunDataSlot, 1);
  EXPECT_FALSE(g.Storage.SilentSave);
  for (int slot = 1; slot <= 5; ++slot) {
    EXPECT_TRUE(Exists(p.File(RunDataHandsFile(slot))));
    const QByteArray state = ReadBytes(p.File(RunDataStateFile(slot)));
    const int expected = slot == 1 ? 6 : slot;
    EXPECT_NE(state.indexOf("\"snapshot " + QByteArray::number(expected) + "\""), -1) << slot;
  }
  EXPECT_FALSE(Exists(p.File("PaiXing6.znd")));
  EXPECT_FALSE(Exists(State()));  // run data never becomes the saved hand

  g.Options.RecRunData = false;
  RecordRunData(g);
  EXPECT_EQ(g.Storage.RunDataSlot, 1);
}

}  // namespace
}  // namespace zunda
