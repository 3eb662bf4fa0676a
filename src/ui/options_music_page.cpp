#include "ui/options_music_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <vector>

#include "core/game.h"
#include "core/music_options.h"
#include "core/text.h"
#include "store/music_files.h"
#include "ui/shown_text.h"

namespace zunda {

namespace {

const char* const kAddNewCaption = QT_TRANSLATE_NOOP("zunda::MusicPage", "增加新文件");
const char* const kAddDoneCaption = QT_TRANSLATE_NOOP("zunda::MusicPage", "增加完毕");

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

MusicPage::MusicPage(OptionsEditContext context, QWidget* parent) : QWidget(parent), c_(context) {
  const char* const boxCaptions[4] = {QT_TR_NOOP("播放背景音乐"), QT_TR_NOOP("顺序播放"),
                                      QT_TR_NOOP("随机播放"), QT_TR_NOOP("单曲循环")};
  auto* boxes = new QVBoxLayout;
  for (int box = 0; box < 4; ++box) {
    ChkMidiBack[box] = new QCheckBox(tr(boxCaptions[box]), this);
    boxes->addWidget(ChkMidiBack[box]);
    connect(ChkMidiBack[box], &QCheckBox::clicked, this,
            [this, box](bool ticked) { ChkMidiBackClick(box, ticked); });
  }
  boxes->addStretch();

  LstBackMusic = new QListWidget(this);
  CmdAddNewMusic = new QPushButton(tr(kAddNewCaption), this);
  CmdDelBackMusic = new QPushButton(tr("删除"), this);
  LblMusicMess = new QLabel(this);

  FrameChooser = new QWidget(this);
  CmbBackMusic = new QComboBox(FrameChooser);
  CmbBackMusic->addItems({QStringLiteral("*.mid"), QStringLiteral("*.wav")});
  FileBackMusic = new QTreeView(FrameChooser);
  CmdAddMusic = new QPushButton(tr("加入列表"), FrameChooser);
  auto* note = new QLabel(ShownText(kMusicVideoNote), FrameChooser);
  note->setWordWrap(true);
  auto* chooser = new QGridLayout(FrameChooser);
  chooser->setContentsMargins(0, 0, 0, 0);
  chooser->addWidget(CmbBackMusic, 0, 0);
  chooser->addWidget(CmdAddMusic, 0, 1);
  chooser->addWidget(FileBackMusic, 1, 0, 1, 2);
  chooser->addWidget(note, 2, 0, 1, 2);
  FrameChooser->hide();

  auto* layout = new QGridLayout(this);
  layout->addLayout(boxes, 0, 0);
  layout->addWidget(LstBackMusic, 0, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(CmdAddNewMusic);
  buttons->addWidget(CmdDelBackMusic);
  buttons->addStretch();
  layout->addLayout(buttons, 0, 2);
  layout->addWidget(FrameChooser, 1, 0, 1, 3);
  layout->addWidget(LblMusicMess, 2, 0, 1, 3);
  layout->setRowStretch(1, 1);

  connect(LstBackMusic, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) c_.options.CurBackMusic = row;
  });
  connect(CmdAddNewMusic, &QPushButton::clicked, this, &MusicPage::CmdAddNewMusicClick);
  connect(CmdDelBackMusic, &QPushButton::clicked, this, &MusicPage::CmdDelBackMusicClick);
  connect(CmdAddMusic, &QPushButton::clicked, this, &MusicPage::CmdAddMusicClick);
  connect(CmbBackMusic, &QComboBox::currentIndexChanged, this, &MusicPage::CmbBackMusicClick);
}

void MusicPage::Refresh() {
  std::vector<QSignalBlocker> blockers;
  blockers.emplace_back(LstBackMusic);
  LstBackMusic->clear();
  for (const std::string& name : c_.options.MusicList)
    LstBackMusic->addItem(Q(name));
  const int current = c_.options.CurBackMusic;
  LstBackMusic->setCurrentRow(current >= 0 && current < LstBackMusic->count() ? current : -1);
  for (int box = 0; box < 4; ++box) {
    blockers.emplace_back(ChkMidiBack[box]);
    ChkMidiBack[box]->setChecked(c_.options.BackMusicCtrl[box]);
  }
}

void MusicPage::HideChooser() {
  FrameChooser->hide();
  CmdAddNewMusic->setText(tr(kAddNewCaption));
}

bool MusicPage::ChooserShown() const {
  return !FrameChooser->isHidden();
}

void MusicPage::ChkMidiBackClick(int box, bool ticked) {
  // Repeating one piece needs a piece.
  if (box == 3 && ticked && LstBackMusic->currentRow() < 0) {
    c_.g.Msg("请首先在列表中选择一个曲目.", Host::Buttons::Ok, Host::Icon::Exclamation);
    const QSignalBlocker block(ChkMidiBack[box]);
    ChkMidiBack[box]->setChecked(false);
    return;
  }
  SetMusicBox(c_.options, box, ticked);
}

void MusicPage::CmdAddNewMusicClick() {
  if (ChooserShown()) {
    HideChooser();
    return;
  }
  if (files_ == nullptr) {
    // Made on first use: watching the file system costs nothing while the chooser is hidden.
    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
    files_->setNameFilterDisables(false);
    files_->setRootPath(QString());
    FileBackMusic->setModel(files_);
    CmbBackMusicClick();
    FileBackMusic->setCurrentIndex(files_->index(QString::fromStdString(c_.g.AppPath)));
  }
  FrameChooser->show();
  CmdAddNewMusic->setText(tr(kAddDoneCaption));
}

void MusicPage::CmbBackMusicClick() {
  if (files_ != nullptr) files_->setNameFilters({CmbBackMusic->currentText()});
}

void MusicPage::CmdAddMusicClick() {
  if (files_ == nullptr) return;
  const QModelIndex chosen = FileBackMusic->currentIndex();
  if (!chosen.isValid() || files_->isDir(chosen)) return;
  AddMusicFile(files_->filePath(chosen).toStdString());
}

void MusicPage::AddMusicFile(const std::string& path) {
  const std::string name = CopyIntoSoundFolder(c_.g, path);
  if (name.empty()) {
    LblMusicMess->setText(tr("Err : 文件复制失败!"));
    return;
  }
  if (!AddMusic(c_.options, name)) {
    LblMusicMess->setText(tr("Err : 音乐列表已满!"));
    return;
  }
  Refresh();
  LblMusicMess->setText(Q(name));
}

void MusicPage::CmdDelBackMusicClick() {
  const int row = LstBackMusic->currentRow();
  if (row < 0) return;
  const std::string name = c_.options.MusicList[static_cast<std::size_t>(row)];
  if (c_.g.Msg("您真的要删除音乐文件 [" + name + "] 吗?", Host::Buttons::YesNo,
               Host::Icon::Question) != Host::Answer::Yes) {
    return;
  }
  DeleteMusic(c_.options, row);
  Refresh();
}

}  // namespace zunda
