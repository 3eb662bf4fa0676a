#pragma once

#include <string>
#include <vector>

#include "smf_writer.h"

namespace zunda::music_tool {

// A piece of our own with the file name it is shipped under in the Sound folder.
struct Piece {
  std::string FileName;
  Song Music;
};

// "QuietGarden.mid": a calm pentatonic air for pan flute over harp and strings, about 50 s.
Piece QuietGarden();
// "MarketDay.mid": a lively pentatonic tune for marimba, pizzicato, bass and drums, about 45 s.
Piece MarketDay();

std::vector<Piece> AllPieces();

}  // namespace zunda::music_tool
