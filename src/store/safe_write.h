#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "core/save_result.h"

namespace zunda {

// Every file the program keeps is written through these, on the file system of Files():
// a write either replaces the file whole or leaves it byte for byte as it was, whatever
// fails (a full disk at any byte, a missing or read-only folder, a refused rename, a process
// killed between two steps).

// The folder part of a full path.
QString FolderOf(const QString& path);

// Writes bytes as the new contents of path: into a new file beside it that replaces it at
// the end. A file without write permission is left alone (NoPermission). When the folder
// refuses new files but the file itself may be written, the file is written in place, with
// its old contents kept in the spare folder until the new ones are complete.
SaveResult ReplaceFile(const QString& path, const QByteArray& bytes);

// Writes several existing files of one folder in place, as one step: the old contents of all
// of them are kept in one spare file until every new one is complete, and put back when any
// write fails. A write cut off by the end of the process is undone by the next
// RecoverUnfinishedWrites of that folder.
using FileContents = std::vector<std::pair<QString, QByteArray>>;
SaveResult WriteInPlace(const FileContents& files);

// Puts back the old contents of files of the folder whose writing in place a previous run
// did not finish. Cheap when there is nothing to do; called before a folder's files are read
// or written.
void RecoverUnfinishedWrites(const QString& folder);

// Renames a file the program cannot use to a free name beside it ("score.ini" becomes
// "score-damaged-1.ini"), so that it is kept and never overwritten. The new full path, or
// nothing when the rename failed (error says why).
std::optional<QString> SetAside(const QString& path, SaveResult& error);

}  // namespace zunda
