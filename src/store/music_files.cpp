#include "store/music_files.h"

#include <QFileInfo>

#include "core/game.h"
#include "store/file_system.h"
#include "store/program_folder.h"
#include "store/safe_write.h"

namespace zunda {

namespace {

// A music file is read whole into memory to be copied; no piece of music is larger.
constexpr qint64 kLargestMusicFile = qint64{512} * 1024 * 1024;

}  // namespace

std::string CopyIntoSoundFolder(const Game& g, const std::string& source) {
  const QFileInfo from(QString::fromStdString(source));
  if (!from.isFile()) return "";
  const QString folder = QString::fromStdString(ProgramFile(g, g.SoundDir));
  if (!Files().MakeFolder(folder).Ok()) return "";
  const QString name = from.fileName();
  const QFileInfo to(
      QString::fromStdString(ResolveNoCase(folder.toStdString(), name.toStdString())));
  // A name found in another case keeps the spelling of the file already there.
  if (to.exists() && to.canonicalFilePath() == from.canonicalFilePath()) {
    return to.fileName().toStdString();
  }

  // A failed copy never costs the file already there.
  const std::optional<QByteArray> bytes = Files().Read(from.absoluteFilePath(), kLargestMusicFile);
  if (!bytes || !ReplaceFile(to.absoluteFilePath(), *bytes).Ok()) return "";
  return to.fileName().toStdString();
}

}  // namespace zunda
