#include "store/hand_history.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <optional>
#include <string_view>

#include "flow/hand_replay.h"
#include "store/file_system.h"
#include "store/hand_record_file.h"
#include "store/program_folder.h"

namespace zunda {

namespace {

// A record is a few KB; a file far larger is not one, and is not read into memory.
constexpr qint64 kMostRecordBytes = qint64{1024} * 1024;
// The numbers a kept hand's name may hold; the next one must still be recognised.
constexpr long long kLastNumber = 999'999'999'999LL;

struct KeptFile {
  long long Number = 0;
  QString Path;
};

QString InFolder(const QString& folder, const QString& name) {
  return QString::fromStdString(JoinPath(folder.toStdString(), name.toStdString()));
}

// The entry of folder named like name without regard to case, as the program's files always
// were found: the exact spelling if it exists, else the first case variant in name order.
QString EntryNamed(const QString& folder, const QString& name) {
  QStringList entries = Files().Entries(folder);
  if (entries.contains(name)) return InFolder(folder, name);
  entries.sort();
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return InFolder(folder, entry);
  }
  return InFolder(folder, name);
}

QString HistoryFolder(const std::string& programFolder) {
  return EntryNamed(QString::fromStdString(programFolder), QString::fromLatin1(kHistoryFolder));
}

QString KeptName(long long number) {
  return QStringLiteral("hand-%1.znr").arg(number, 6, 10, QLatin1Char('0'));
}

// The kept hands' files, oldest first. Other files in the folder are the player's own.
std::vector<KeptFile> KeptFiles(const QString& folder) {
  static const QRegularExpression kName(QStringLiteral("^hand-(\\d{1,12})\\.znr$"),
                                        QRegularExpression::CaseInsensitiveOption);
  std::vector<KeptFile> kept;
  for (const QString& name : Files().Entries(folder)) {
    const QRegularExpressionMatch match = kName.match(name);
    const QString path = InFolder(folder, name);
    if (!match.hasMatch() || !Files().Stamp(path)) continue;
    kept.push_back({match.captured(1).toLongLong(), path});
  }
  std::sort(kept.begin(), kept.end(), [](const KeptFile& a, const KeptFile& b) {
    return a.Number != b.Number ? a.Number < b.Number : a.Path < b.Path;
  });
  return kept;
}

ImportedHand Refused(std::string problem) {
  ImportedHand hand;
  hand.Problem = std::move(problem);
  return hand;
}

// The one hand a file holds, not yet replayed.
ImportedHand ReadOneHand(const QString& path) {
  const std::optional<FileStamp> stamp = Files().Stamp(path);
  if (!stamp) return Refused("the file cannot be found");
  if (stamp->Size > kMostRecordBytes) return Refused("the file is too large for a hand record");
  const std::optional<QByteArray> bytes = Files().Read(path, kMostRecordBytes);
  if (!bytes) return Refused("the file cannot be read");
  HandRecordsRead read = ParseHandRecords(
      std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
  if (!read.Ok()) return Refused(read.Problem);
  if (read.Records.size() != 1) {
    return Refused("the file holds " + std::to_string(read.Records.size()) + " hands, not one");
  }
  ImportedHand hand;
  hand.Record = std::move(read.Records.front());
  return hand;
}

}  // namespace

SaveResult KeepInHistory(const std::string& programFolder, const HandRecord& record) {
  const QString folder = HistoryFolder(programFolder);
  if (!Files().IsFolder(folder)) {
    SaveResult made = Files().MakeFolder(folder);
    if (!made.Ok()) return made;
  }
  const std::vector<KeptFile> kept = KeptFiles(folder);
  const long long number = kept.empty() ? 1 : kept.back().Number + 1;
  const QString path = InFolder(folder, KeptName(number));
  // Never over a file that is there already: it is some other hand.
  if (number > kLastNumber || Files().Stamp(path) || Files().IsFolder(path)) {
    return {WriteFault::Other, path.toStdString(), "no free name for the hand"};
  }
  SaveResult written = WriteHandRecords(path, {record});
  if (!written.Ok()) return written;
  // The new hand is kept whatever happens now: a file that stays is removed after a later hand.
  const std::size_t count = kept.size() + 1;
  const auto most = static_cast<std::size_t>(kKeptHands);
  const std::size_t over = count > most ? count - most : 0;
  for (std::size_t i = 0; i < over; ++i)
    Files().Remove(kept[i].Path);
  return {};
}

HistoryRead ReadHistory(const std::string& programFolder) {
  HistoryRead read;
  for (const KeptFile& file : KeptFiles(HistoryFolder(programFolder))) {
    ImportedHand hand = ReadOneHand(file.Path);
    if (!hand.Ok()) {
      ++read.Refused;
      continue;
    }
    read.Hands.push_back({file.Path, std::move(hand.Record)});
  }
  return read;
}

SaveResult ExportHand(const QString& path, const HandRecord& record) {
  return WriteHandRecords(path, {record});
}

ImportedHand ImportHand(const QString& path) {
  ImportedHand hand = ReadOneHand(path);
  if (!hand.Ok()) return hand;
  const std::string differs = CheckHandRecord(hand.Record);
  if (!differs.empty()) return Refused("the hand does not replay as recorded: " + differs);
  return hand;
}

}  // namespace zunda
