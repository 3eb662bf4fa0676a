#include "core/display.h"

#include <functional>

#include "core/game.h"
#include "core/text.h"

namespace zunda {

namespace {

// Shows the caption just written: white, and visible and blinking unless it is blank.
void ShowPromptCaption(Game& g) {
  Label& prompt = g.Win.LblPrompt;
  prompt.ForeColor = kColorWhite;
  prompt.Visible = !TrimView(prompt.Caption).empty();
  g.Win.TmrPrompt.Enabled = prompt.Visible;
  ++g.Extras.PromptsShown;
}

bool PointsInto(std::string_view part, const std::string& text) {
  const std::less<const char*> before;
  return !before(part.data(), text.data()) && before(part.data(), text.data() + text.size());
}

}  // namespace

void ShowPrompt(Game& g, std::string_view text) {
  g.Win.LblPrompt.Caption.assign(text.data(), text.size());
  ShowPromptCaption(g);
}

void ShowPlayPrompt(Game& g, std::string_view name, std::string_view text) {
  std::string& caption = g.Win.LblPrompt.Caption;
  // Written over the caption's own storage, unless a part is a piece of the caption itself.
  if (PointsInto(name, caption) || PointsInto(text, caption)) {
    caption = std::string(name).append(":").append(text);
  } else {
    caption.assign(name).append(":").append(text);
  }
  ShowPromptCaption(g);
}

void AddEventLine(Game& g, std::string_view name, std::string_view text) {
  ListBox& events = g.Win.LstDispEvent;
  const std::string_view who = TrimView(name);
  if (who.empty()) {
    events.Items.emplace_back(text);
  } else {
    std::string line;
    line.reserve(who.size() + 2 + text.size());
    line.append(who).append(": ").append(text);
    events.Items.push_back(std::move(line));
  }
  events.ListIndex = static_cast<int>(events.Items.size()) - 1;
  RecordEventLine(g, events.Items.back());
}

}  // namespace zunda
