#include "ui/options_game_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "core/game.h"
#include "core/options_dialog_rules.h"
#include "ui/language.h"
#include "ui/motion_choice.h"
#include "ui/options_extras_box.h"
#include "ui/shown_text.h"

namespace zunda {

namespace {

QScrollBar* MakeScrollBar(const ScrollScale& scale, QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setRange(scale.Min, scale.Max);
  bar->setSingleStep(scale.SmallStep);
  bar->setPageStep(scale.LargeStep);
  return bar;
}

}  // namespace

GamePage::GamePage(OptionsEditContext context, QWidget* parent) : QWidget(parent), c_(context) {
  HSclGameSpeed = MakeScrollBar(kGameSpeedScale, this);
  HSclKPJG = MakeScrollBar(kFoldDelayScale, this);
  HSclShaoPaiWaitTime = MakeScrollBar(kBurnWaitScale, this);
  LblGameSpeed = new QLabel(this);
  LblKPJG = new QLabel(this);
  LblShaoPaiWaitTime = new QLabel(this);
  TxtBossCaption = new QLineEdit(this);
  ChkRecRunData = new QCheckBox(tr("实时记录游戏运行数据"), this);
  // Like the language, a window setting: kept apart from the rules, so it ends no hand.
  ChkCardMotion = new QCheckBox(tr("出牌、收牌和进贡时显示牌的移动"), this);
  storedMotion_ = StoredCardMotion(c_.g);
  ChkCardMotion->setChecked(storedMotion_);

  auto* speeds = new QGridLayout;
  speeds->addWidget(new QLabel(tr("出牌速度:"), this), 0, 0);
  speeds->addWidget(HSclGameSpeed, 0, 1);
  speeds->addWidget(LblGameSpeed, 0, 2);
  speeds->addWidget(new QLabel(tr("扣牌延时:"), this), 1, 0);
  speeds->addWidget(HSclKPJG, 1, 1);
  speeds->addWidget(LblKPJG, 1, 2);
  speeds->addWidget(new QLabel(tr("烧牌等待:"), this), 2, 0);
  speeds->addWidget(HSclShaoPaiWaitTime, 2, 1);
  speeds->addWidget(LblShaoPaiWaitTime, 2, 2);
  speeds->addWidget(new QLabel(tr("老板键标题:"), this), 3, 0);
  speeds->addWidget(TxtBossCaption, 3, 1, 1, 2);
  // The language takes effect at the next start, like a new skin.
  CmbLanguage = new QComboBox(this);
  CmbLanguage->addItem(tr("跟随系统"), QString());
  CmbLanguage->addItem(QStringLiteral("中文"), QStringLiteral("zh"));
  CmbLanguage->addItem(QStringLiteral("English"), QStringLiteral("en"));
  storedLanguage_ = StoredLanguageChoice(c_.g);
  CmbLanguage->setCurrentIndex(
      std::max(0, CmbLanguage->findData(QString::fromStdString(storedLanguage_))));
  speeds->addWidget(new QLabel(tr("界面语言:"), this), 4, 0);
  speeds->addWidget(CmbLanguage, 4, 1, 1, 2);
  speeds->setColumnStretch(1, 1);

  auto* rules = new QGroupBox(tr("Zunda规则设置"), this);
  OptJG[0] = new QRadioButton(tr("进贡,同时计分"), rules);
  OptJG[1] = new QRadioButton(tr("不进贡,只计分"), rules);
  // The rules in play are fixed; the box only shows that this one is not among them.
  ChkDaGuiErDaYi = new QCheckBox(tr("大鬼二打一"), rules);
  ChkDaGuiErDaYi->setEnabled(false);
  auto* rulesLayout = new QVBoxLayout(rules);
  rulesLayout->addWidget(OptJG[0]);
  rulesLayout->addWidget(OptJG[1]);
  rulesLayout->addWidget(ChkDaGuiErDaYi);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(speeds);
  layout->addWidget(ChkRecRunData);
  layout->addWidget(ChkCardMotion);
  layout->addWidget(rules);
  Extras = new ExtrasBox(c_.options.Extras, this);
  layout->addWidget(Extras);
  layout->addStretch();

  connect(HSclGameSpeed, &QScrollBar::valueChanged, this, [this](int ms) {
    SetGameSpeedMs(c_.options, ms);
    ShowScrollValues();
  });
  connect(HSclKPJG, &QScrollBar::valueChanged, this, [this](int ms) {
    SetFoldDelayMs(c_.options, ms);
    ShowScrollValues();
  });
  connect(HSclShaoPaiWaitTime, &QScrollBar::valueChanged, this, [this](int seconds) {
    SetBurnWaitSeconds(c_.options, seconds);
    ShowScrollValues();
  });
  connect(TxtBossCaption, &QLineEdit::textEdited, this,
          [this](const QString& text) { c_.options.BarName = text.toStdString(); });
  connect(ChkRecRunData, &QCheckBox::toggled, this,
          [this](bool ticked) { c_.options.RecRunData = ticked; });
  connect(OptJG[0], &QRadioButton::toggled, this,
          [this](bool chosen) { c_.options.JinGong = chosen; });
}

void GamePage::Refresh() {
  // Filling the controls is not an edit.
  std::vector<QSignalBlocker> blockers;
  for (QObject* control :
       std::initializer_list<QObject*>{HSclGameSpeed, HSclKPJG, HSclShaoPaiWaitTime, TxtBossCaption,
                                       ChkRecRunData, OptJG[0], OptJG[1]}) {
    blockers.emplace_back(control);
  }
  HSclGameSpeed->setValue(GameSpeedMs(c_.options));
  HSclKPJG->setValue(FoldDelayMs(c_.options));
  HSclShaoPaiWaitTime->setValue(BurnWaitSeconds(c_.options));
  TxtBossCaption->setText(QString::fromStdString(c_.options.BarName));
  ChkRecRunData->setChecked(c_.options.RecRunData);
  OptJG[c_.options.JinGong ? 0 : 1]->setChecked(true);
  ShowScrollValues();
  Extras->Refresh();
}

bool GamePage::CardMotionChoice() const {
  return ChkCardMotion->isChecked();
}

std::string GamePage::LanguageChoice() const {
  return CmbLanguage->currentData().toString().toStdString();
}

void GamePage::ShowScrollValues() {
  LblGameSpeed->setText(ShownText(GameSpeedText(HSclGameSpeed->value())));
  LblKPJG->setText(ShownText(FoldDelayText(HSclKPJG->value())));
  LblShaoPaiWaitTime->setText(ShownText(BurnWaitText(HSclShaoPaiWaitTime->value())));
}

}  // namespace zunda
