#pragma once

#include <cstdint>
#include <optional>
#include <string>

class QCoreApplication;

namespace zunda {

struct CommandLine {
  std::string ProgramFolder;          // --home DIR, else chosen by the layout on disk
  std::string ShippedData;            // the folder holding the shipped data folders
  std::optional<std::uint64_t> Seed;  // --seed N, else a seed from the system's entropy
  bool Autoplay = false;              // --autoplay: the autopilot plays seat 1 (a demo)
  bool QuitAfterFirstPaint = false;   // --quit-after-first-paint: for start-up measurements
  bool QuitAfterStart = false;        // --quit-after-start: the whole start, then exit
  std::string Screenshot;             // --screenshot FILE: save the window after a while, quit
  int ScreenshotDelayMs = 6000;       // --screenshot-delay MS
};

// Reads the program's arguments. --help and --version print their text and end the process; a
// bad argument prints the reason and ends it with status 2.
CommandLine ParseCommandLine(const QCoreApplication& app);

// Whether the arguments ask only for the usage or the version, which need no display: main
// answers them before it opens the window system.
bool AsksOnlyForText(int argc, char* argv[]);

}  // namespace zunda
