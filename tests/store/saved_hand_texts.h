#pragma once

namespace zunda::testing {

// The exact texts of the save and load commands, written out here rather than taken from the
// program so that a changed text fails the tests.
inline constexpr char kAskSave[] = "是否保存当前牌局？";
inline constexpr char kSaved[] = "当前牌局已保存!";
inline constexpr char kSaveFailedStart[] = "牌局保存失败：无法写入文件“";
inline constexpr char kAskRestore[] = "是否恢复牌局？";
inline constexpr char kNoSavedHand[] = "没有保存牌局。";
inline constexpr char kRestored[] = "牌局已恢复!";
inline constexpr char kHandsDamaged[] = "保存的牌局已损坏：文件“PaiXing.znd”的内容不完整或有误。";
inline constexpr char kStateDamaged[] = "保存的牌局已损坏：文件“Var.znd”的内容不完整或有误。";
inline constexpr char kStateMissing[] = "保存的牌局不完整：找不到文件“Var.znd”。";
inline constexpr char kPairDisagrees[] =
    "保存的牌局已损坏：文件“PaiXing.znd”与“Var.znd”不是同一次保存的，或其中的牌对不上。";
inline constexpr char kOtherVersion[] =
    "保存的牌局“Var.znd”是其他版本的程序保存的，本版本无法恢复；文件已原样保留。";

}  // namespace zunda::testing
