#pragma once

#include "core/game.h"

namespace zunda {

// The turn cycle idles and the main window keeps its hands off the focus while a dialog is
// open; both go back to what they were when it closes.
class DialogOpenScope {
 public:
  explicit DialogOpenScope(Game& g)
      : g_(g), paused_(g.Flow.Paused), otherWindow_(g.Input.OtherWindowOpen) {
    g.Flow.Paused = true;
    g.Input.OtherWindowOpen = true;
  }
  ~DialogOpenScope() {
    g_.Flow.Paused = paused_;
    g_.Input.OtherWindowOpen = otherWindow_;
  }
  DialogOpenScope(const DialogOpenScope&) = delete;
  DialogOpenScope& operator=(const DialogOpenScope&) = delete;

 private:
  Game& g_;
  bool paused_;
  bool otherWindow_;
};

}  // namespace zunda
