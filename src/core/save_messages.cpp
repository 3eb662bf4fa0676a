#include "core/save_messages.h"

#include <algorithm>

#include "core/game.h"

namespace zunda {

namespace {

constexpr std::string_view kWriteFailed =
    "无法保存文件“%1”：%2。游戏照常进行，下次保存时将再试一次。";
constexpr std::string_view kHandSaveFailed = "牌局保存失败：无法写入文件“%1”（%2）。";

constexpr std::string_view kOtherVersion =
    "保存的牌局“%1”是其他版本的程序保存的，本版本无法恢复；文件已原样保留。";
constexpr std::string_view kFileMissing = "保存的牌局不完整：找不到文件“%1”。";
constexpr std::string_view kFileUnreadable = "保存的牌局无法恢复：文件“%1”无法读取。";
constexpr std::string_view kFileDamaged = "保存的牌局已损坏：文件“%1”的内容不完整或有误。";
constexpr std::string_view kFilesDisagree =
    "保存的牌局已损坏：文件“%1”与“%2”不是同一次保存的，或其中的牌对不上。";
constexpr std::string_view kNoSavedHand = "没有保存牌局。";

}  // namespace

std::string WriteFaultText(const SaveResult& failure) {
  switch (failure.Fault) {
    case WriteFault::DiskFull:
      return "磁盘空间已满";
    case WriteFault::NoPermission:
      return "没有写入权限";
    case WriteFault::FolderMissing:
      return "文件夹不存在";
    case WriteFault::None:
    case WriteFault::Other:
      break;
  }
  return failure.Detail.empty() ? "写入出错" : failure.Detail;
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values) {
  std::string result;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t mark = text.find('%', at);
    const bool numbered = mark != std::string_view::npos && mark + 1 < text.size() &&
                          text[mark + 1] >= '1' && text[mark + 1] <= '9';
    if (!numbered) {
      const std::size_t end = mark == std::string_view::npos ? text.size() : mark + 1;
      result.append(text.substr(at, end - at));
      at = end;
      continue;
    }
    result.append(text.substr(at, mark - at));
    const auto index = static_cast<std::size_t>(text[mark + 1] - '1');
    if (index < values.size()) result.append(*(values.begin() + index));
    at = mark + 2;
  }
  return result;
}

std::string WriteFailedText(const SaveResult& failure) {
  return FillIn(kWriteFailed, {failure.File, WriteFaultText(failure)});
}

std::string HandSaveFailedText(const SaveResult& failure) {
  return FillIn(kHandSaveFailed, {failure.File, WriteFaultText(failure)});
}

std::string RestoreFailedText(const RestoreResult& result) {
  switch (result.Outcome) {
    case RestoreOutcome::Restored:
      return {};
    case RestoreOutcome::NoSavedHand:
      return std::string(kNoSavedHand);
    case RestoreOutcome::OtherVersion:
      return FillIn(kOtherVersion, {result.File});
    case RestoreOutcome::FileMissing:
      return FillIn(kFileMissing, {result.File});
    case RestoreOutcome::FileUnreadable:
      return FillIn(kFileUnreadable, {result.File});
    case RestoreOutcome::FileDamaged:
      return FillIn(kFileDamaged, {result.File});
    case RestoreOutcome::FilesDisagree:
      return FillIn(kFilesDisagree, {result.File, result.OtherFile});
  }
  return {};
}

void TellSaveResult(Game& g, const std::string& topic, const SaveResult& result) {
  std::vector<std::string>& told = g.Storage.FailedSavesTold;
  const auto known = std::find(told.begin(), told.end(), topic);
  if (result.Ok()) {
    if (known != told.end()) told.erase(known);
    return;
  }
  if (known != told.end()) return;
  told.push_back(topic);
  g.Msg(WriteFailedText(result), Host::Buttons::Ok, Host::Icon::Exclamation);
}

void TellSaveFailure(Game& g, const SaveResult& result) {
  if (!result.Ok()) g.Msg(WriteFailedText(result), Host::Buttons::Ok, Host::Icon::Exclamation);
}

}  // namespace zunda
