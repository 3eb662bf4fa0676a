#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/game.h"
#include "flow_setup.h"
#include "players/lead_choice.h"
#include "program_test_host.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "store/program_folder.h"
#include "ui/game_controller.h"
#include "ui/main_window.h"
#include "ui/program_start.h"
#include "ui/table_view.h"

namespace zunda::testing {

// The whole program in a throw-away program folder that holds a copy of the shipped data: it
// is started the way main() starts it, on a host whose user and clock the test scripts. The
// main timer is fired by the test (Tick, TickUntil), never by the wall clock.
class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    // Background music must never reach a sound card.
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    CopyTree(QStringLiteral(ZUNDA_SOURCE_DATA), folder_.path());
  }
  ~ProgramTest() override { Stop(); }

  // Starts the program on a fresh game and host; true when it runs, false when start-up ended
  // it. The messages of start-up stay on the host for the test to read.
  bool Start(std::uint64_t seed = 1) {
    Stop();
    host_ = std::make_unique<ProgramTestHost>(seed);
    game_ = std::make_unique<Game>(*host_);
    StartSettings settings;
    settings.ProgramFolder = Folder();
    settings.Screen = QSize(1024, 768);
    settings.WindowLanguage = language_;
    program_ = StartProgram(*game_, *host_, settings);
    if (!program_) return false;
    if (program_->Controller() != nullptr) program_->Controller()->SetManualMainTick(true);
    return true;
  }
  void Stop() {
    program_.reset();
    game_.reset();
    host_.reset();
  }

  // An option file as the first run leaves it, with the log-in remembered or not.
  void WriteOptionFile(bool remember) {
    ProgramTestHost scratchHost;
    Game scratch(scratchHost);
    scratch.AppPath = MakeAppPath(Folder());
    WriteDefaultOptions(scratch);
    SetOption("Player", "Remember", remember ? "1" : "0");
  }
  void SetOption(const char* section, const char* key, const std::string& value) {
    classIniFile(OptionFile()).WriteIniKey(section, key, value);
  }
  std::string Option(const char* section, const char* key) {
    return classIniFile(OptionFile()).GetIniKey(section, key);
  }
  std::string OptionFile() const { return Folder() + "/" + kOptionFileName; }

  // Starts with a remembered player and a new game running, up to the human's first turn.
  void StartGame(std::uint64_t seed = 1) {
    WriteOptionFile(true);
    ASSERT_TRUE(Start(seed));
    Menu(MenuCommand::ZundaRun);
  }

  // One tick of the main timer after the clock moved on by its interval.
  void Tick() {
    host().PassTime(g().Win.TmrMainCircle.Interval);
    controller().FireMainTick();
  }
  // Ticks while the engine's timer runs until `done` holds; false when the timer stopped (or
  // maxTicks ticks ran) first.
  bool TickUntil(const std::function<bool()>& done, int maxTicks = 3000) {
    for (int tick = 0; tick < maxTicks; ++tick) {
      if (done()) return true;
      if (!g().Win.TmrMainCircle.Enabled || g().Stopped) return false;
      Tick();
    }
    return done();
  }
  bool TickToHuman() {
    return TickUntil([&] { return HumanAwaited(g()); });
  }

  // A click on a hand card where the user sees it (its visible strip).
  void ClickCard(int slot, Qt::MouseButton button = Qt::LeftButton) {
    const QRectF visible = Table()->VisibleHandCard(slot);
    ASSERT_FALSE(visible.isEmpty()) << "slot " << slot << " shows no card";
    ASSERT_EQ(Table()->HandSlotAt(visible.center()), slot);
    QTest::mouseClick(Table(), button, {}, visible.center().toPoint());
  }
  QPushButton* Button(CommandButton which) { return Table()->Button(which); }
  bool Shown(CommandButton which) { return Button(which)->isVisible(); }
  void Press(CommandButton which) {
    ASSERT_TRUE(Shown(which)) << Button(which)->text().toStdString() << " is not shown";
    QTest::mouseClick(Button(which), Qt::LeftButton);
  }
  void Menu(MenuCommand which) { Window().MenuAction(which)->trigger(); }

  // The hand slots that show a card, and whether one is drawn raised.
  std::vector<int> DrawnHandSlots() {
    std::vector<int> found;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
      if (!Table()->VisibleHandCard(slot).isEmpty()) found.push_back(slot);
    }
    return found;
  }
  bool DrawnRaised(int slot) {
    const QRectF drawn = Table()->VisibleHandCard(slot);
    return !drawn.isEmpty() && drawn.top() < Table()->Geometry().HandCardTop() - 1;
  }
  // The hand slots holding cards of a rank (0: the raised slots), in slot order.
  std::vector<int> Slots(int rank) {
    std::vector<int> found;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
      if (HandSlotHoldsCard(g(), slot) &&
          (rank == 0 ? HandSlotRaised(g(), slot) : HandSlotRank(g(), slot) == rank))
        found.push_back(slot);
    }
    return found;
  }
  std::vector<int> Raised() { return Slots(0); }
  // The codes laid in a seat's row of the table.
  std::vector<std::string> TableRow(int seat) {
    std::vector<std::string> codes;
    for (int k = 1; k <= 20; ++k) {
      const CardImage& image = g().Win.ImgTable[20 * (seat - 1) + k];
      if (image.Visible && !image.Tag.empty()) codes.push_back(image.Tag);
    }
    return codes;
  }
  std::string Prompt() { return g().Win.LblPrompt.Caption; }
  std::string StatusText() { return Window().StatusLabel(0)->text().toStdString(); }
  bool EventListed(const QString& text, Qt::MatchFlags how = Qt::MatchExactly) {
    return !Window().EventList()->findItems(text, how).isEmpty();
  }

  std::string Folder() const { return folder_.path().toStdString(); }
  Game& g() { return *game_; }
  ProgramTestHost& host() { return *host_; }
  RunningProgram& program() { return *program_; }
  MainWindow& Window() { return program_->Window(); }
  GameController& controller() { return *program_->Controller(); }
  TableView* Table() { return Window().Table(); }

  QTemporaryDir folder_;
  // The suite reads the window's Chinese texts unless a test asks for another language.
  Language language_ = Language::Chinese;

 private:
  static void CopyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir source(from);
    for (const QString& file : source.entryList(QDir::Files))
      QFile::copy(source.filePath(file), QDir(to).filePath(file));
    for (const QString& sub : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
      CopyTree(source.filePath(sub), QDir(to).filePath(sub));
  }

  std::unique_ptr<ProgramTestHost> host_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<RunningProgram> program_;
};

// Seat 6 leads a pair of fives; the human holds four sevens, three nines and a four, and the
// other seats hold nothing that beats a pair above fives.
constexpr std::array<std::string_view, 6> kPairOfFives = {"4x7 3x9 1x4", "2x3 2x4", "2x3 2x4",
                                                          "2x3 2x4",     "2x3 2x4", "2x5 2x6 1x8"};

// The program running a game in which the test deals a round of its choice.
class TableTest : public ProgramTest {
 protected:
  void SetUp() override {
    StartGame();
    Tick();  // the new game's first step
  }
  void AtHumansAnswer() {
    RoundLedWith(kPairOfFives, 6, 5);
    ASSERT_TRUE(TickToHuman());
  }
  // A round of the given hands in which the computer seat `leader` leads its whole set of
  // `rank`; the turn cycle stands right before the lead is laid.
  void RoundLedWith(const std::array<std::string_view, 6>& hands, int leader, int rank) {
    SetUpRound(g(), hands, leader);
    controller().Sync();
    ASSERT_TRUE(TickUntil([&] { return g().MainCourse == TurnStep::ExecuteLead; }));
    SetWholeBucket(g(), leader, rank, g().TablePlay);
  }
};

// Acts on every modal dialog that opens while it lives, and counts them.
class ModalWatcher {
 public:
  explicit ModalWatcher(std::function<void(QWidget&)> act) : act_(std::move(act)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || modal == last_) return;
      last_ = modal;
      ++seen;
      act_(*modal);
    });
    timer_.start();
  }
  int seen = 0;

 private:
  std::function<void(QWidget&)> act_;
  QTimer timer_;
  QWidget* last_ = nullptr;
};

}  // namespace zunda::testing
