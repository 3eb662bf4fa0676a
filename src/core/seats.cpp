#include "core/seats.h"

#include "core/game.h"

namespace zunda {

const char* const kCrashReportText =
    "程序运行出错!请立即将Zunda文件夹下扩展名为.znd的几个文件压缩后以附件形式Email给作者,"
    "并在EMAIL正文中说明Zunda程序版本和错误现象,以及您使用的Windows版本和电脑CPU型号和内存大小,"
    "以便快速排除错误,我将用加倍的努力、以更完美的软件来报答您的热情帮助！谢谢您！";

void BadSeat(int who) {
  Fatal("Err:程序发生致命错误,F座次编号_下家之变量Who＝" + std::to_string(who) +
        "，请将此信息告诉编者");
}

void BadTeamSeat(int who) {
  Fatal("Err:FNS=" + std::to_string(who));
}

int NextActiveSeat(Game& g, int who) {
  int seat = who;
  for (int step = 0; step < kSeats; ++step) {
    seat = NextSeat(seat);
    if (seat == who) break;
    if (InPlay(g, seat)) return seat;
  }
  g.ErrorCode = 1;
  Fatal(std::string("Err:") + kCrashReportText + "1");
}

int CardsInHand(const Game& g, int seat) {
  int total = 0;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    total += g.Hand[seat][rank].Count;
  return total;
}

int CountSets(const Game& g, int seat) {
  int sets = 0;
  for (int rank = kLowRank; rank <= kAce; ++rank)
    sets += g.Hand[seat][rank].Count != 0 ? 1 : 0;
  if (sets == 0 && g.Seats[seat].CardCount != 0) return 1;
  return sets;
}

}  // namespace zunda
