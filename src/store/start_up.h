#pragma once

#include <functional>
#include <string>

namespace zunda {

struct Game;

inline constexpr int kMinScreenWidth = 800;
inline constexpr int kMinScreenHeight = 600;

struct StartUpContext {
  std::string ProgramFolder;
  int ScreenWidth = 0;  // pixels
  int ScreenHeight = 0;
  // Asked once; true when another copy of the program runs in the same folder.
  std::function<bool()> AnotherCopyRunning;
};

enum class StartUpResult { Continue, EndProgram };

bool ScreenLargeEnough(int width, int height);

// The first part of start-up: refuses a small screen and a second copy, fixes AppPath and the
// constant tables and seat defaults, and on the very first run writes the default option file
// and ends. Each refusal shows its message; EndProgram means the process ends without more.
StartUpResult BeginStartUp(Game& g, const StartUpContext& context);

// BeginStartUp followed by the waits from the option file.
StartUpResult StartUp(Game& g, const StartUpContext& context);

}  // namespace zunda
