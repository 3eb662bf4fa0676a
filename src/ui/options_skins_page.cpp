#include "ui/options_skins_page.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>
#include <vector>

#include "core/game.h"
#include "core/options_dialog_rules.h"
#include "ui/skins.h"

namespace zunda {

namespace {

constexpr int kPreviewWidth = 120;
constexpr int kPreviewHeight = 90;

}  // namespace

SkinsPage::SkinsPage(OptionsEditContext context, QWidget* parent)
    : QWidget(parent), c_(context), skinInUse_(context.options.CurSkin) {
  CmbSkin = new QComboBox(this);
  auto* previews = new QHBoxLayout;
  for (QLabel*& picture : ImgPreview) {
    picture = new QLabel(this);
    picture->setFixedSize(kPreviewWidth, kPreviewHeight);
    picture->setAlignment(Qt::AlignCenter);
    previews->addWidget(picture);
  }

  files_ = new QFileSystemModel(this);
  files_->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot);
  files_->setNameFilters({QStringLiteral("*.ini")});
  files_->setNameFilterDisables(false);
  files_->setRootPath(QString());
  FileSkin = new QTreeView(this);
  FileSkin->setModel(files_);
  FileSkin->setCurrentIndex(files_->index(QString::fromStdString(c_.g.AppPath)));
  // Only the names are shown, so that they have the whole width of the tree.
  for (int column = 1; column < files_->columnCount(); ++column)
    FileSkin->hideColumn(column);
  FileSkin->header()->setStretchLastSection(true);
  CmdNewSkinWizard = new QPushButton(tr("导入新Skin"), this);
  CmdImportFolder = new QPushButton(tr("从文件夹导入..."), this);

  auto* layout = new QGridLayout(this);
  layout->addWidget(CmbSkin, 0, 0);
  layout->addLayout(previews, 1, 0, 1, 2);
  layout->addWidget(FileSkin, 2, 0);
  layout->addWidget(new QLabel(tr("<= 请指定新Skin存放位置"), this), 2, 1, Qt::AlignTop);
  layout->addWidget(new QLabel(tr("双击开始导入"), this), 3, 0);
  layout->addWidget(CmdNewSkinWizard, 3, 1);
  layout->addWidget(CmdImportFolder, 4, 1);
  layout->setRowStretch(2, 1);

  connect(CmbSkin, &QComboBox::currentIndexChanged, this, &SkinsPage::CmbSkinClick);
  connect(CmdNewSkinWizard, &QPushButton::clicked, this,
          [this] { ImportSkinFile(ChosenIniFile()); });
  connect(CmdImportFolder, &QPushButton::clicked, this, [this] {
    const QString folder = QFileDialog::getExistingDirectory(this, tr("选择新Skin所在的文件夹"),
                                                             QString::fromStdString(c_.g.AppPath));
    if (!folder.isEmpty()) ImportSkinFolder(folder);
  });
  connect(FileSkin, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
    if (!files_->isDir(index)) ImportSkinFile(files_->filePath(index).toStdString());
  });
}

void SkinsPage::Refresh() {
  const QSignalBlocker block(CmbSkin);
  CmbSkin->clear();
  int chosen = -1;
  for (const std::string& skin : c_.options.SkinsList) {
    if (chosen < 0 && SameSkin(skin, c_.options.CurSkin)) chosen = CmbSkin->count();
    CmbSkin->addItem(QString::fromStdString(skin));
  }
  CmbSkin->setCurrentIndex(chosen);
  ShowPreview(chosen >= 0 ? CmbSkin->currentText().toStdString() : "");
}

bool SkinsPage::SkinChanged() const {
  return !SameSkin(c_.options.CurSkin, skinInUse_);
}

void SkinsPage::CmbSkinClick() {
  if (CmbSkin->currentIndex() < 0) return;
  c_.options.CurSkin = CmbSkin->currentText().toStdString();
  ShowPreview(c_.options.CurSkin);
}

void SkinsPage::ShowPreview(const std::string& skin) {
  std::vector<std::string> pictures;
  if (!skin.empty() && c_.hooks.SkinPreview) pictures = c_.hooks.SkinPreview(skin);
  for (std::size_t i = 0; i < std::size(ImgPreview); ++i) {
    QLabel* picture = ImgPreview[i];
    if (i >= pictures.size()) {
      picture->clear();
      continue;
    }
    const QPixmap pixmap(QString::fromStdString(pictures[i]));
    picture->setPixmap(
        pixmap.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
}

std::string SkinsPage::ChosenIniFile() const {
  const QModelIndex chosen = FileSkin->currentIndex();
  if (!chosen.isValid() || files_->isDir(chosen)) return "";
  return files_->filePath(chosen).toStdString();
}

void SkinsPage::ImportSkinFolder(const QString& folder) {
  ImportSkinFile(ResolveNoCase(folder.toStdString(), "skin.ini").string());
}

void SkinsPage::ImportSkinFile(const std::string& iniPath) {
  if (!c_.hooks.ImportSkin) return;
  const std::string name = c_.hooks.ImportSkin(iniPath);
  if (name.empty()) return;
  // The import wrote the skin list of the option file already; the program's options and
  // this dialog follow it, whatever OK or Cancel does later.
  for (std::vector<std::string>* list : {&c_.options.SkinsList, &c_.g.Options.SkinsList}) {
    const bool known = std::any_of(list->begin(), list->end(),
                                   [&](const std::string& skin) { return SameSkin(skin, name); });
    if (!known) list->push_back(name);
  }
  Refresh();
}

}  // namespace zunda
