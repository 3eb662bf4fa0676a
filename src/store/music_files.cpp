#include "store/music_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/game.h"
#include "store/program_folder.h"

namespace zunda {

std::string CopyIntoSoundFolder(const Game& g, const std::string& source) {
  const QFileInfo from(QString::fromStdString(source));
  if (!from.isFile()) return "";
  const QString folder = QString::fromStdString(ProgramFile(g, g.SoundDir));
  if (!QDir().mkpath(folder)) return "";
  const QString name = from.fileName();
  const QFileInfo to(
      QString::fromStdString(ResolveNoCase(folder.toStdString(), name.toStdString())));
  // A name found in another case keeps the spelling of the file already there.
  if (to.exists() && to.canonicalFilePath() == from.canonicalFilePath()) {
    return to.fileName().toStdString();
  }

  // Copy beside the target first, so that a failed copy never costs the file already there.
  const QString target = to.absoluteFilePath();
  const QString partial = target + QStringLiteral(".part");
  QFile::remove(partial);
  if (!QFile::copy(from.absoluteFilePath(), partial)) return "";
  QFile::setPermissions(partial, QFile::permissions(partial) | QFileDevice::WriteOwner);
  if (QFileInfo::exists(target) && !QFile::remove(target)) {
    QFile::remove(partial);
    return "";
  }
  if (!QFile::rename(partial, target)) {
    QFile::remove(partial);
    return "";
  }
  return to.fileName().toStdString();
}

}  // namespace zunda
