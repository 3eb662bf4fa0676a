#pragma once

#include <QWidget>
#include <string>

#include "ui/options_hooks.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace zunda {

// The skins page: the skin in use with a preview, and the chooser that imports a new skin from
// its skin.ini. A different skin only shows after a restart.
class SkinsPage : public QWidget {
  Q_OBJECT
 public:
  SkinsPage(OptionsEditContext context, QWidget* parent = nullptr);

  // Fills the controls from the edited options.
  void Refresh();
  // Whether the chosen skin differs from the one the table shows.
  bool SkinChanged() const;
  // Imports the skin described by the file ("" when none is chosen).
  void ImportSkinFile(const std::string& iniPath);
  // Imports the skin whose skin.ini lies in the folder (a folder chosen in the folder dialog).
  void ImportSkinFolder(const QString& folder);

  QComboBox* CmbSkin;
  QLabel* ImgPreview[3];  // table background, big joker, a card face
  QTreeView* FileSkin;
  QPushButton* CmdNewSkinWizard;
  QPushButton* CmdImportFolder;

 private:
  void CmbSkinClick();
  void ShowPreview(const std::string& skin);
  std::string ChosenIniFile() const;

  OptionsEditContext c_;
  std::string skinInUse_;
  QFileSystemModel* files_;
};

}  // namespace zunda
