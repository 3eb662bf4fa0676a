#include "core/display.h"

#include "core/game.h"
#include "core/text.h"

namespace zunda {

void ShowPrompt(Game& g, const std::string& text) {
  Label& prompt = g.Win.LblPrompt;
  prompt.Caption = text;
  prompt.ForeColor = kColorWhite;
  prompt.Visible = !Trim(text).empty();
  g.Win.TmrPrompt.Enabled = prompt.Visible;
}

void AddEventLine(Game& g, const std::string& name, const std::string& text) {
  ListBox& events = g.Win.LstDispEvent;
  const std::string who = Trim(name);
  events.AddItem(who.empty() ? text : who + ": " + text);
  events.ListIndex = static_cast<int>(events.Items.size()) - 1;
}

}  // namespace zunda
