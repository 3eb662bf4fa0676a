#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "../store/store_files.h"
#include "core/players.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "store/program_folder.h"
#include "test_game.h"
#include "ui/options_dialog.h"

namespace zunda::testing {

// A program folder with an option file of three players: Aldor without a password, Bersa
// ("pw") and a player whose name is longer than a seat's; two pieces of music, three skins.
class OptionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    g().AppPath = MakeAppPath(dir_.path().toStdString());
    WriteDefaultOptions(g());
    ASSERT_EQ(LoadOptions(g()), OptionsLoadResult::Loaded);
    OptionsModel& o = g().Options;
    ASSERT_TRUE(AddPlayer(o, "Bersa").Done);
    o.Players[1].Password = "pw";
    ASSERT_TRUE(AddPlayer(o, "Abcdefghijklmnop").Done);
    o.MusicList = {"a.mid", "b.mid"};
    o.CurBackMusic = 1;
    o.BackMusicCtrl[0] = true;
    SaveOptions(g());
    ASSERT_EQ(LoadOptions(g()), OptionsLoadResult::Loaded);
    hooks_.DeletePlayerScores = [this](const std::string& name) { deletedScores_.push_back(name); };
    hooks_.PlayerLoggedIn = [this] { ++scoreLoads_; };
  }

  Game& g() { return t_.game; }
  ScriptedHost& host() { return t_.host; }
  std::string OptionFile() { return OptionFilePath(g()); }
  QByteArray OptionBytes() { return ReadBytes(OptionFile()); }
  std::string Key(const char* section, const char* key) {
    return classIniFile(OptionFile()).GetIniKey(section, key);
  }
  std::string HumanName() { return g().Seats[g().HumanSeat].Name; }
  std::string Status() { return g().Win.LblStatusBar[0].Caption; }

  QTemporaryDir dir_;
  TestGame t_;
  OptionsDialogHooks hooks_;
  std::vector<std::string> deletedScores_;
  int scoreLoads_ = 0;
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
