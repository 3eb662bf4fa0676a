#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "media_files.h"
#include "pieces.h"
#include "ui/music/riff_midi.h"
#include "ui/music/sound_font.h"

namespace zunda {
namespace {

double Seconds(const music_tool::Song& song) {
  int lastTick = 0;
  for (const auto& part : song.Parts) {
    for (const auto& note : part.Notes)
      lastTick = std::max(lastTick, note.Start + note.Length);
  }
  return lastTick / double(music_tool::kTicksPerQuarter) * 60.0 / song.BeatsPerMinute;
}

TEST(ShippedMusic, IsExactlyWhatTheComposingToolWritesAndOfAFittingLength) {
  for (const auto& piece : music_tool::AllPieces()) {
    QFile file(QString::fromStdString(std::string(ZUNDA_SHIPPED_SOUND_DIR "/") + piece.FileName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << piece.FileName;
    const QByteArray shipped = file.readAll();
    EXPECT_EQ(testing::Bytes(shipped.begin(), shipped.end()), music_tool::EncodeSmf(piece.Music))
        << piece.FileName << " differs: run make_music data/Sound";
    EXPECT_GE(Seconds(piece.Music), 30) << piece.FileName;
    EXPECT_LE(Seconds(piece.Music), 60) << piece.FileName;
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
  std::fill(hugeChunk.begin() + 16, hugeChunk.begin() + 20, 0xFF);
  EXPECT_EQ(MidiInsideRiff(hugeChunk), std::nullopt);
}

TEST(SoundFont, TakesTheFirstRealSoundfontFile) {
  testing::ScratchFolder folder;
  const std::string fake = folder.Write("fake.sf2", testing::ToneWav(0.01));  // RIFF, not sfbk
  const std::string real =
      folder.Write("real.sf2", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 's', 'f', 'b', 'k'});
  const std::string missing = folder.Path() + "/missing.sf2";
  EXPECT_EQ(FindSoundFont({missing, fake, real}), real);
  EXPECT_EQ(FindSoundFont({missing, fake}), "");
  EXPECT_EQ(FindSoundFont({}), "");
}

}  // namespace
}  // namespace zunda
