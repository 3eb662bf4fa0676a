#pragma once

#include <type_traits>
#include <utility>

#include "core/game.h"
#include "flow/apply_action.h"

namespace zunda::testing {

// An input as the window delivers it: the handler posts, then the settle applies the posts.
template <typename Handler, typename... Args>
decltype(auto) Input(Game& g, Handler&& handler, Args&&... args) {
  using Result = std::invoke_result_t<Handler, Game&, Args...>;
  if constexpr (std::is_void_v<Result>) {
    handler(g, std::forward<Args>(args)...);
    RunPostedActions(g);
  } else {
    Result result = handler(g, std::forward<Args>(args)...);
    RunPostedActions(g);
    return result;
  }
}

}  // namespace zunda::testing

namespace zunda {
// The engine tests outside the testing namespace use it under the same name.
using testing::Input;
}  // namespace zunda
