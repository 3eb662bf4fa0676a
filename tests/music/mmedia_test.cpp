// The player on SDL's silent audio driver (the test sets SDL_AUDIODRIVER=dummy): files decode
// and play in real time without a sound card. The player loads the music module this build
// made; a program finds it beside itself or in lib/zunda once installed.
#include "ui/mmedia.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "core/music_options.h"
#include "media_files.h"
#include "test_game.h"
#include "ui/music/audio_module.h"
#include "ui/music/background_music.h"

namespace zunda {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::ShortMidi;
using testing::ToneWav;

MmediaConfig BuiltModule(std::vector<std::string> soundFonts = DefaultSoundFontCandidates()) {
  MmediaConfig config;
  config.SoundFontCandidates = std::move(soundFonts);
  config.ModuleCandidates = {ZUNDA_AUDIO_MODULE};
  return config;
}

// Decoding runs on the player's own thread. Only a hang runs into the limit, however busy the
// machine: a file opens in milliseconds.
void WaitWhile(const std::function<bool()>& busy) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  while (busy() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ASSERT_FALSE(busy());
}

TEST(DeviceForFile, GoesByTheLastThreeCharactersInAnyCase) {
  const std::pair<const char*, MediaDevice> cases[] = {{"C:\\Music\\A.WaV", MediaDevice::Waveaudio},
                                                       {"song.MID", MediaDevice::Sequencer},
                                                       {"song.rmi", MediaDevice::Sequencer},
                                                       {"film.avi", MediaDevice::AviVideo},
                                                       {"song.midi", MediaDevice::None},
                                                       {"id", MediaDevice::None}};
  for (const auto& [file, device] : cases)
    EXPECT_EQ(DeviceForFile(file), device) << file;
}

class PlayerOnSilentDriver : public ::testing::Test {
 protected:
  void Open(const std::string& file) {
    player.mmOpen(file);
    player.mmPlay();
    WaitWhile([&] { return player.Opening(); });
  }
  ScratchFolder folder;
  Mmedia player{BuiltModule()};
};

TEST_F(PlayerOnSilentDriver, OpensPlaysPausesStopsAndCloses) {
  EXPECT_EQ(player.CanPlaySound(), 3) << "wave output and the General MIDI soundfont";
  fs::create_directories(folder.Path() + "/Sound");
  const std::string file = folder.Write("Sound/my tune.wav", ToneWav(20));
  // The program joins its folders with backslashes.
  player.mmOpen(folder.Path() + "\\Sound\\my tune.wav");
  EXPECT_EQ(player.Alias().substr(0, 3), "WAV");
  WaitWhile([&] { return player.Opening(); });
  EXPECT_EQ(player.Status(), "stopped");
  EXPECT_NEAR(player.Length(), 20000, 50);
  player.mmSeek(0);
  const std::pair<void (Mmedia::*)(), const char*> steps[] = {
      {&Mmedia::mmPlay, "playing"}, {&Mmedia::mmPause, "paused"}, {&Mmedia::mmPlay, "playing"},
      {&Mmedia::mmStop, "stopped"}, {&Mmedia::mmPlay, "playing"}, {&Mmedia::mmClose, ""},
      {&Mmedia::mmPlay, ""}};
  for (const auto& [step, status] : steps) {
    (player.*step)();
    EXPECT_EQ(player.Status(), status);
  }
  EXPECT_EQ(player.Filename(), "");
  EXPECT_EQ(player.Length(), 0);

  // Another file closes the first; an unknown ending opens nothing but still closes.
  Open(folder.Write("first.wav", ToneWav(20)));
  player.mmOpen(folder.Write("second.wav", ToneWav(20)));
  EXPECT_EQ(player.Status(), "stopped");
  EXPECT_EQ(player.Filename(), folder.Path() + "/second.wav");
  for (const char* name : {"tone.mp3", "tone.avi", "tone.ogg", "tone"}) {
    player.mmOpen(folder.Write(name, ToneWav(1)));
    player.mmPlay();
    EXPECT_EQ(player.Alias(), "") << name;
    EXPECT_EQ(player.Status(), "") << name;
  }
}

TEST_F(PlayerOnSilentDriver, MidiAndRmiPlayAndFilesThatDoNotDecodeNever) {
  Open(folder.Write("short tune.mid", ShortMidi()));
  EXPECT_EQ(player.Status(), "playing");
  EXPECT_EQ(player.Alias().substr(0, 3), "MID");
  Open(folder.Write("wrapped.rmi", testing::WrapAsRmi(ShortMidi())));
  EXPECT_EQ(player.Status(), "playing");
  EXPECT_EQ(player.Alias().substr(0, 3), "RMI");

  const testing::Bytes garbage(4000, 0x5A);
  for (const std::string& file :
       {folder.Write("noise.wav", garbage), folder.Write("noise.mid", garbage),
        folder.Write("empty.wav", {}), folder.Path() + "/missing.mid"}) {
    Open(file);
    EXPECT_EQ(player.Status(), "") << file;
  }
  // Broken inside, past its header: it stops by itself, so the next music tick moves on.
  testing::Bytes broken = ShortMidi();
  std::fill(broken.begin() + 22, broken.end(), 0x5A);
  Open(folder.Write("broken.mid", broken));
  WaitWhile([&] { return player.Status() == "playing"; });
}

TEST(PlayerWithoutSoundfont, PlaysWaveButNeverMidiAndTheTimerTriesNothing) {
  ScratchFolder folder;
  Mmedia player(BuiltModule({folder.Path() + "/none.sf2"}));
  EXPECT_EQ(player.CanPlaySound(), 1);
  player.mmOpen(folder.Write("tune.mid", ShortMidi()));
  EXPECT_EQ(player.Alias(), "");
  player.mmOpen(folder.Write("tone.wav", ToneWav(5)));
  player.mmPlay();
  EXPECT_EQ(player.Status(), "playing");

  testing::TestGame t;
  t.game.Options.MusicList = {"tone.wav"};
  t.game.Options.MusicOn = true;
  TmrMediaTimer(t.game, player);
  EXPECT_FALSE(t.game.Win.TmrMedia.Enabled);
}

TEST(MusicModule, IsFoundBesideTheProgramOrInstalledAndADamagedOneLeavesSilence) {
  ScratchFolder folder;
  const fs::path built(ZUNDA_AUDIO_MODULE);
  const fs::path bin = folder.Path() + "/prefix/bin";
  fs::create_directories(bin);
  EXPECT_EQ(LoadAudioBackend(AudioModuleCandidates(bin)), nullptr);
  for (const fs::path& place : {fs::path(folder.Path() + "/prefix/lib/zunda"), bin}) {
    fs::create_directories(place);
    fs::copy_file(built, place / built.filename(), fs::copy_options::overwrite_existing);
    EXPECT_NE(LoadAudioBackend(AudioModuleCandidates(bin)), nullptr) << place;
    fs::remove(place / built.filename());
  }

  const std::string damaged = folder.Write("damaged.so", testing::Bytes(4000, 0x7F));
  for (const std::vector<std::string>& candidates :
       {std::vector<std::string>{}, {folder.Path() + "/missing.so"}, {damaged}}) {
    MmediaConfig config;
    config.ModuleCandidates = candidates;
    Mmedia player(config);
    EXPECT_EQ(player.CanPlaySound(), 0);
    player.mmOpen(folder.Write("tone.wav", ToneWav(1)));
    player.mmPlay();
    EXPECT_EQ(player.Status(), "");
  }
  MmediaConfig config;
  config.ModuleCandidates = {damaged, ZUNDA_AUDIO_MODULE};
  EXPECT_GE(Mmedia(config).CanPlaySound(), 1) << "a damaged candidate hides no good one after it";
}

}  // namespace
}  // namespace zunda
