#pragma once

namespace zunda::testing {

// The exact texts of the save and load commands, written out here rather than taken from the
// program so that a changed text fails the tests.
inline constexpr char kAskSave[] = "是否保存当前牌局？";
inline constexpr char kSaved[] = "当前牌局已保存!";
inline constexpr char kSaveFailed[] = "牌局保存失败，请检查程序文件夹是否允许写入。";
inline constexpr char kAskRestore[] = "是否恢复牌局？";
inline constexpr char kNoSavedHand[] = "没有保存牌局。";
inline constexpr char kRestored[] = "牌局已恢复!";

}  // namespace zunda::testing
