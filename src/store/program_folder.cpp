#include "store/program_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include "core/game.h"

namespace zunda {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList RelativeParts(std::string_view relative) {
  QString text = FromUtf8(relative);
  text.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QString Join(const QString& folder, const QString& name) {
  if (folder.endsWith(QLatin1Char('/'))) return folder + name;
  return folder + QLatin1Char('/') + name;
}

// The entry of folder named like name: the exact spelling if it exists, else the first case
// variant in name order, else name itself.
QString MatchEntry(const QString& folder, const QString& name) {
  if (name == QLatin1String(".") || name == QLatin1String("..")) return name;
  if (QFileInfo::exists(Join(folder, name))) return name;
  const QDir dir(folder);
  const QStringList entries = dir.entryList(
      QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
  }
  return name;
}

}  // namespace

std::string MakeAppPath(std::string_view folder) {
  QString path = QDir::cleanPath(QDir(FromUtf8(folder)).absolutePath());
  // cleanPath keeps the root's own separator ("/", "C:/") and drops any other trailing one.
  return path.toStdString();
}

std::string JoinPath(std::string_view folder, std::string_view relative) {
  QString path = FromUtf8(folder);
  for (const QString& part : RelativeParts(relative))
    path = Join(path, part);
  return path.toStdString();
}

std::string ResolveNoCase(std::string_view folder, std::string_view relative) {
  QString path = FromUtf8(folder);
  for (const QString& part : RelativeParts(relative))
    path = Join(path, MatchEntry(path, part));
  return path.toStdString();
}

std::string ProgramFile(const Game& g, std::string_view relative) {
  return ResolveNoCase(g.AppPath, relative);
}

std::string ResolveFileNoCase(std::string_view path) {
  const QFileInfo info(FromUtf8(path));
  if (info.fileName().isEmpty()) return std::string(path);
  const QString folder = info.path();
  return Join(folder, MatchEntry(folder, info.fileName())).toStdString();
}

}  // namespace zunda
