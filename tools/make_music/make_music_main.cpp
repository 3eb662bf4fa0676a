// Writes our background-music pieces as Standard MIDI Files into the folder given on the
// command line (the repository's data/Sound when regenerating the shipped files).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "pieces.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: make_music OUTPUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  for (const auto& piece : zunda::music_tool::AllPieces()) {
    const auto bytes = zunda::music_tool::EncodeSmf(piece.Music);
    std::ofstream out(folder / piece.FileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::cerr << "cannot write " << (folder / piece.FileName) << "\n";
      return 1;
    }
    std::cout << (folder / piece.FileName).string() << ": " << bytes.size() << " bytes\n";
  }
  return 0;
}
