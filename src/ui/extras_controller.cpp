#include "ui/extras_controller.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "core/action.h"
#include "core/game.h"
#include "flow/round_pace.h"
#include "players/hint.h"
#include "rules/keyboard_play.h"
#include "store/extras_option_file.h"
#include "ui/card_counter_panel.h"
#include "ui/main_window.h"
#include "ui/table_view.h"

namespace zunda {

namespace {

constexpr const char* kHintToolTip = "按H键提示一手能出的牌，再按换一手";

}  // namespace

ExtrasController::ExtrasController(Game& g, MainWindow& window, Actions actions)
    : g_(g), window_(window), actions_(std::move(actions)) {
  // The menu goes before the help menu, which stays last.
  menu_ = new QMenu(tr("辅助(&E)"), &window_);
  const QList<QAction*> menus = window_.menuBar()->actions();
  window_.menuBar()->insertMenu(menus.isEmpty() ? nullptr : menus.last(), menu_);
  // The keys are read by the event filter; the text after the tab only shows them.
  hint_ = menu_->addAction(tr("提示\tH"));
  autoplay_ = menu_->addAction(tr("托管\tT"));
  autoplay_->setCheckable(true);
  counter_ = menu_->addAction(tr("记牌器\tJ"));
  counter_->setCheckable(true);
  connect(hint_, &QAction::triggered, this, [this] {
    if (HintOffered()) actions_.command(CommandButton::Hint);
  });
  connect(autoplay_, &QAction::triggered, this, [this] { ToggleAutoplay(); });
  connect(counter_, &QAction::triggered, this, [this] { ToggleCardCounter(); });

  panel_ = new CardCounterPanel(&window_);
  window_.addDockWidget(Qt::BottomDockWidgetArea, panel_);
  panel_->setVisible(false);

  qApp->installEventFilter(this);
}

ExtrasController::~ExtrasController() {
  qApp->removeEventFilter(this);
}

void ExtrasController::Sync() {
  const ExtrasOptions& o = g_.Options.Extras;

  Button& hint = g_.Win.CmdHint;
  hint.Visible = HintOffered();
  hint.ToolTipText = kHintToolTip;

  hint_->setVisible(o.Hint);
  hint_->setEnabled(hint.Visible);
  autoplay_->setVisible(o.Autoplay || g_.Extras.AutoplayOn);
  autoplay_->setChecked(g_.Extras.AutoplayOn);
  counter_->setChecked(o.CardCounter);
  if (panel_->isVisibleTo(&window_) != o.CardCounter) panel_->setVisible(o.CardCounter);
  if (o.CardCounter) panel_->Refresh(g_);
}

bool ExtrasController::HintOffered() const {
  return g_.Options.Extras.Hint && !g_.Extras.AutoplayOn && !RoundHeld(g_) && HintAvailable(g_);
}

void ExtrasController::ToggleAutoplay() {
  const bool on = !g_.Extras.AutoplayOn;
  if (on && !g_.Options.Extras.Autoplay) return;
  actions_.setAutoplay(on);
  actions_.sync();
}

void ExtrasController::ToggleCardCounter() {
  bool& shown = g_.Options.Extras.CardCounter;
  shown = !shown;
  SaveExtrasOptions(g_);
  actions_.sync();
}

void ExtrasController::Run(const std::function<void()>& step) {
  step();
  actions_.sync();
}

bool ExtrasController::PressButton(CommandButton which) {
  const Button& button = ButtonState(g_.Win, which);
  if (!button.Visible || !button.Enabled) return false;
  actions_.command(which);
  return true;
}

bool ExtrasController::HandleKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat) {
  const ExtrasOptions& o = g_.Options.Extras;
  const Qt::KeyboardModifiers mods = modifiers & ~Qt::KeypadModifier;
  const bool plain = mods == Qt::NoModifier;
  const bool isArrow =
      key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
  // A held key repeats only the focus moves: a repeated space or Enter must not act twice.
  if (autoRepeat && !isArrow) return false;

  if (RoundHeld(g_) && plain &&
      (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    Run([this] { PostAction(g_, ActionKind::ReleaseRound); });
    return true;
  }
  if (plain && key == Qt::Key_H && o.Hint) {
    if (HintOffered()) actions_.command(CommandButton::Hint);
    return true;
  }
  if (plain && key == Qt::Key_T && (o.Autoplay || g_.Extras.AutoplayOn)) {
    ToggleAutoplay();
    return true;
  }
  if (plain && key == Qt::Key_J) {
    ToggleCardCounter();
    return true;
  }
  if (!o.KeyboardPlay) return false;

  if (mods == (Qt::ControlModifier | Qt::ShiftModifier) && key == Qt::Key_S)
    return PressButton(CommandButton::ShaoHuLe);
  if (!plain) return false;
  switch (key) {
    case Qt::Key_Left:
      Run([this] { MoveHandFocus(g_, -1); });
      return true;
    case Qt::Key_Right:
      Run([this] { MoveHandFocus(g_, 1); });
      return true;
    case Qt::Key_Home:
      Run([this] { FocusHandEnd(g_, false); });
      return true;
    case Qt::Key_End:
      Run([this] { FocusHandEnd(g_, true); });
      return true;
    case Qt::Key_Up:
      if (FocusedHandSlot(g_) == 0) return false;
      Run([this] { SelectFocusedSet(g_); });
      return true;
    case Qt::Key_Down:
      if (FocusedHandSlot(g_) == 0) return false;
      Run([this] { LowerFocusedCard(g_); });
      return true;
    case Qt::Key_Space:
      // Until the arrows have put the focus on the hand, space presses the focused button.
      if (FocusedHandSlot(g_) == 0) return false;
      Run([this] { ToggleFocusedCard(g_); });
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return PressButton(CommandButton::Send);
    case Qt::Key_P:
      return PressButton(CommandButton::Pass);
    case Qt::Key_Backspace:
      return PressButton(CommandButton::Return);
    case Qt::Key_N:
      return PressButton(CommandButton::NotSP);
    case Qt::Key_G:
      return PressButton(CommandButton::HG);
    default:
      return false;
  }
}

bool ExtrasController::InMainWindow(QObject* watched) const {
  return watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == &window_;
}

bool ExtrasController::OnTable(QObject* watched) const {
  if (!watched->isWidgetType()) return false;
  const QWidget* table = window_.Table();
  for (auto* widget = static_cast<QWidget*>(watched); widget != nullptr;
       widget = widget->parentWidget()) {
    if (widget == table) return true;
  }
  return false;
}

bool ExtrasController::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress: {
      if (!InMainWindow(watched)) break;
      const auto* key = static_cast<QKeyEvent*>(event);
      return HandleKey(key->key(), key->modifiers(), key->isAutoRepeat());
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
      // A held round takes the click on the table for itself.
      if (!RoundHeld(g_) || !OnTable(watched)) break;
      if (event->type() == QEvent::MouseButtonRelease)
        Run([this] { PostAction(g_, ActionKind::ReleaseRound); });
      return true;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zunda
