#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "media_files.h"
#include "pieces.h"
#include "ui/music/riff_midi.h"
#include "ui/music/sound_font.h"

namespace zunda {
namespace {

using testing::ScratchFolder;

double Seconds(const music_tool::Song& song) {
  int lastTick = 0;
  for (const auto& part : song.Parts) {
    for (const auto& note : part.Notes)
      lastTick = std::max(lastTick, note.Start + note.Length);
  }
  return lastTick / double(music_tool::kTicksPerQuarter) * 60.0 / song.BeatsPerMinute;
}

TEST(ShippedMusic, IsExactlyWhatTheComposingToolWritesAndOfAFittingLength) {
  const std::filesystem::path shipped = ZUNDA_SHIPPED_SOUND_DIR;
  for (const auto& piece : music_tool::AllPieces()) {
    EXPECT_EQ(testing::ReadBytes(shipped / piece.FileName), music_tool::EncodeSmf(piece.Music))
        << piece.FileName << " differs: run make_music data/Sound";
    EXPECT_GE(Seconds(piece.Music), 30) << piece.FileName;
    EXPECT_LE(Seconds(piece.Music), 60) << piece.FileName;
    for (const auto& part : piece.Music.Parts) {
      for (const auto& note : part.Notes) {
        ASSERT_TRUE(note.Key >= 0 && note.Key < 128 && note.Velocity > 0 && note.Velocity < 128 &&
                    note.Length > 0)
            << piece.FileName << " " << part.Name;
      }
    }
  }
}

TEST(RiffMidi, UnwrapsTheDataChunkAndRefusesBrokenContainers) {
  const auto midi = testing::ShortMidi();
  EXPECT_EQ(MidiInsideRiff(testing::WrapAsRmi(midi)), midi);
  EXPECT_EQ(MidiInsideRiff(midi), std::nullopt);  // a bare MIDI file is no container

  auto truncated = testing::WrapAsRmi(midi);
  truncated.resize(truncated.size() - 10);
  EXPECT_EQ(MidiInsideRiff(truncated), std::nullopt);

  auto hugeChunk = testing::WrapAsRmi(midi);
  hugeChunk[16] = hugeChunk[17] = hugeChunk[18] = hugeChunk[19] = 0xFF;
  EXPECT_EQ(MidiInsideRiff(hugeChunk), std::nullopt);
}

TEST(SoundFont, TakesTheFirstRealSoundfontFile) {
  ScratchFolder folder;
  std::vector<std::uint8_t> sf2 = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 's', 'f', 'b', 'k'};
  const std::string fake = folder.Write("fake.sf2", testing::ToneWav(0.01));  // RIFF, not sfbk
  const std::string real = folder.Write("real.sf2", sf2);
  const std::string missing = (folder.Path() / "missing.sf2").string();
  EXPECT_EQ(FindSoundFont({missing, fake, real}), real);
  EXPECT_EQ(FindSoundFont({missing, fake}), "");
  EXPECT_EQ(FindSoundFont({}), "");
}

}  // namespace
}  // namespace zunda
