#include "ui/table_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QToolTip>
#include <algorithm>

#include "core/game.h"
#include "core/text.h"
#include "flow/seat_to_act.h"
#include "ui/extras_paint.h"
#include "ui/shown_text.h"
#include "ui/skins.h"

namespace zunda {
namespace {

QColor FromBgr(std::uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

// The turn mark: a colour none of the seat labels' states uses.
const QColor kTurnMark(90, 230, 255);

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
int LeftOrDefault(const CardImage& image, int k) {
  return image.Left != 0 ? image.Left : 60 + 180 * (k - 1);
}

QString ButtonCaption(CommandButton which, const Button& state) {
  switch (which) {
    case CommandButton::Send:
      return TableView::tr("出牌");
    case CommandButton::Pass:
      return QString::fromStdString(state.Picture)
                     .contains(QStringLiteral("capit"), Qt::CaseInsensitive)
                 ? TableView::tr("扣牌")
                 : TableView::tr("过牌");
    case CommandButton::Return:
      return TableView::tr("收回");
    case CommandButton::NotSP:
      return TableView::tr("不烧");
    case CommandButton::ShaoHuLe:
      return TableView::tr("烧糊了");
    case CommandButton::HG:
      return TableView::tr("还贡");
    case CommandButton::Hint:
      return TableView::tr("提示");
  }
  return {};
}

// The largest font up to `pixels` (and down to 70 % of it) in which the text fits the width.
QFont FittedFont(QFont font, int pixels, const QString& text, double width) {
  for (int size = pixels; size >= std::max(6, pixels * 7 / 10); --size) {
    font.setPixelSize(size);
    if (QFontMetricsF(font).horizontalAdvance(text) <= width) break;
  }
  return font;
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
      " padding: 0 8px;"
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
  pictures_.SetTexts({tr("小虎"), tr("大虎")});
  connect(&motion_, &CardMotion::changed, this,
          [this](const QRectF& area) { update(area.toAlignedRect()); });
}

void TableView::FollowState() {
  motion_.Follow(game_, geometry_, Hand(), isVisible() && !window()->isMinimized());
}

QString TableView::DataFile(const std::string& name) const {
  std::string file = name;
  while (!file.empty() && (file.front() == '\\' || file.front() == '/'))
    file.erase(0, 1);
  return QString::fromStdString(ResolveNoCase(appPath_, game_.DataDir + "/" + file).string());
}

void TableView::SyncButtons() {
  const QRectF row = geometry_.ButtonRow();
  std::vector<QPushButton*> shown;
  for (int i = 0; i < kCommandButtons; ++i) {
    const auto which = static_cast<CommandButton>(i);
    const zunda::Button& state = ButtonState(game_.Win, which);
    QPushButton* button = buttons_[static_cast<std::size_t>(i)];
    button->setText(ButtonCaption(which, state));
    button->setToolTip(ShownText(state.ToolTipText));
    button->setEnabled(state.Enabled);
    // A hidden button's picture is read when it shows, not at the start.
    const QString picture = QString::fromStdString(state.Picture);
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
  // Every button is as wide as its caption needs, and the row is centred over the table.
  const double gap = std::max(4.0, geometry_.Px(90));
  const int side = std::max(12, static_cast<int>(row.height() * 0.62));
  QFont font = this->font();
  int pixels = std::max(9, static_cast<int>(row.height() * 0.46));
  std::vector<double> widths(shown.size());
  double total = 0;
  for (;;) {
    font.setPixelSize(pixels);
    const QFontMetricsF metrics(font);
    total = gap * (static_cast<double>(shown.size()) - 1);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      const double icon = shown[i]->icon().isNull() ? 0 : side + 4;
      widths[i] = std::max(row.height() * 2.6,
                           metrics.horizontalAdvance(shown[i]->text()) + icon + 2.2 * pixels);
      total += widths[i];
    }
    if (total <= row.width() || pixels <= 8) break;
    --pixels;
  }
  double x = row.center().x() - total / 2;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    shown[i]->setFont(font);
    shown[i]->setIconSize(QSize(side, side));
    shown[i]->setGeometry(QRectF(x, row.top(), widths[i], row.height()).toRect());
    x += widths[i] + gap;
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
  if (const int seat = SeatToAct(game_))
    update(geometry_.SeatArea(seat).toAlignedRect().adjusted(-8, -8, 8, 8));
}

void TableView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  geometry_.SetViewSize(size());
  motion_.Clear();
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
  PaintTurnMark(p);
  PaintPrompt(p);
  PaintHand(p);
  PaintExtrasMarks(p, *this, game_);
  motion_.Paint(p, [this](QPainter& painter, const QRectF& where, const std::string& code,
                          QSizeF pictureSize) { PaintCard(painter, where, code, pictureSize); });
}

void TableView::PaintBackground(QPainter& p) {
  const QPixmap tile = game_.Skins.Background.empty()
                           ? QPixmap()
                           : pictures_.Background(QString::fromStdString(game_.Skins.Background));
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
  const double round = std::max(3.0, geometry_.Px(90));
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
    const QRectF text = label.adjusted(label.height() * 0.3, 0, -label.height() * 0.2, 0);
    const QString caption = ShownText(name.Caption);
    QFont font = this->font();
    font.setBold(true);
    font = FittedFont(font, std::max(8, static_cast<int>(label.height() * 0.62)), caption,
                      text.width());
    p.setFont(font);
    p.setPen(FromBgr(name.ForeColor));
    p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
               p.fontMetrics().elidedText(caption, Qt::ElideRight, static_cast<int>(text.width())));
  }

  p.save();
  p.setClipRect(geometry_.SeatRow(seat));
  for (int k = 1; k <= 20; ++k) {
    const CardImage& image = win.ImgTable[TableIndex(seat, k)];
    if (!SlotShowsCard(image) || motion_.HidesTableImage(TableIndex(seat, k))) continue;
    PaintCard(p, geometry_.TableCard(seat, LeftOrDefault(image, k), image.Top), image.Tag);
  }
  p.restore();
}

// The seat to act gets a glowing frame round its area and a pointer beside its name, in a
// colour that no label state uses, so it is never mistaken for a passed seat.
void TableView::PaintTurnMark(QPainter& p) {
  const int seat = SeatToAct(game_);
  if (seat == 0) return;
  const QRectF area = geometry_.SeatArea(seat);
  const QRectF label = geometry_.NameLabel(seat);
  QColor colour = kTurnMark;
  colour.setAlpha(150 + 35 * (turnMarkerFrame_ % 3));
  const double pen = std::max(2.0, geometry_.Px(40));
  const double round = std::max(3.0, geometry_.Px(90));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(kTurnMark.red(), kTurnMark.green(), kTurnMark.blue(), 60), pen * 2.5));
  p.drawRoundedRect(area, round, round);
  p.setPen(QPen(colour, pen));
  p.drawRoundedRect(area, round, round);
  // A pointer just right of the label, aimed at it.
  const double h = label.height() * 0.8;
  const double x = label.right() + h * 0.25;
  const double y = label.center().y();
  QPainterPath pointer;
  pointer.moveTo(x, y);
  pointer.lineTo(x + h, y - h / 2);
  pointer.lineTo(x + h, y + h / 2);
  pointer.closeSubpath();
  p.setPen(QPen(QColor(0, 40, 60), std::max(1.0, geometry_.Px(10))));
  p.setBrush(colour);
  p.drawPath(pointer);
}

void TableView::PaintCard(QPainter& p, const QRectF& where, const std::string& code,
                          QSizeF pictureSize) {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = ((pictureSize.isEmpty() ? where.size() : pictureSize) * ratio).toSize();
  const std::string trimmed = Trim(code);
  const std::filesystem::path file = CardPicturePath(game_.Skins, appPath_, trimmed);
  // The Normal faces are ours, drawn from their vector pictures at the size shown.
  if (normalFolder_.empty()) normalFolder_ = ResolveNoCase(appPath_, "skins/normal");
  const QString text = QString::fromStdString(trimmed);
  const QPixmap face =
      file.empty() || file.parent_path() == normalFolder_
          ? pictures_.VectorFace(text, pixels, ratio)
          : pictures_.Face(QString::fromStdString(file.string()), text, pixels, ratio);
  const double radius = where.width() * 0.06;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(
      where.translated(std::max(1.0, where.width() * 0.02), std::max(1.0, where.width() * 0.03)),
      radius, radius);
  if (pictureSize.isEmpty()) {
    p.drawPixmap(where.topLeft(), face);
  } else {
    p.drawPixmap(where, face, QRectF(QPointF(0, 0), QSizeF(face.size())));
  }
}

QFont TableView::PromptFont(const QString& text, QRectF* plate) const {
  const QRectF box = geometry_.PromptBox();
  QFont font = this->font();
  font.setBold(true);
  const QSizeF pad = PromptPadding();
  const double padX = pad.width();
  const double padY = pad.height();
  const int start = std::max(9, static_cast<int>(geometry_.Px(240)));
  QRectF needed;
  for (int pixels = start; pixels >= 7; --pixels) {
    font.setPixelSize(pixels);
    const QFontMetricsF metrics(font);
    needed = metrics.boundingRect(QRectF(0, 0, box.width() - 2 * padX, 1e6),
                                  Qt::AlignCenter | Qt::TextWordWrap, text);
    if (needed.height() + 2 * padY <= box.height() && needed.width() + 2 * padX <= box.width())
      break;
  }
  const QSizeF size(std::min(box.width(), needed.width() + 2 * padX),
                    std::min(box.height(), needed.height() + 2 * padY));
  *plate = QRectF(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
  return font;
}

QSizeF TableView::PromptPadding() const {
  return {std::max(6.0, geometry_.Px(150)), std::max(3.0, geometry_.Px(60))};
}

QRectF TableView::PromptTextArea(const QRectF& plate) const {
  // A pixel of slack for the rounding of the font's metrics.
  const QSizeF pad = PromptPadding() - QSizeF(1, 1);
  return plate.adjusted(pad.width(), pad.height(), -pad.width(), -pad.height());
}

bool TableView::PromptTextFits() const {
  const QString text = ShownText(Trim(game_.Win.LblPrompt.Caption));
  QRectF plate;
  const QFont font = PromptFont(text, &plate);
  const QRectF area = PromptTextArea(plate);
  const QRectF needed =
      QFontMetricsF(font).boundingRect(QRectF(area.left(), area.top(), area.width(), 1e6),
                                       Qt::AlignHCenter | Qt::TextWordWrap, text);
  return needed.height() <= area.height() + 1 && needed.width() <= area.width() + 1;
}

QRectF TableView::PromptPlate() const {
  const Label& prompt = game_.Win.LblPrompt;
  const QString text = ShownText(Trim(prompt.Caption));
  if (!prompt.Visible || text.isEmpty()) return {};
  QRectF plate;
  PromptFont(text, &plate);
  return plate;
}

void TableView::PaintPrompt(QPainter& p) {
  const Label& prompt = game_.Win.LblPrompt;
  const QString text = ShownText(Trim(prompt.Caption));
  if (!prompt.Visible || text.isEmpty() || promptBlinkedOff_) return;
  QRectF plate;
  p.setFont(PromptFont(text, &plate));
  const double round = std::min(plate.height() / 2, std::max(6.0, geometry_.Px(200)));
  p.setPen(QPen(QColor(255, 230, 140, 200), std::max(1.0, geometry_.Px(15))));
  p.setBrush(QColor(0, 0, 0, 150));
  p.drawRoundedRect(plate, round, round);
  p.setPen(FromBgr(prompt.ForeColor));
  p.drawText(PromptTextArea(plate), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void TableView::PaintHand(QPainter& p) {
  const QRectF frame = geometry_.HandFrame();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 40));
  p.drawRoundedRect(frame, geometry_.Px(90), geometry_.Px(90));
  const HandLayout hand = Hand();
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    const QRectF card = hand.Card(slot);
    if (!card.isEmpty() && !motion_.HidesHandSlot(slot))
      PaintCard(p, card, game_.Win.ImgHand[slot].Tag);
  }
}

// ---- Hit tests ----

HandLayout TableView::Hand() const {
  return HandLayout(geometry_, game_.Win.ImgHand);
}

int TableView::HandSlotAt(QPointF position) const {
  return Hand().SlotAt(position);
}

QRectF TableView::VisibleHandCard(int slot) const {
  return Hand().Visible(slot);
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
  if (const int slot = HandSlotAt(position)) return ShownText(win.ImgHand[slot].ToolTipText);
  if (const int seat = NameLabelAt(position)) return ShownText(win.LblName[seat].ToolTipText);
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (!geometry_.SeatRow(seat).contains(position) || win.ImgTableRowTip[seat].empty()) continue;
    for (int k = 20; k >= 1; --k) {
      const CardImage& image = win.ImgTable[TableIndex(seat, k)];
      if (SlotShowsCard(image) &&
          geometry_.TableCard(seat, LeftOrDefault(image, k), image.Top).contains(position)) {
        return ShownText(win.ImgTableRowTip[seat]);
      }
    }
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (win.Frame1[seat].Visible && geometry_.SeatArea(seat).contains(position)) {
      return ShownText(win.Frame1[seat].ToolTipText);
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
