// The English window: every text the engine writes in many seeded hands and every text of the
// window and the options dialog comes out without Chinese; in Chinese the engine's own texts
// reach the window unchanged.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <set>

#include "core/game.h"
#include "core/save_messages.h"
#include "core/scripted_host.h"
#include "core/text.h"
#include "program_fixture.h"
#include "recorded_hands.h"
#include "ui/engine_texts.h"
#include "ui/language.h"
#include "ui/options_dialog.h"
#include "ui/review_window.h"
#include "ui/shown_text.h"

namespace zunda {
namespace {

bool HasChinese(const QString& text) {
  static const QRegularExpression han(
      QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}"
                     "\\x{ff00}-\\x{ffef}]"));
  return text.contains(han);
}

// Installs English for one test and puts Chinese back after it.
class English : public ::testing::Test {
 protected:
  English() { InstallLanguage(Language::English); }
  ~English() override { InstallLanguage(Language::Chinese); }
};

TEST_F(English, EngineTextsTranslateWithTheirFilledInParts) {
  const std::pair<const char*, const char*> cases[] = {
      {"4张  9(1大虎)", "4 × 9 (with 1 big joker(s))"},
      {"Aldor: 3张 钱", "Aldor: 3 × 2"},
      {"Corvan:1张 小虎", "Corvan: 1 × Small joker"},
      {"二落 : Bersa       ", "5th : Bersa"},
      {" 已经发出的牌: 大虎:2 小虎:0 钱:0 A:3 ",
       "Cards played so far: Big joker:2 Small joker:0 2:0 A:3"},
      {"Delis 进贡牌: 大虎  2", "Delis pays tribute: Big joker 2"},
      {"Err:  in  显示手中牌  :  M=37", "Err: in the hand display: M=37"},
      // A name is never translated, even one that reads like a text of the game.
      {"过牌: 自动过牌", "过牌: Passes automatically"},
  };
  for (const auto& [engine, english] : cases)
    EXPECT_EQ(ShownText(engine).toStdString(), english) << engine;
  // The storage's texts as the program fills them in: the reason is translated too.
  EXPECT_EQ(
      ShownText(WriteFailedText({WriteFault::DiskFull, "/home/p/score.ini", ""})).toStdString(),
      "The file “/home/p/score.ini” could not be saved: the disk is full. The game goes on, "
      "and the next save will try again.");
  EXPECT_EQ(
      ShownText(RestoreFailedText({RestoreOutcome::FilesDisagree, "PaiXing.znd", "Var.znd"}))
          .toStdString(),
      "The saved hand is damaged: the files “PaiXing.znd” and “Var.znd” are not from the same "
      "save, or their cards do not add up.");
}

TEST(LanguageChoice, FollowsTheStoredChoiceElseTheSystemAndChineseShowsTheEngineTexts) {
  EXPECT_EQ(ChooseLanguage("en", QLocale(QLocale::Chinese)), Language::English);
  EXPECT_EQ(ChooseLanguage(" zh ", QLocale(QLocale::German)), Language::Chinese);
  EXPECT_EQ(ChooseLanguage("", QLocale(QLocale::Chinese, QLocale::Taiwan)), Language::Chinese);
  EXPECT_EQ(ChooseLanguage("", QLocale(QLocale::French)), Language::English);
  EXPECT_EQ(ChooseLanguage("", QLocale::c()), Language::Chinese);
  InstallLanguage(Language::Chinese);
  for (const char* text : {"4张  9(1大虎)", " 请选择一手牌或过牌 ", "Aldor: 头科"})
    EXPECT_EQ(ShownText(text).toStdString(), text);
}

// Every text the engine puts on the window or in a message box during many seeded hands
// (burns and scorchings are rare unless the autopilot burns often), and the players' names.
std::set<std::string> EngineTextsOfHands(int hands, std::set<std::string>& names) {
  std::set<std::string> texts;
  const auto add = [&](const std::string& text) { texts.insert(text); };
  testing::RecordedHands(hands, 11, 0.6, [&](const Game& g) {
    const MainWindowControls& w = g.Win;
    for (const auto* list : {&w.LstDispEvent.Items, &w.LstTalk.Items,
                             &dynamic_cast<const ScriptedHost&>(*g.host).Messages()}) {
      for (const std::string& line : *list)
        add(line);
    }
    for (const std::string* text : {&w.LblPrompt.Caption, &w.LblStatusBar[0].Caption, &w.Caption})
      add(*text);
    for (int seat = 1; seat <= kSeats; ++seat) {
      add(w.LblName[seat].Caption);
      add(w.LblName[seat].ToolTipText);
      add(w.Frame1[seat].ToolTipText);
      names.insert(g.Seats[seat].Name);
    }
    for (int slot = 1; slot <= kHandSlots; ++slot)
      add(w.ImgHand[slot].ToolTipText);
    for (const std::string& tip : w.ImgTableRowTip)
      add(tip);
    for (const Button* button : {&w.CmdSend, &w.CmdPass, &w.CmdReturn, &w.CmdNotSP, &w.CmdShaoHuLe,
                                 &w.CmdHG, &w.CmdHint}) {
      add(button->ToolTipText);
    }
  });
  return texts;
}

TEST_F(English, NoChineseIsLeftInAnyTextOfManyHandsButThePlayersNames) {
  std::set<std::string> names;
  const std::set<std::string> texts = EngineTextsOfHands(60, names);
  ASSERT_GT(texts.size(), 100u);
  std::vector<std::string> untranslated;
  for (const std::string& text : texts) {
    QString shown = ShownText(text);
    for (const std::string& name : names) {
      if (!name.empty()) shown.replace(QString::fromStdString(name), QString());
    }
    if (HasChinese(shown)) untranslated.push_back(text);
  }
  EXPECT_TRUE(untranslated.empty())
      << untranslated.size() << " untranslated, first: " << untranslated.front();
}

// Every text a widget and its children show: captions, titles, items and tool tips.
QStringList WidgetTexts(const QWidget& top) {
  QStringList texts = {top.windowTitle()};
  QList<QWidget*> widgets = top.findChildren<QWidget*>();
  for (const QWidget* widget : widgets) {
    texts << widget->toolTip() << widget->windowTitle();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) texts << button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) texts << box->title();
    if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
      for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
      for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    }
    if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
      for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    }
  }
  for (const QAction* action : top.findChildren<QAction*>())
    texts << action->text() << action->toolTip();
  return texts;
}

class EnglishProgram : public testing::ProgramTest {
 protected:
  EnglishProgram() { language_ = Language::English; }
  ~EnglishProgram() override {
    Stop();
    InstallLanguage(Language::Chinese);
  }
  // The texts with every player's and seat's name taken out; the language list names each
  // language in its own words.
  std::vector<std::string> Chinese(const QStringList& texts) {
    std::vector<std::string> found;
    for (QString text : texts) {
      for (int seat = 1; seat <= kSeats; ++seat)
        text.remove(QString::fromStdString(Trim(g().Seats[seat].Name)));
      for (const PlayerEntry& player : g().Options.Players) {
        if (!Trim(player.Name).empty()) text.remove(QString::fromStdString(Trim(player.Name)));
      }
      if (HasChinese(text) && text != QStringLiteral("中文")) found.push_back(text.toStdString());
    }
    return found;
  }
};

TEST_F(EnglishProgram, TheTableTheOptionsDialogAndTheReviewWindowShowNoChineseButNames) {
  StartGame();
  ASSERT_TRUE(TickUntil([&] { return g().Flow.WaitHuman; }));
  QStringList texts = WidgetTexts(Window());
  const MainWindowControls& w = g().Win;
  for (const std::string& text : {w.LblPrompt.Caption, w.LblStatusBar[0].Caption})
    texts << ShownText(text);
  for (int seat = 1; seat <= kSeats; ++seat)
    texts << ShownText(w.LblName[seat].Caption) << ShownText(w.LblName[seat].ToolTipText);
  for (int slot = 1; slot <= kHandSlots; ++slot)
    texts << ShownText(w.ImgHand[slot].ToolTipText);
  EXPECT_EQ(Chinese(texts), std::vector<std::string>{});

  FrmOptionsTab dialog(g(), program().Hooks(), &Window());
  EXPECT_EQ(Chinese(WidgetTexts(dialog)), std::vector<std::string>{});

  // The review window over a practice hand, at a moment in its middle.
  const std::vector<HandRecord> records = testing::RecordedHands(1, 1);
  ASSERT_EQ(records.size(), 1U);
  HandRecord record = records[0];
  record.Practice = true;
  ReviewWindow review(g(), {record}, &Window());
  ASSERT_EQ(review.Pages->currentIndex(), 0);
  review.SldFrame->setValue(review.SldFrame->maximum() / 2);
  EXPECT_EQ(Chinese(WidgetTexts(review)), std::vector<std::string>{});
}

}  // namespace
}  // namespace zunda
