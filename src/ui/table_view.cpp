#include "ui/table_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QToolTip>

#include "core/game.h"
#include "core/text.h"
#include "ui/extras_paint.h"
#include "ui/skins.h"

namespace zunda {
namespace {

QColor FromBgr(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// Covers the area with copies of the tile from its top left corner. drawTiledPixmap blends the
// area line by line, handing large areas to worker threads; with no scaling in the way, whole
// tiles are plain copies.
void DrawTiles(QPainter& p, const QRect& area, const QPixmap& tile) {
  if (p.deviceTransform().type() > QTransform::TxTranslate || tile.devicePixelRatio() != 1) {
    p.drawTiledPixmap(area, tile);
    return;
  }
  p.save();
  p.setClipRect(area, Qt::IntersectClip);
  for (int y = area.top(); y <= area.bottom(); y += tile.height()) {
    for (int x = area.left(); x <= area.right(); x += tile.width())
      p.drawPixmap(x, y, tile);
  }
  p.restore();
}

int TableIndex(int seat, int k) {
  return 20 * (seat - 1) + k;
}

// A slot that was never laid out stands where the fresh layout would put it.
int LeftOrDefault(const Image& image, int k) {
  return image.Left != 0 ? image.Left : 60 + 180 * (k - 1);
}

bool ShowsCard(const Image& image) {
  return image.Visible && !Trim(image.Tag).empty();
}

QString ButtonCaption(CommandButton which, const Button& state) {
  switch (which) {
    case CommandButton::Send:
      return QStringLiteral("出牌");
    case CommandButton::Pass:
      return Text(state.Picture).contains(QStringLiteral("capit"), Qt::CaseInsensitive)
                 ? QStringLiteral("扣牌")
                 : QStringLiteral("过牌");
    case CommandButton::Return:
      return QStringLiteral("收回");
    case CommandButton::NotSP:
      return QStringLiteral("不烧");
    case CommandButton::ShaoHuLe:
      return QStringLiteral("烧糊了");
    case CommandButton::HG:
      return QStringLiteral("还贡");
    case CommandButton::Hint:
      return QStringLiteral("提示");
  }
  return {};
}

}  // namespace

TableView::TableView(const Game& game, std::filesystem::path appPath, QWidget* parent)
    : QWidget(parent), game_(game), appPath_(std::move(appPath)) {
  setMouseTracking(true);
  setMinimumSize(320, 280);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // One sheet for all the command buttons: parsing it once per button slowed the start.
  setStyleSheet(QStringLiteral(
      "QPushButton { color: #3a2400; border: 1px solid #7a5a10; border-radius: 6px;"
      " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff4c8, stop:1 #e6be52); }"
      "QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
      " stop:0 #fffbe6, stop:1 #f0cc66); }"
      "QPushButton:focus { border: 2px solid #ffffff; }"
      "QPushButton:pressed { background: #d9a935; }"
      "QPushButton:disabled { color: #8a8060; background: #d8d0b0; }"));
  for (int i = 0; i < kCommandButtons; ++i) {
    auto* button = new QPushButton(this);
    button->hide();
    button->setCursor(Qt::PointingHandCursor);
    const auto which = static_cast<CommandButton>(i);
    connect(button, &QPushButton::clicked, this, [this, which] { emit commandClicked(which); });
    buttons_[static_cast<std::size_t>(i)] = button;
  }
}

QString TableView::DataFile(const std::string& name) const {
  std::string file = name;
  while (!file.empty() && (file.front() == '\\' || file.front() == '/'))
    file.erase(0, 1);
  return QString::fromStdString(ResolveNoCase(appPath_, game_.DataDir + "/" + file).string());
}

void TableView::SyncButtons() {
  const QRectF row = geometry_.ButtonRow();
  const double width = geometry_.Px(1150);
  const double gap = geometry_.Px(90);
  std::vector<QPushButton*> shown;
  for (int i = 0; i < kCommandButtons; ++i) {
    const auto which = static_cast<CommandButton>(i);
    const zunda::Button& state = ButtonState(game_.Win, which);
    QPushButton* button = buttons_[static_cast<std::size_t>(i)];
    button->setText(ButtonCaption(which, state));
    button->setToolTip(Text(state.ToolTipText));
    button->setEnabled(state.Enabled);
    // A hidden button's picture is read when it shows, not at the start.
    const QString picture = Text(state.Picture);
    if (state.Visible && picture != button->property("picture").toString()) {
      button->setProperty("picture", picture);
      button->setIcon(picture.isEmpty() ? QIcon() : QIcon(DataFile(state.Picture)));
    }
    if (state.Visible) shown.push_back(button);
    button->setVisible(state.Visible);
    // Focus moves only when the state newly asks for it, so a click elsewhere keeps its focus.
    bool& had = hadFocus_[static_cast<std::size_t>(i)];
    if (state.Visible && state.HasFocus && !had) button->setFocus();
    had = state.HasFocus;
  }
  QFont font = this->font();
  font.setPixelSize(std::max(9, static_cast<int>(geometry_.Px(200))));
  double x = row.center().x() - (shown.size() * width + (shown.size() - 1.0) * gap) / 2;
  for (QPushButton* button : shown) {
    button->setFont(font);
    const int side = std::max(12, static_cast<int>(geometry_.Px(260)));
    button->setIconSize(QSize(side, side));
    button->setGeometry(QRectF(x, row.top(), width, row.height()).toRect());
    x += width + gap;
  }
  update();
}

void TableView::SetPromptBlinkedOff(bool off) {
  if (off == promptBlinkedOff_) return;
  promptBlinkedOff_ = off;
  update(geometry_.PromptBox().toAlignedRect().adjusted(-2, -2, 2, 2));
}

void TableView::SetTurnMarkerFrame(int frame) {
  turnMarkerFrame_ = frame;
  update();
}

void TableView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  geometry_.SetViewSize(size());
  SyncButtons();
  emit scaleChanged(geometry_.Scale());
}

// ---- Painting ----

void TableView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  PaintBackground(p);
  for (int seat = 1; seat <= kSeats; ++seat)
    PaintSeat(p, seat);
  PaintPrompt(p);
  PaintTurnMarker(p);
  PaintHand(p);
  PaintExtrasMarks(p, *this, game_);
}

void TableView::PaintBackground(QPainter& p) {
  const QPixmap tile = game_.Skins.Background.empty()
                           ? QPixmap()
                           : pictures_.Background(Text(game_.Skins.Background));
  if (!tile.isNull()) {
    DrawTiles(p, rect(), tile);
    return;
  }
  QRadialGradient felt(rect().center(), std::max(width(), height()) * 0.75);
  felt.setColorAt(0, QColor(30, 122, 66));
  felt.setColorAt(1, QColor(10, 62, 34));
  p.fillRect(rect(), felt);
}

void TableView::PaintSeat(QPainter& p, int seat) {
  const MainWindowControls& win = game_.Win;
  const double round = geometry_.Px(90);
  if (win.Frame1[seat].Visible) {
    p.setPen(QPen(QColor(255, 255, 255, 70), std::max(1.0, geometry_.Px(12))));
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(geometry_.SeatArea(seat), round, round);
  }

  const Label& name = win.LblName[seat];
  if (name.Visible) {
    const QRectF label = geometry_.NameLabel(seat);
    QColor back = FromBgr(name.BackColor);
    // A transparent label still hints at its colour, so a passed or finished seat shows.
    if (!name.Opaque) back.setAlpha(190);
    p.setPen(name.BorderStyle != 0 ? QPen(Qt::white, std::max(1.0, geometry_.Px(15)))
                                   : QPen(Qt::NoPen));
    p.setBrush(back);
    p.drawRoundedRect(label, round, round);
    QFont font = this->font();
    font.setPixelSize(std::max(8, static_cast<int>(geometry_.Px(190))));
    font.setBold(true);
    p.setFont(font);
    p.setPen(FromBgr(name.ForeColor));
    const QRectF text = label.adjusted(geometry_.Px(80), 0, -geometry_.Px(60), 0);
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
               p.fontMetrics().elidedText(Text(name.Caption), Qt::ElideRight,
                                          static_cast<int>(text.width())));
  }

  p.save();
  p.setClipRect(geometry_.SeatRow(seat));
  for (int k = 1; k <= 20; ++k) {
    const Image& image = win.ImgTable[TableIndex(seat, k)];
    if (!ShowsCard(image)) continue;
    PaintCard(p, geometry_.TableCard(seat, LeftOrDefault(image, k), image.Top), image.Tag);
  }
  p.restore();
}

void TableView::PaintCard(QPainter& p, const QRectF& where, const std::string& code) {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (where.size() * ratio).toSize();
  const std::string trimmed = Trim(code);
  const QString path =
      QString::fromStdString(CardPicturePath(game_.Skins, appPath_, trimmed).string());
  const QPixmap face = pictures_.Face(path, Text(trimmed), pixels, ratio);
  const double radius = where.width() * 0.06;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(where.translated(geometry_.Px(18), geometry_.Px(24)), radius, radius);
  p.drawPixmap(where.topLeft(), face);
}

void TableView::PaintPrompt(QPainter& p) {
  const Label& prompt = game_.Win.LblPrompt;
  const QString text = Text(Trim(prompt.Caption));
  if (!prompt.Visible || text.isEmpty() || promptBlinkedOff_) return;
  const QRectF box = geometry_.PromptBox();
  QFont font = this->font();
  font.setPixelSize(std::max(9, static_cast<int>(geometry_.Px(240))));
  font.setBold(true);
  p.setFont(font);
  const double textWidth = p.fontMetrics().horizontalAdvance(text) + geometry_.Px(300);
  const double height = geometry_.Px(460);
  const QRectF plate(box.center().x() - std::min(textWidth, box.width()) / 2,
                     box.center().y() - height / 2, std::min(textWidth, box.width()), height);
  p.setPen(QPen(QColor(255, 230, 140, 200), std::max(1.0, geometry_.Px(15))));
  p.setBrush(QColor(0, 0, 0, 150));
  p.drawRoundedRect(plate, height / 2, height / 2);
  p.setPen(FromBgr(prompt.ForeColor));
  p.drawText(plate, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void TableView::PaintTurnMarker(QPainter& p) {
  const MainWindowControls& win = game_.Win;
  const int seat = game_.CurrentSeat;
  if (!(win.ImgRGB.Visible || win.TurnMarkerRunning) || seat < 1 || seat > kSeats) return;
  static const QColor kFrames[] = {QColor(240, 60, 50), QColor(60, 220, 90), QColor(70, 130, 255)};
  const QColor colour = kFrames[(turnMarkerFrame_ + 2) % 3];
  const QPointF centre = geometry_.TurnMarker(seat);
  const double r = geometry_.TurnMarkerRadius();
  QRadialGradient glow(centre, r * 1.6);
  glow.setColorAt(0, colour.lighter(150));
  glow.setColorAt(0.45, colour);
  glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, r * 1.6, r * 1.6);
}

void TableView::PaintHand(QPainter& p) {
  const QRectF frame = geometry_.HandFrame();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(frame, geometry_.Px(90), geometry_.Px(90));
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    const Image& image = game_.Win.ImgHand[slot];
    if (!ShowsCard(image)) continue;
    PaintCard(p, geometry_.HandCard(LeftOrDefault(image, slot), image.Top), image.Tag);
  }
}

// ---- Hit tests ----

int TableView::HandSlotAt(QPointF position) const {
  // Later slots lie on top of earlier ones.
  for (int slot = kHandSlots; slot >= 1; --slot) {
    const Image& image = game_.Win.ImgHand[slot];
    if (ShowsCard(image) &&
        geometry_.HandCard(LeftOrDefault(image, slot), image.Top).contains(position)) {
      return slot;
    }
  }
  return 0;
}

QRectF TableView::VisibleHandCard(int slot) const {
  const Image& image = game_.Win.ImgHand[slot];
  if (!ShowsCard(image)) return {};
  QRectF visible = geometry_.HandCard(LeftOrDefault(image, slot), image.Top);
  for (int above = slot + 1; above <= kHandSlots; ++above) {
    const Image& next = game_.Win.ImgHand[above];
    if (!ShowsCard(next)) continue;
    const QRectF cover = geometry_.HandCard(LeftOrDefault(next, above), next.Top);
    if (cover.intersects(visible) && cover.left() > visible.left()) {
      visible.setRight(std::min(visible.right(), cover.left()));
    }
  }
  return visible;
}

int TableView::NameLabelAt(QPointF position) const {
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (game_.Win.LblName[seat].Visible && geometry_.NameLabel(seat).contains(position)) {
      return seat;
    }
  }
  return 0;
}

QString TableView::ToolTipAt(QPointF position) const {
  const MainWindowControls& win = game_.Win;
  if (const int slot = HandSlotAt(position)) return Text(win.ImgHand[slot].ToolTipText);
  if (const int seat = NameLabelAt(position)) return Text(win.LblName[seat].ToolTipText);
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (!geometry_.SeatRow(seat).contains(position)) continue;
    for (int k = 20; k >= 1; --k) {
      const Image& image = win.ImgTable[TableIndex(seat, k)];
      if (ShowsCard(image) && !image.ToolTipText.empty() &&
          geometry_.TableCard(seat, LeftOrDefault(image, k), image.Top).contains(position)) {
        return Text(image.ToolTipText);
      }
    }
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (win.Frame1[seat].Visible && geometry_.SeatArea(seat).contains(position)) {
      return Text(win.Frame1[seat].ToolTipText);
    }
  }
  return {};
}

// ---- Mouse ----

void TableView::mousePressEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  pressedSlot_ = HandSlotAt(at);
  if (pressedSlot_ != 0) return;
  if (const int seat = NameLabelAt(at))
    emit nameLabelPressed(seat, event->button(), event->modifiers());
}

// A card reports its click when the button comes up, on the card that was pressed.
void TableView::mouseReleaseEvent(QMouseEvent* event) {
  const int slot = pressedSlot_;
  pressedSlot_ = 0;
  if (slot != 0) emit handCardClicked(slot, event->button(), event->modifiers());
}

// The second press of a double click: a card counts it as another click when the button comes
// up, so a double click on a card is two clicks; elsewhere it is a double click.
void TableView::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  pressedSlot_ = HandSlotAt(at);
  if (pressedSlot_ != 0) return;
  if (const int seat = NameLabelAt(at)) {
    emit nameLabelDoubleClicked(seat, event->button(), event->modifiers());
    return;
  }
  if (geometry_.HandFrame().contains(at)) return;  // a missed card is not a boss key
  emit backgroundDoubleClicked();
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (NameLabelAt(at) != 0 || geometry_.HandFrame().contains(at)) emit peekHover();
}

bool TableView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = ToolTipAt(help->pos());
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace zunda
