#include "ui/options_extras_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <vector>

#include "core/extras_options.h"

namespace zunda {

QString RoundStayText(int ms) {
  return ms <= 0 ? ExtrasBox::tr("照常") : ExtrasBox::tr("至少%1毫秒").arg(ms);
}

ExtrasBox::ExtrasBox(ExtrasOptions& edited, QWidget* parent)
    : QGroupBox(tr("辅助功能"), parent), edited_(edited) {
  ChkHint = new QCheckBox(tr("提示按钮 (H)"), this);
  ChkAutoplay = new QCheckBox(tr("允许托管 (T)"), this);
  ChkCardCounter = new QCheckBox(tr("显示记牌器 (J)"), this);
  ChkKeyboardPlay = new QCheckBox(tr("键盘出牌：方向键选牌，空格提起，回车出牌"), this);
  ChkKeyboardPlay->setToolTip(
      tr("←→ 移动选牌框，Home/End 到两端；↑ 提起整套，↓ 放下一张，空格 提起或放下一张；"
         "回车 出牌，P 过牌，退格 收回，N 不烧，G 还贡，Ctrl+Shift+S 烧糊了"));
  ChkHoldLastPlay = new QCheckBox(tr("一轮结束后保留最后一手牌，直到我点击"), this);
  ChkTakeBack = new QCheckBox(tr("允许悔牌(练习)"), this);
  ChkTakeBack->setToolTip(tr("可以收回自己上一手出的牌或过牌；悔过牌的这一局只算练习，不计积分"));
  SldRoundStay = new QSlider(Qt::Horizontal, this);
  SldRoundStay->setRange(0, kRoundStayMsMax);
  SldRoundStay->setSingleStep(kRoundStayMsStep);
  SldRoundStay->setPageStep(4 * kRoundStayMsStep);
  SldRoundStay->setTickInterval(1000);
  SldRoundStay->setTickPosition(QSlider::TicksBelow);
  LblRoundStay = new QLabel(this);

  auto* layout = new QGridLayout(this);
  layout->addWidget(ChkHint, 0, 0);
  layout->addWidget(ChkAutoplay, 0, 1);
  layout->addWidget(ChkCardCounter, 0, 2);
  layout->addWidget(ChkKeyboardPlay, 1, 0, 1, 3);
  layout->addWidget(ChkHoldLastPlay, 2, 0, 1, 3);
  auto* stay = new QHBoxLayout;
  stay->addWidget(new QLabel(tr("一轮结束后牌面停留:"), this));
  stay->addWidget(SldRoundStay, 1);
  stay->addWidget(LblRoundStay);
  layout->addWidget(ChkTakeBack, 3, 0, 1, 3);
  layout->addLayout(stay, 4, 0, 1, 3);

  const auto bind = [this](QCheckBox* box, bool ExtrasOptions::*field) {
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) { edited_.*field = on; });
  };
  bind(ChkHint, &ExtrasOptions::Hint);
  bind(ChkAutoplay, &ExtrasOptions::Autoplay);
  bind(ChkCardCounter, &ExtrasOptions::CardCounter);
  bind(ChkKeyboardPlay, &ExtrasOptions::KeyboardPlay);
  bind(ChkHoldLastPlay, &ExtrasOptions::HoldLastPlay);
  bind(ChkTakeBack, &ExtrasOptions::TakeBack);
  connect(SldRoundStay, &QSlider::valueChanged, this, [this](int ms) {
    // The slider moves in whole steps, so the saved value always sits on its scale.
    const int snapped = (ms + kRoundStayMsStep / 2) / kRoundStayMsStep * kRoundStayMsStep;
    edited_.RoundStayMs = snapped;
    ShowRoundStay();
  });
}

void ExtrasBox::Refresh() {
  std::vector<QSignalBlocker> blockers;
  for (QObject* control :
       std::initializer_list<QObject*>{ChkHint, ChkAutoplay, ChkCardCounter, ChkKeyboardPlay,
                                       ChkHoldLastPlay, ChkTakeBack, SldRoundStay})
    blockers.emplace_back(control);
  ChkHint->setChecked(edited_.Hint);
  ChkAutoplay->setChecked(edited_.Autoplay);
  ChkCardCounter->setChecked(edited_.CardCounter);
  ChkKeyboardPlay->setChecked(edited_.KeyboardPlay);
  ChkHoldLastPlay->setChecked(edited_.HoldLastPlay);
  ChkTakeBack->setChecked(edited_.TakeBack);
  SldRoundStay->setValue(edited_.RoundStayMs);
  ShowRoundStay();
}

void ExtrasBox::ShowRoundStay() {
  LblRoundStay->setText(RoundStayText(edited_.RoundStayMs));
}

}  // namespace zunda
