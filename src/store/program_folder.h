#pragma once

#include <string>
#include <string_view>

namespace zunda {

struct Game;

// Every file the program uses is named relative to its own folder, the way the program always
// wrote them: AppPath followed by a suffix such as "\Data" or "\Option.ini". Inside the
// program paths use '/'; a '\' in a relative name is a separator too.

// The program folder as AppPath holds it: absolute, '/' separated, without a trailing
// separator, except that the root of the file system stays "/" (or "C:/"), never "".
std::string MakeAppPath(std::string_view folder);

// folder + relative with exactly one separator between them; '\' in relative becomes '/'.
std::string JoinPath(std::string_view folder, std::string_view relative);

// Like JoinPath, but each part of relative is matched against what exists on disk without
// regard to case, as the program's files always were on Windows: "option.ini" finds
// "Option.ini". An exact match wins over a case variant; parts that do not exist are kept as
// written, so the result also names a file about to be created.
std::string ResolveNoCase(std::string_view folder, std::string_view relative);

// A name relative to the program folder g.AppPath, resolved without regard to case.
std::string ProgramFile(const Game& g, std::string_view relative);

// A full path whose last part is matched without regard to case inside its folder.
std::string ResolveFileNoCase(std::string_view path);

}  // namespace zunda
