#include "store/program_home.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

#include "store/option_file.h"
#include "store/program_folder.h"

namespace zunda {

namespace {

QString ToQt(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

bool IsFolder(const std::filesystem::path& folder, const char* name) {
  return QFileInfo(QString::fromStdString(ResolveNoCase(folder.string(), name))).isDir();
}

bool HasDataBeside(const std::filesystem::path& folder) {
  return IsFolder(folder, "Data") || IsFolder(folder, "Skins");
}

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  return QDir::cleanPath(QDir(ToQt(a)).absolutePath()) ==
         QDir::cleanPath(QDir(ToQt(b)).absolutePath());
}

// Installed files may be read-only; the user's copies must stay theirs to change.
void MakeOwnerWritable(const QString& file) {
  QFile::setPermissions(file, QFile::permissions(file) | QFileDevice::ReadOwner |
                                  QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                  QFileDevice::WriteUser);
}

void CopyMissingFiles(const QString& from, const QString& to, SeedResult& result) {
  QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString source = it.next();
    const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
    if (QFileInfo::exists(target)) continue;
    if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target)) {
      result.Ok = false;
      continue;
    }
    MakeOwnerWritable(target);
    ++result.Copied;
  }
}

}  // namespace

std::optional<std::filesystem::path> InstalledDataFolder(
    const std::filesystem::path& executableFolder) {
  if (HasDataBeside(executableFolder)) return std::nullopt;
  const QDir bin(ToQt(executableFolder));
  if (bin.dirName() != QLatin1String("bin")) return std::nullopt;
  const QString share = QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/zunda")));
  if (!QFileInfo(share).isDir()) return std::nullopt;
  return std::filesystem::path(share.toStdString());
}

ProgramHome ChooseProgramHome(const std::filesystem::path& executableFolder,
                              const std::optional<std::filesystem::path>& home,
                              const std::filesystem::path& userDataFolder) {
  const std::optional<std::filesystem::path> installed = InstalledDataFolder(executableFolder);
  ProgramHome result;
  result.ShippedData = installed ? *installed : executableFolder;
  if (home) {
    result.Folder = *home;
  } else {
    result.Folder = installed ? userDataFolder : executableFolder;
  }
  return result;
}

std::filesystem::path UserDataFolder() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return std::filesystem::path((base + QStringLiteral("/zunda")).toStdString());
}

SeedResult PrepareProgramFolder(const ProgramHome& home) {
  SeedResult result;
  const QString folder = ToQt(home.Folder);
  if (!QDir().mkpath(folder)) {
    result.Ok = false;
    return result;
  }
  if (SameFolder(home.Folder, home.ShippedData)) return result;
  const QString optionFile =
      QString::fromStdString(ResolveNoCase(home.Folder.string(), kOptionFileName));
  if (QFileInfo::exists(optionFile)) return result;
  for (const char* name : kShippedDataFolders) {
    const QString from = QString::fromStdString(ResolveNoCase(home.ShippedData.string(), name));
    if (!QFileInfo(from).isDir()) continue;
    CopyMissingFiles(from, folder + QLatin1Char('/') + QLatin1String(name), result);
  }
  return result;
}

}  // namespace zunda
