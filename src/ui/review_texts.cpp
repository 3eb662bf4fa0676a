#include "ui/review_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "core/cards.h"
#include "core/text.h"
#include "rules/finishing.h"
#include "ui/shown_text.h"

namespace zunda {

namespace {

int HumanSeat(const HandRecord& record) {
  const int seat = record.Options.HumanSeat;
  return seat >= 1 && seat <= kSeats ? seat : 1;
}

}  // namespace

QString HumanResultText(const HandRecord& record) {
  const int human = HumanSeat(record);
  for (int place = 1; place <= kSeats; ++place) {
    if (record.Outcome.FinishOrder[static_cast<std::size_t>(place - 1)] == human)
      return ShownText(TitleOf(place));
  }
  return QCoreApplication::translate("ReviewWindow", "未完");
}

QString HandListText(const HandRecord& record) {
  const int human = HumanSeat(record);
  QStringList names;
  for (int k = 0; k < kSeats; ++k) {
    const int seat = (human - 1 + k) % kSeats;  // 0-based, from the human round the table
    names << QString::fromStdString(Trim(record.Start.Names[static_cast<std::size_t>(seat)]));
  }
  QString line =
      QString::fromStdString(record.Played) + QStringLiteral("  ") + HumanResultText(record);
  if (record.Practice)
    line += QStringLiteral("  ") + QCoreApplication::translate("ReviewWindow", "练习");
  line += QLatin1Char('\n') + names.join(QStringLiteral(", "));
  return line;
}

QString HeldCardsText(const ReviewSeat& seat) {
  QStringList parts;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    const int count = seat.Held[static_cast<std::size_t>(rank - kLowRank)];
    if (count == 0) continue;
    parts << QStringLiteral("%1×%2").arg(ShownText(Trim(RankLabel(rank)))).arg(count);
  }
  return parts.isEmpty() ? QStringLiteral("-") : parts.join(QLatin1Char(' '));
}

}  // namespace zunda
