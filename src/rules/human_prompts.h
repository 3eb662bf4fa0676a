#pragma once

namespace zunda {

// Prompt texts shared by the hand clicks and the buttons of the human seat.
inline constexpr const char* kPromptNotYourTurn = "不要着急,还不到您出牌的时候!";
inline constexpr const char* kPromptInvalidCard = "您选中的是无效牌";
inline constexpr const char* kPromptJokerObligation = "您已烧牌,要求至少有1张虎或一次发完所有牌";
// The pass button's tool tip when a pass now confirms the fold.
inline constexpr const char* kPassConfirmsTip = "确认,不再上牌了";

}  // namespace zunda
