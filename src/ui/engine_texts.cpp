#include "ui/engine_texts.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <functional>
#include <string_view>
#include <vector>

namespace zunda {
namespace {

// One text the engine writes, with %1.. where it fills something in, and what each filled-in
// part is, in order:
//   s  a name (seat, player, file), kept as it is      n  a number
//   t  a finishing title, translated                    r  a rank label, translated
//   R  rank labels separated by blanks, each translated c  "label:count" pairs, labels translated
//   p  another engine text, translated in turn
// The templates are tried in this order; the catch-all forms of a named line come last.
struct Template {
  const char* source;
  const char* parts;
};

const Template kTemplates[] = {
    // Cards and titles.
    {QT_TRANSLATE_NOOP("EngineText", "钱"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "小虎"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "大虎"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "头科"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "二科"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "三科"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "四科"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "二落"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "大落"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "抓三户"), ""},
    // The window and the seats.
    {QT_TRANSLATE_NOOP("EngineText", "Zunda扑克游戏"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Zunda扑克游戏 %1"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "该家没有出牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "手中还有%1张牌"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "不够报牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "%1-烧糊了"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "%1-烧糊了: %2"), "st"},
    {QT_TRANSLATE_NOOP("EngineText", "烧糊了,被判为%1"), "t"},
    {QT_TRANSLATE_NOOP("EngineText", "%1 %2张. 鼠标左键选整套,右键拆牌,双击直接出牌"), "rn"},
    {QT_TRANSLATE_NOOP("EngineText", "已经发出的牌: %1"), "c"},
    {QT_TRANSLATE_NOOP("EngineText", "Zunda战绩排名:"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "本软件随时更新，欢迎下载最新版本。"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "当前登录玩家 : %1"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "当前登录玩家是：〖%1〗"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "默认登录玩家：〖%1〗"), "s"},
    // Plays and the event list.
    {QT_TRANSLATE_NOOP("EngineText", "%1张 %2(%3)"), "nrp"},
    {QT_TRANSLATE_NOOP("EngineText", "%1张 %2"), "nr"},
    {QT_TRANSLATE_NOOP("EngineText", "%1大虎%2小虎"), "nn"},
    {QT_TRANSLATE_NOOP("EngineText", "%1大虎"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "%1小虎"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "自动过牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "过"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "确认烧牌!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "烧糊了!被判为:%1"), "t"},
    {QT_TRANSLATE_NOOP("EngineText", "被判定获得发牌权"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "接受“%1”的留封"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "本局已经结束,走科的顺序如下:"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "%1 : %2"), "ts"},
    {QT_TRANSLATE_NOOP("EngineText", "%1 还贡牌: %2"), "sR"},
    {QT_TRANSLATE_NOOP("EngineText", "%1 进贡牌: %2"), "sR"},
    {QT_TRANSLATE_NOOP("EngineText", "%1 还贡牌: (未吃贡)"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "%1 进贡牌: (未进贡)"), "s"},
    // The deal.
    {QT_TRANSLATE_NOOP("EngineText", "上班"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "%1上班"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "抓牌上班"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "3都不成对，3牌最多者发牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "初始化起始状态"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "随机化洗牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "随机化切牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "重新洗牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "扣掉自家牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "洗牌不匀,重新洗牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "裁 判: 洗牌不匀,重新洗牌、抓牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "好吧"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "测试牌手"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "真要重新洗牌、抓牌吗？"), ""},
    // Prompts.
    {QT_TRANSLATE_NOOP("EngineText", "请选择一手牌发出"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "请选择一手牌或过牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "请选择一手牌或扣牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "请扣牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "您已经烧牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "不要着急,还不到您出牌的时候!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "您选中的是无效牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "您已烧牌,要求至少有1张虎或一次发完所有牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "对门挂了大虎,不劳您出牌了,扣牌吧"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "人家挂了大虎,您无权烧牌了"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "您已经烧糊了，无权再出牌！"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "请等会儿再出牌!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "牌点太小!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "请检查选择的牌是否合适?"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "选中牌的张数与上家不一样，请重选"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "您必须至少挂%1张大虎方可出牌"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "等您烧牌呢！如果不烧请过牌。"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "哈哈,您烧糊了!恭喜您成为%1"), "t"},
    {QT_TRANSLATE_NOOP("EngineText", "发牌方: %1"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "下面是大落【%1】手里的牌:"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "您吃%1张贡,请选择还贡的牌!"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "太多了！"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "正在洗牌、分牌，请稍等..."), ""},
    {QT_TRANSLATE_NOOP("EngineText", "本轮结束，点击牌桌继续"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "提示：这手牌可以不要"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "提示：已无牌可出，请按“烧糊了”"), ""},
    // Button tips.
    {QT_TRANSLATE_NOOP("EngineText", "嘿嘿,一手小牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "确认,不再上牌了"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "扣牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "过牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "点错牌了，全部收回来吧"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "这么小的牌,不值得我烧牌"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "看准了,确实烧糊了再点此按钮!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "还贡"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "按H键提示一手能出的牌，再按换一手"), ""},
    // Message boxes.
    {QT_TRANSLATE_NOOP("EngineText", "您真的要退出Zunda吗？"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "游戏暂停,单击[确定]继续"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "您要烧牌吗?"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "嘿嘿,数一数您手里的大小鬼数量,是不是烧糊了?"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "%1是联邦,是否吃贡?"), "t"},
    {QT_TRANSLATE_NOOP("EngineText", "下面是大落【%1】剩余的牌"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "已抓三户!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "是否保存当前牌局？"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "当前牌局已保存!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "牌局保存失败：无法写入文件“%1”（%2）。"), "sp"},
    {QT_TRANSLATE_NOOP("EngineText", "是否恢复牌局？"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "没有保存牌局。"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "牌局已恢复!"), ""},
    {QT_TRANSLATE_NOOP("EngineText",
                       "保存的牌局“%1”是其他版本的程序保存的，本版本无法恢复；文件已原样保留。"),
     "s"},
    {QT_TRANSLATE_NOOP("EngineText", "保存的牌局不完整：找不到文件“%1”。"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "保存的牌局无法恢复：文件“%1”无法读取。"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "保存的牌局已损坏：文件“%1”的内容不完整或有误。"), "s"},
    {QT_TRANSLATE_NOOP("EngineText",
                       "保存的牌局已损坏：文件“%1”与“%2”不是同一次保存的，或其中的牌对不上。"),
     "ss"},
    // Files that could not be written, and why.
    {QT_TRANSLATE_NOOP("EngineText", "无法保存文件“%1”：%2。游戏照常进行，下次保存时将再试一次。"),
     "sp"},
    {QT_TRANSLATE_NOOP("EngineText", "磁盘空间已满"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "没有写入权限"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "文件夹不存在"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "写入出错"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "没有存放文件的地方"), ""},
    {QT_TRANSLATE_NOOP("EngineText",
                       "成绩文件“%1”已损坏，已改名为“%2”保存；成绩从零开始重新记录。"),
     "ss"},
    {QT_TRANSLATE_NOOP("EngineText",
                       "您修改了重要设置，需要在重新启动本软件后才能生效，是否现在就退出？"),
     ""},
    {QT_TRANSLATE_NOOP("EngineText", "游戏玩家〖%1〗未登录！是否重新登录？"), "s"},
    {QT_TRANSLATE_NOOP(
         "EngineText",
         "请将Windows屏幕分辨率设置到800x600小字体模式或更高分辨率再运行本软件，具体调整方式请见本"
         "软件FAQ提示。"),
     ""},
    {QT_TRANSLATE_NOOP("EngineText",
                       "本软件已经在运行了！\n请试着点击屏幕最下面任务栏中的应用程序即可调出。"),
     ""},
    {QT_TRANSLATE_NOOP("EngineText", "软件初次运行，初始化运行参数建立完毕。请退出后再运行。"), ""},
    {QT_TRANSLATE_NOOP("EngineText",
                       "无法在程序文件夹中建立配置文件“%1”（%2），请检查该文件夹是否允许写入。"),
     "sp"},
    {QT_TRANSLATE_NOOP(
         "EngineText",
         "配置文件出错，系统试图重建之，原来的配置文件已另存为“%1”。请在退出后重新运行"
         "本软件。如果问题仍然存在，请用电子邮件向作者反映此现象,并说明详细情况。"),
     "s"},
    {QT_TRANSLATE_NOOP(
         "EngineText",
         "配置文件“%1”出错，但无法把它另存为别的文件（%2），因此没有重建它。请检查程序"
         "文件夹是否允许写入，然后重新运行本软件。"),
     "sp"},
    {QT_TRANSLATE_NOOP("EngineText",
                       "配置文件出错，系统试图重建之，请在退出后重新运行本软件。如果问题仍然存在，"
                       "请用电子邮件向作"
                       "者反映此现象,并说明详细情况。"),
     ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err: 没有选定*.ini文件"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err: 选定的.ini文件格式不对"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err:已经存在 -- %1,是否覆盖?"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "Err: Skin文件导入失败 -- %1"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "文件未发现:%1"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "Skin文件导入成功"), ""},
    {QT_TRANSLATE_NOOP("EngineText",
                       "Err: Skin名称“%1”中含有逗号，皮肤列表无法保存这样的名称；请修改skin.ini中的"
                       "Name后再导入。"),
     "s"},
    {QT_TRANSLATE_NOOP("EngineText",
                       "Err: Skin名称“%1”中含有配置文件无法保存的字符；请修改skin.ini中的Name后再导"
                       "入。"),
     "s"},
    {QT_TRANSLATE_NOOP("EngineText", "Err: 皮肤列表已满，无法再导入Skin“%1”。"), "s"},
    {QT_TRANSLATE_NOOP("EngineText",
                       "Err: Skin“%1”的文件已导入，但皮肤列表没有保存（%2），重新启动后列表中不会有"
                       "它。"),
     "sp"},
    {QT_TRANSLATE_NOOP("EngineText", "请首先在列表中选择一个曲目."), ""},
    {QT_TRANSLATE_NOOP("EngineText", "您真的要删除音乐文件 [%1] 吗?"), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "AVI 视频文件不作为背景音乐播放。"), ""},
    // The options dialog.
    {QT_TRANSLATE_NOOP("EngineText", "延时%1毫秒"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "%1毫秒"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "%1秒"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "Err : 密码错。"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err : 密码错!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "成功登录:%1\n当前登录玩家 : %2"), "ss"},
    {QT_TRANSLATE_NOOP("EngineText", "该玩家已经存在!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err : 玩家姓名不能超过30个字符!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err : 玩家人数已满,不能再添加!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "%1 添加完毕, None Password."), "s"},
    {QT_TRANSLATE_NOOP("EngineText", "Err : 原有密码输入错!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err : 原始玩家不能设密码!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err : 密码不能超过12个字符!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "密码修改完毕!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err : 原始玩家不能删除!"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "删除完毕!"), ""},
    // Faults.
    {QT_TRANSLATE_NOOP("EngineText", "Err:手中牌数超过36张"), ""},
    {QT_TRANSLATE_NOOP("EngineText", "Err: in 显示手中牌 : M=%1"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "Err:剩牌张数(%1) =%2"), "nn"},
    {QT_TRANSLATE_NOOP("EngineText", "Err:数组下标越界(%1，范围%2..%3)"), "nnn"},
    {QT_TRANSLATE_NOOP("EngineText", "Err:牌码序号越界(%1)"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "Err:牌点越界(%1)"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "Err:名次越界(%1)"), "n"},
    {QT_TRANSLATE_NOOP("EngineText", "Err:贡牌不在手中(%1:%2)"), "ns"},
    {QT_TRANSLATE_NOOP("EngineText", "ERR:此数无效 %1"), "n"},
    {QT_TRANSLATE_NOOP("EngineText",
                       "Err:程序发生致命错误,F座次编号_下家之变量Who＝%1，请将此信息告诉编者"),
     "n"},
    {QT_TRANSLATE_NOOP("EngineText", "Err:%1 -手中牌有负数,%2"), "pn"},
    {QT_TRANSLATE_NOOP("EngineText",
                       "程序运行出错!请立即将Zunda文件夹下扩展名为."
                       "znd的几个文件压缩后以附件形式Email给作者,并在EMAIL正"
                       "文中说明Zunda程序版本和错误现象,"
                       "以及您使用的Windows版本和电脑CPU型号和内存大小,以便快速排除错"
                       "误,我将用加倍的努力、以更完美的软件来报答您的热情帮助！谢谢您！"),
     ""},
    {QT_TRANSLATE_NOOP("EngineText",
                       "Err:随机数产生错误,请将此现象通知作者,谢谢!大虎:%1 小虎:%2 小两:%3"),
     "nnn"},
    {QT_TRANSLATE_NOOP("EngineText", "Err:发牌方座次错误,LeadSeat=%1"), "n"},
    // A named line: the event list's "name: text" and the prompt's "name:text" (the blank is
    // optional, as every blank of a template is).
    {QT_TRANSLATE_NOOP("EngineText", "%1: %2"), "sp"},
};

const char* const kRankPattern = "10|[2-9]|[JQKA]|钱|小虎|大虎";
const char* const kTitlePattern = "头科|二科|三科|四科|二落|大落|抓三户";

QString PartPattern(char kind) {
  switch (kind) {
    case 'n':
      return QStringLiteral("(-?\\d+)");
    case 't':
      return QStringLiteral("(%1)").arg(QString::fromUtf8(kTitlePattern));
    case 'r':
      return QStringLiteral("\\s*(%1)").arg(QString::fromUtf8(kRankPattern));
    case 'R':
      return QStringLiteral("((?:\\s*(?:%1))+)\\s*").arg(QString::fromUtf8(kRankPattern));
    case 'c':
      return QStringLiteral("((?:\\s*\\S+:\\d+)*)\\s*");
    default:  // names and nested texts
      return QStringLiteral("(.+?)");
  }
}

// The literal parts match with any run of blanks where the source has one, so that the
// engine's padding ("2张  9", "M=") never defeats a match.
QString LiteralPattern(const QString& literal) {
  QStringList pieces;
  for (const QString& piece : literal.split(QLatin1Char(' ')))
    pieces << QRegularExpression::escape(piece);
  return pieces.join(QStringLiteral("\\s*"));
}

struct Compiled {
  const Template* entry;
  QRegularExpression pattern;
};

std::vector<Compiled> CompileAll() {
  static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
  std::vector<Compiled> all;
  for (const Template& entry : kTemplates) {
    const QString source = QString::fromUtf8(entry.source);
    QString pattern = QStringLiteral("^\\s*");
    qsizetype at = 0;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(source)) {
      pattern += LiteralPattern(source.mid(at, m.capturedStart() - at));
      const int index = m.captured(1).toInt() - 1;
      pattern += PartPattern(entry.parts[index]);
      at = m.capturedEnd();
    }
    pattern += LiteralPattern(source.mid(at)) + QStringLiteral("\\s*$");
    all.push_back(
        {&entry, QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)});
  }
  return all;
}

QString TranslateList(const QString& text, const QRegularExpression& token,
                      const std::function<QString(const QRegularExpressionMatch&)>& each) {
  QStringList out;
  for (const QRegularExpressionMatch& m : token.globalMatch(text))
    out << each(m);
  return out.join(QLatin1Char(' '));
}

QString TranslatePart(char kind, const QString& part) {
  QString trimmed = part.trimmed();
  switch (kind) {
    case 't':
    case 'r':
    case 'p':
      return TranslateEngineText(trimmed);
    case 'R': {
      static const QRegularExpression rank(QString::fromUtf8(kRankPattern));
      return TranslateList(trimmed, rank, [](const QRegularExpressionMatch& m) {
        return TranslateEngineText(m.captured(0));
      });
    }
    case 'c': {
      static const QRegularExpression pair(QStringLiteral("(\\S+):(\\d+)"));
      return TranslateList(trimmed, pair, [](const QRegularExpressionMatch& m) {
        return TranslateEngineText(m.captured(1)) + QLatin1Char(':') + m.captured(2);
      });
    }
    default:
      return trimmed;
  }
}

}  // namespace

QString TranslateEngineText(const QString& text) {
  static const std::vector<Compiled> templates = CompileAll();
  if (text.trimmed().isEmpty()) return text;
  for (const Compiled& compiled : templates) {
    const QRegularExpressionMatch match = compiled.pattern.match(text);
    if (!match.hasMatch()) continue;
    QString translated = QCoreApplication::translate("EngineText", compiled.entry->source);
    const std::string_view kinds = compiled.entry->parts;
    QStringList parts;
    for (std::size_t i = 0; i < kinds.size(); ++i)
      parts << TranslatePart(kinds[i], match.captured(static_cast<int>(i) + 1));
    // All parts at once, so that a name holding "%2" is never taken for a placeholder.
    switch (parts.size()) {
      case 0:
        return translated;
      case 1:
        return translated.arg(parts[0]);
      case 2:
        return translated.arg(parts[0], parts[1]);
      default:
        return translated.arg(parts[0], parts[1], parts[2]);
    }
  }
  return text;
}

}  // namespace zunda
