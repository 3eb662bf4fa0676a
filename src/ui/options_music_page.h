#pragma once

#include <QWidget>
#include <string>

#include "ui/options_hooks.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeView;

namespace zunda {

// The music page: the music list, the four music boxes and a file chooser that copies new
// pieces into the program's Sound folder.
class MusicPage : public QWidget {
  Q_OBJECT
 public:
  MusicPage(OptionsEditContext context, QWidget* parent = nullptr);

  // Fills the controls from the edited options.
  void Refresh();
  void HideChooser();
  bool ChooserShown() const;

  // Copies the file into the Sound folder and appends it to the list.
  void AddMusicFile(const std::string& path);

  QCheckBox* ChkMidiBack[4];  // allow music, in order, at random, repeat one
  QListWidget* LstBackMusic;
  QWidget* FrameChooser;
  QComboBox* CmbBackMusic;
  QTreeView* FileBackMusic;
  QPushButton* CmdAddMusic;
  QPushButton* CmdAddNewMusic;
  QPushButton* CmdDelBackMusic;
  QLabel* LblMusicMess;

 private:
  void ChkMidiBackClick(int box, bool ticked);
  void CmdAddMusicClick();
  void CmdAddNewMusicClick();
  void CmdDelBackMusicClick();
  void CmbBackMusicClick();

  OptionsEditContext c_;
  QFileSystemModel* files_ = nullptr;
};

}  // namespace zunda
