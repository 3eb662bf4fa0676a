#include "ui/skins.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

#include <QString>

#include "core/cards.h"
#include "core/game.h"
#include "core/options.h"
#include "core/save_messages.h"
#include "core/text.h"
#include "store/file_system.h"
#include "store/option_file.h"
#include "store/safe_write.h"

namespace zunda {
namespace fs = std::filesystem;

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The parts of a relative path written with either separator; empty parts and "." dropped.
std::vector<std::string> PathParts(std::string_view relative) {
  std::vector<std::string> parts;
  std::string part;
  const auto flush = [&] {
    if (!part.empty() && part != ".") parts.push_back(part);
    part.clear();
  };
  for (char c : relative) {
    if (c == '/' || c == '\\') {
      flush();
    } else {
      part += c;
    }
  }
  flush();
  return parts;
}

bool HasForbiddenCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < 0x20 || u == 0x7F || std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
  });
}

// A file name of a skin.ini picture key that stays inside the skin folder: relative, no ".."
// part, and only characters a file name can hold.
bool IsSafeRelativeFile(std::string_view value) {
  if (value.empty() || value.front() == '/' || value.front() == '\\') return false;
  const std::vector<std::string> parts = PathParts(value);
  if (parts.empty()) return false;
  return std::all_of(parts.begin(), parts.end(), [](const std::string& part) {
    return part != ".." && !HasForbiddenCharacter(part);
  });
}

std::string CodeString(int k) {
  return CodeAt(k).Str();
}

bool SameFile(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::exists(a, error) && fs::exists(b, error) && fs::equivalent(a, b, error);
}

// A skin's pictures are small; a larger file is no picture of one.
constexpr qint64 kLargestSkinFile = qint64{64} * 1024 * 1024;

QString QtPath(const fs::path& path) {
  return QString::fromStdString(path.string());
}

// Copies one file, creating its folder, so that the copy is whole or the file there before
// stays as it was; copying a file onto itself leaves it alone.
SaveResult CopyInto(const fs::path& from, const fs::path& to) {
  if (SameFile(from, to)) return {};
  SaveResult folder = Files().MakeFolder(QtPath(to.parent_path()));
  if (!folder.Ok()) return folder;
  const std::optional<QByteArray> bytes = Files().Read(QtPath(from), kLargestSkinFile);
  if (!bytes) return {WriteFault::Other, from.string(), "cannot be read"};
  return ReplaceFile(QtPath(to), *bytes);
}

// Why a name cannot join the skin list, or nothing when it can.
std::optional<std::string> ListRefusal(const std::vector<std::string>& list,
                                       const std::string& name) {
  switch (FitsSkinsList(list, name)) {
    case SkinNameFit::Fits:
      break;
    case SkinNameFit::HasComma:
      return FillIn(
          "Err: "
          "Skin名称“%1”中含有逗号，皮肤列表无法保存这样的名称；请修改skin.ini中的Name后再导入。",
          {name});
    case SkinNameFit::NotStorable:
      return FillIn(
          "Err: Skin名称“%1”中含有配置文件无法保存的字符；请修改skin.ini中的Name后再导入。",
          {name});
    case SkinNameFit::ListTooLong:
      return FillIn("Err: 皮肤列表已满，无法再导入Skin“%1”。", {name});
  }
  if (static_cast<int>(list.size()) >= kMaxSkins) {
    return FillIn("Err: 皮肤列表已满，无法再导入Skin“%1”。", {name});
  }
  return std::nullopt;
}

IniLookup OpenOrEmpty(const IniOpener& openIni, const fs::path& file) {
  IniLookup lookup = openIni ? openIni(file) : IniLookup{};
  if (!lookup) return [](const std::string&, const std::string&) { return std::string(); };
  return lookup;
}

}  // namespace

fs::path ResolveNoCase(const fs::path& base, std::string_view relative) {
  fs::path result = base;
  bool lost = false;  // once a part is missing, the rest is appended as written
  for (const std::string& part : PathParts(relative)) {
    std::error_code error;
    if (!lost && !fs::exists(result / part, error) && fs::is_directory(result, error)) {
      lost = true;
      for (const fs::directory_entry& entry : fs::directory_iterator(result, error)) {
        if (EqualNoCase(entry.path().filename().string(), part)) {
          result = entry.path();
          lost = false;
          break;
        }
      }
      if (!lost) continue;
    }
    result /= part;
  }
  return result;
}

bool IsSafeSkinName(std::string_view name) {
  if (Trim(name).empty() || name != Trim(name)) return false;
  if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos) {
    return false;
  }
  if (name.find("..") != std::string_view::npos || HasForbiddenCharacter(name)) return false;
  // A trailing dot is dropped by some file systems, so the folder would get another name.
  return name.back() != '.';
}

fs::path NormalFacePath(const fs::path& appPath, std::string_view code) {
  std::string file = std::string(code) + ".bmp";
  std::transform(file.begin(), file.end(), file.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ResolveNoCase(appPath, "skins/normal/" + file);
}

void LoadSkins(SkinState& skins, const OptionsModel& options, const fs::path& appPath,
               const IniOpener& openIni) {
  skins = SkinState{};
  for (const std::string& entry : options.SkinsList) {
    const std::string folder = Trim(entry);
    if (folder.empty() || static_cast<int>(skins.Folders.size()) >= kMaxSkins) continue;
    skins.Folders.push_back(folder);
  }
  skins.CurFolder = Trim(options.CurSkin);
  for (std::size_t i = 0; i < skins.Folders.size(); ++i) {
    if (EqualNoCase(skins.Folders[i], skins.CurFolder)) {
      skins.CurIndex = static_cast<int>(i);
      break;
    }
  }

  // A current skin that could name a folder outside Skins/ is not read; Normal faces are used.
  IniLookup ini = [](const std::string&, const std::string&) { return std::string(); };
  fs::path folder;
  if (IsSafeSkinName(skins.CurFolder)) {
    folder = ResolveNoCase(appPath, std::string(kSkinsFolder) + "/" + skins.CurFolder);
    ini = OpenOrEmpty(openIni, ResolveNoCase(folder, "skin.ini"));
  }
  skins.DisplayName = Trim(ini("Skin", "Name"));
  const std::string background = Trim(ini("Picture", "Background"));
  if (!background.empty()) skins.Background = ResolveNoCase(folder, background).string();
  for (int k = 0; k < kCardPictures; ++k) {
    const std::string code = CodeString(k);
    const std::string file = Trim(ini("Picture", code));
    skins.CardPictures[PictureIndex(code)] =
        (file.empty() ? NormalFacePath(appPath, code) : ResolveNoCase(folder, file)).string();
  }
}

fs::path CardPicturePath(const SkinState& skins, const fs::path& appPath, std::string_view code) {
  const int index = PictureIndex(code);
  if (index < 1 || index > kCardPictures) return {};
  const std::string& path = skins.CardPictures[index];
  return path.empty() ? NormalFacePath(appPath, code) : fs::path(path);
}

std::array<fs::path, 3> SkinPreviewPictures(const fs::path& appPath, std::string_view folder) {
  const std::string skins(kSkinsFolder);
  const std::array<std::string_view, 3> own = {"background.jpg", "j17.jpg", "d13.jpg"};
  const std::array<std::string_view, 3> normal = {"Normal/background.jpg", "Normal/j17.bmp",
                                                  "Normal/d13.bmp"};
  std::array<fs::path, 3> pictures;
  for (std::size_t i = 0; i < own.size(); ++i) {
    std::error_code error;
    fs::path path;
    if (IsSafeSkinName(folder)) {
      path = ResolveNoCase(appPath, skins + "/" + std::string(folder) + "/" + std::string(own[i]));
    }
    if (path.empty() || !fs::is_regular_file(path, error)) {
      path = ResolveNoCase(appPath, skins + "/" + std::string(normal[i]));
    }
    pictures[i] = path;
  }
  return pictures;
}

SkinImportResult ImportSkin(Game& g, const fs::path& appPath, const fs::path& chosenIni,
                            const IniOpener& openIni, const std::function<SaveResult()>& saveList) {
  std::error_code error;
  if (chosenIni.empty() || !fs::is_regular_file(chosenIni, error)) {
    g.Msg("Err: 没有选定*.ini文件");
    return SkinImportResult::NoFileChosen;
  }
  const IniLookup ini = OpenOrEmpty(openIni, chosenIni);
  const std::string name = Trim(ini("Skin", "Name"));
  // The name becomes a folder under Skins/: one that could lead elsewhere is a wrong format.
  if (name.empty() || !IsSafeSkinName(name)) {
    g.Msg("Err: 选定的.ini文件格式不对");
    return SkinImportResult::WrongFormat;
  }

  std::vector<std::string>& list = g.Options.SkinsList;
  const bool listed = std::any_of(list.begin(), list.end(), [&](const std::string& entry) {
    return EqualNoCase(Trim(entry), name);
  });
  if (listed && g.Msg("Err:已经存在 -- " + name + ",是否覆盖?", Host::Buttons::YesNo,
                      Host::Icon::Question) != Host::Answer::Yes) {
    return SkinImportResult::Declined;
  }
  // A name the list cannot hold would import, show, and be gone after a restart.
  if (const std::optional<std::string> refusal = listed ? std::nullopt : ListRefusal(list, name)) {
    g.Msg(*refusal, Host::Buttons::Ok, Host::Icon::Critical);
    return SkinImportResult::ListFull;
  }

  const fs::path skinsRoot = ResolveNoCase(appPath, kSkinsFolder);
  const fs::path target = ResolveNoCase(skinsRoot, name);
  if (const SaveResult copied = CopyInto(chosenIni, target / "skin.ini"); !copied.Ok()) {
    g.Msg("Err: Skin文件导入失败 -- " + name, Host::Buttons::Ok, Host::Icon::Critical);
    TellSaveFailure(g, copied);
    return SkinImportResult::CopyFailed;
  }

  std::vector<std::string> keys;
  keys.reserve(52 + 3);
  for (int k = 0; k < 52; ++k)
    keys.push_back(CodeString(k));
  keys.insert(keys.end(), {"J17", "J16", "Background"});
  const fs::path source = chosenIni.parent_path();
  for (const std::string& key : keys) {
    const std::string file = Trim(ini("Picture", key));
    if (file.empty()) continue;
    const fs::path from = ResolveNoCase(source, file);
    // Picture names that leave the skin folder are treated as missing: nothing is written
    // outside the new folder.
    if (!IsSafeRelativeFile(file) || !fs::is_regular_file(from, error)) {
      g.Msg("文件未发现:" + file);
      continue;
    }
    std::string relative = file;
    std::replace(relative.begin(), relative.end(), '\\', '/');
    if (const SaveResult copied = CopyInto(from, target / relative); !copied.Ok()) {
      TellSaveFailure(g, copied);
    }
  }

  if (!listed) {
    list.push_back(name);
    if (static_cast<int>(g.Skins.Folders.size()) < kMaxSkins) g.Skins.Folders.push_back(name);
  }
  // Success is said only once the list that keeps the skin is on disk.
  SaveResult saved = saveList ? saveList() : SaveResult{};
  if (!saved.Ok()) {
    g.Msg(FillIn("Err: Skin“%1”的文件已导入，但皮肤列表没有保存（%2），重新启动后列表中不会有它。",
                 {name, WriteFaultText(saved)}),
          Host::Buttons::Ok, Host::Icon::Critical);
    return SkinImportResult::Imported;
  }
  g.Msg("Skin文件导入成功");
  return SkinImportResult::Imported;
}

}  // namespace zunda
