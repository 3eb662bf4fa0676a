#include "core/display.h"

#include "core/game.h"
#include "core/text.h"

namespace zunda {

void ShowPrompt(Game& g, std::string_view text) {
  Label& prompt = g.Win.LblPrompt;
  prompt.Caption.assign(text.data(), text.size());
  prompt.ForeColor = kColorWhite;
  prompt.Visible = !TrimView(text).empty();
  g.Win.TmrPrompt.Enabled = prompt.Visible;
  ++g.Extras.PromptsShown;
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
