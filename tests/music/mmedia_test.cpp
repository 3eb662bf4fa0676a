// The player on SDL's silent audio driver (the test sets SDL_AUDIODRIVER=dummy): files decode
// and play in real time without a sound card. The player loads the music module this build
// made; a program finds it beside itself or in lib/zunda once installed.
#include "ui/mmedia.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "core/music_options.h"
#include "media_files.h"
#include "test_game.h"
#include "ui/music/background_music.h"

namespace zunda {
namespace {

using testing::ScratchFolder;

// The module this build made (this test program does not sit beside it).
MmediaConfig BuiltModule(std::vector<std::string> soundFonts = DefaultSoundFontCandidates()) {
  MmediaConfig config;
  config.SoundFontCandidates = std::move(soundFonts);
  config.ModuleCandidates = {ZUNDA_AUDIO_MODULE};
  return config;
}

// Only a hang runs into it, however busy the machine: a file opens in milliseconds.
constexpr std::chrono::seconds kHangLimit(120);

// Decoding runs on the player's own thread; a test waits for it to finish.
void WaitUntilOpened(Mmedia& player) {
  const auto deadline = std::chrono::steady_clock::now() + kHangLimit;
  while (player.Opening() && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_FALSE(player.Opening());
}

TEST(DeviceForFile, GoesByTheLastThreeCharactersInAnyCase) {
  EXPECT_EQ(DeviceForFile("a.wav"), MediaDevice::Waveaudio);
  EXPECT_EQ(DeviceForFile("C:\\Music\\A.WaV"), MediaDevice::Waveaudio);
  EXPECT_EQ(DeviceForFile("song.MID"), MediaDevice::Sequencer);
  EXPECT_EQ(DeviceForFile("song.rmi"), MediaDevice::Sequencer);
  EXPECT_EQ(DeviceForFile("film.avi"), MediaDevice::AviVideo);
  EXPECT_EQ(DeviceForFile("song.mp3"), MediaDevice::None);
  EXPECT_EQ(DeviceForFile("song.midi"), MediaDevice::None);
  EXPECT_EQ(DeviceForFile("id"), MediaDevice::None);
  EXPECT_EQ(DeviceForFile(""), MediaDevice::None);
}

class PlayerOnSilentDriver : public ::testing::Test {
 protected:
  ScratchFolder folder;
  Mmedia player{BuiltModule()};
};

TEST_F(PlayerOnSilentDriver, FindsWaveOutputAndTheGeneralMidiSoundfont) {
  EXPECT_EQ(player.CanPlaySound(), 3);
}

TEST_F(PlayerOnSilentDriver, OpensPlaysPausesStopsAndCloses) {
  const std::string file = folder.Write("tone.wav", testing::ToneWav(20));
  player.mmOpen(file);
  EXPECT_EQ(player.Filename(), file);
  EXPECT_EQ(player.Alias().substr(0, 3), "WAV");
  WaitUntilOpened(player);
  EXPECT_EQ(player.Status(), "stopped");
  EXPECT_NEAR(player.Length(), 20000, 50);

  player.mmSeek(0);
  player.mmPlay();
  EXPECT_EQ(player.Status(), "playing");
  player.mmPause();
  EXPECT_EQ(player.Status(), "paused");
  player.mmPlay();
  EXPECT_EQ(player.Status(), "playing");
  player.mmStop();
  EXPECT_EQ(player.Status(), "stopped");
  player.mmPlay();
  EXPECT_EQ(player.Status(), "playing");

  player.mmClose();
  EXPECT_EQ(player.Status(), "");
  EXPECT_EQ(player.Filename(), "");
  EXPECT_EQ(player.Alias(), "");
  EXPECT_EQ(player.Length(), 0);
  player.mmPlay();  // nothing open: nothing happens
  EXPECT_EQ(player.Status(), "");
}

TEST_F(PlayerOnSilentDriver, PlayAskedWhileDecodingStartsWhenReady) {
  player.mmOpen(folder.Write("tone.wav", testing::ToneWav(20)));
  player.mmPlay();
  EXPECT_EQ(player.Status(), "playing");
  WaitUntilOpened(player);
  EXPECT_EQ(player.Status(), "playing");
}

TEST_F(PlayerOnSilentDriver, OtherEndingsAndVideoOpenNothing) {
  // Good wave data under other names: the ending alone decides.
  const auto wav = testing::ToneWav(5);
  for (const char* name : {"tone.mp3", "tone.avi", "tone.ogg", "tone"}) {
    player.mmOpen(folder.Write(name, wav));
    EXPECT_EQ(player.Alias(), "") << name;
    player.mmPlay();
    EXPECT_EQ(player.Status(), "") << name;
  }
}

TEST_F(PlayerOnSilentDriver, OpeningAnotherFileClosesTheFirst) {
  player.mmOpen(folder.Write("first.wav", testing::ToneWav(20)));
  player.mmPlay();
  WaitUntilOpened(player);
  player.mmOpen(folder.Write("second.wav", testing::ToneWav(20)));
  EXPECT_EQ(player.Status(), "stopped");
  EXPECT_EQ(player.Filename(), (folder.Path() / "second.wav").string());
  // An unknown ending still closes what was open.
  player.mmOpen(folder.Write("third.mp3", testing::ToneWav(1)));
  EXPECT_EQ(player.Status(), "");
}

TEST_F(PlayerOnSilentDriver, NamesWithBlanksAndProgramPathsPlay) {
  std::filesystem::create_directories(folder.Path() / "Sound");
  folder.Write("Sound/my tune.wav", testing::ToneWav(20));
  // The program joins its folders with backslashes.
  player.mmOpen(folder.Path().string() + "\\Sound\\my tune.wav");
  player.mmPlay();
  WaitUntilOpened(player);
  EXPECT_EQ(player.Status(), "playing");
}

TEST_F(PlayerOnSilentDriver, MidiAndRmiFilesPlayThroughTheSoundfont) {
  const auto midi = testing::ShortMidi();
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* aliasStart;
  };
  for (const Case& c : {Case{"short tune.mid", midi, "MID"},
                        Case{"wrapped.rmi", testing::WrapAsRmi(midi), "RMI"}}) {
    player.mmOpen(folder.Write(c.name, c.bytes));
    player.mmPlay();
    WaitUntilOpened(player);
    EXPECT_EQ(player.Status(), "playing") << c.name;
    EXPECT_EQ(player.Alias().substr(0, 3), c.aliasStart);
  }
}

TEST_F(PlayerOnSilentDriver, FilesThatDoNotDecodeOrDoNotExistNeverPlay) {
  const std::vector<std::uint8_t> garbage(4000, 0x5A);
  for (const std::string& file :
       {folder.Write("noise.wav", garbage), folder.Write("noise.mid", garbage),
        folder.Write("empty.wav", {}), (folder.Path() / "missing.mid").string()}) {
    player.mmOpen(file);
    player.mmPlay();
    WaitUntilOpened(player);
    EXPECT_EQ(player.Status(), "") << file;
    player.mmPlay();
    EXPECT_EQ(player.Status(), "") << file;
  }
}

TEST_F(PlayerOnSilentDriver, MidiBrokenInsideStopsByItself) {
  std::vector<std::uint8_t> broken = testing::ShortMidi();
  std::fill(broken.begin() + 22, broken.end(), 0x5A);  // keep only the header chunk
  player.mmOpen(folder.Write("broken.mid", broken));
  player.mmPlay();
  WaitUntilOpened(player);
  const auto deadline = std::chrono::steady_clock::now() + kHangLimit;
  while (player.Status() == "playing" && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_NE(player.Status(), "playing");  // so the next music tick moves on
}

TEST(PlayerWithoutSoundfont, PlaysWaveButNeverMidi) {
  ScratchFolder folder;
  Mmedia player(BuiltModule({(folder.Path() / "none.sf2").string()}));
  EXPECT_EQ(player.CanPlaySound(), 1);
  player.mmOpen(folder.Write("tune.mid", testing::ShortMidi()));
  EXPECT_EQ(player.Alias(), "");
  player.mmOpen(folder.Write("tone.wav", testing::ToneWav(5)));
  player.mmPlay();
  EXPECT_EQ(player.Status(), "playing");

  // The music timer then attempts nothing at all, wave files included.
  testing::TestGame t;
  t.game.Options.MusicList = {"tone.wav"};
  t.game.Options.MusicOn = true;
  TmrMediaTimer(t.game, player);
  EXPECT_FALSE(t.game.Win.TmrMedia.Enabled);
}

// The music timer and the real player together: a file of another kind is skipped on the
// next tick, and switching music off ends it.
TEST_F(PlayerOnSilentDriver, TimerMovesPastFilesThatCannotPlay) {
  std::filesystem::create_directories(folder.Path() / "Sound");
  folder.Write("Sound/a.wav", testing::ToneWav(20));
  folder.Write("Sound/b.mp3", testing::ToneWav(20));
  folder.Write("Sound/c c.mid", testing::ShortMidi());
  testing::TestGame t;
  Game& g = t.game;
  g.AppPath = folder.Path().string();
  g.Options.MusicList = {"a.wav", "b.mp3", "c c.mid"};
  g.Options.MusicOn = true;
  g.Options.MusicMode = kMusicInOrder;

  TmrMediaTimer(g, player);  // track 2: another kind, nothing opens
  EXPECT_EQ(player.Status(), "");
  EXPECT_TRUE(g.Win.TmrMedia.Enabled);
  TmrMediaTimer(g, player);  // track 3 plays
  EXPECT_EQ(player.Status(), "playing");
  WaitUntilOpened(player);
  EXPECT_EQ(player.Status(), "playing");
  EXPECT_EQ(g.Options.CurBackMusic, 2);
  TmrMediaTimer(g, player);  // still playing: left alone
  EXPECT_EQ(g.Options.CurBackMusic, 2);

  g.Options.MusicOn = false;
  TmrMediaTimer(g, player);
  EXPECT_EQ(player.Status(), "");
  EXPECT_FALSE(g.Win.TmrMedia.Enabled);
}

// Where the program looks for the module, and what it does when there is none to use.
TEST(MusicModule, IsFoundBesideTheProgramAndInTheInstalledLayout) {
  ScratchFolder folder;
  const std::filesystem::path built(ZUNDA_AUDIO_MODULE);
  const std::filesystem::path bin = folder.Path() / "prefix" / "bin";
  std::filesystem::create_directories(bin);
  EXPECT_EQ(LoadAudioBackend(AudioModuleCandidates(bin)), nullptr);

  std::filesystem::create_directories(folder.Path() / "prefix" / "lib" / "zunda");
  std::filesystem::copy_file(built, folder.Path() / "prefix" / "lib" / "zunda" / built.filename());
  EXPECT_NE(LoadAudioBackend(AudioModuleCandidates(bin)), nullptr);

  const std::filesystem::path tree = folder.Path() / "build";
  std::filesystem::create_directories(tree);
  std::filesystem::copy_file(built, tree / built.filename());
  EXPECT_NE(LoadAudioBackend(AudioModuleCandidates(tree)), nullptr);
}

TEST(MusicModule, AMissingOrDamagedModuleLeavesThePlayerSilent) {
  ScratchFolder folder;
  const std::string damaged = folder.Write("damaged.so", std::vector<std::uint8_t>(4000, 0x7F));
  for (const std::vector<std::string>& candidates :
       {std::vector<std::string>{}, {(folder.Path() / "missing.so").string()}, {damaged}}) {
    MmediaConfig config;
    config.ModuleCandidates = candidates;
    Mmedia player(config);
    EXPECT_EQ(player.CanPlaySound(), 0);
    player.mmOpen(folder.Write("tone.wav", testing::ToneWav(1)));
    player.mmPlay();
    EXPECT_EQ(player.Status(), "");
    EXPECT_EQ(player.Filename(), "");
  }
  // A damaged candidate does not hide a good one after it.
  MmediaConfig config;
  config.ModuleCandidates = {damaged, ZUNDA_AUDIO_MODULE};
  EXPECT_GE(Mmedia(config).CanPlaySound(), 1);
}

}  // namespace
}  // namespace zunda
