#include "scratch_folder.h"

#include <QDir>
#include <QFileInfo>

namespace zunda::sim {

namespace {

QString ScratchTemplate() {
  const QFileInfo shm(QStringLiteral("/dev/shm"));
  const QString parent = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
  return parent + QStringLiteral("/zunda-sim-XXXXXX");
}

}  // namespace

ScratchFolder::ScratchFolder() : dir_(ScratchTemplate()) {
  if (!dir_.isValid()) return;
  root_ = dir_.path().toStdString();
  const QDir root(dir_.path());
  valid_ = root.mkdir(QStringLiteral("program")) && root.mkdir(QStringLiteral("saved"));
}

std::string ScratchFolder::Problem() const {
  if (!dir_.isValid()) return "no temporary folder: " + dir_.errorString().toStdString();
  return valid_ ? std::string() : "no folders inside " + root_;
}

}  // namespace zunda::sim
