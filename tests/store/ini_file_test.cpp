#include "store/ini_file.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <vector>

#include "store/gbk.h"
#include "store/ini_text.h"
#include "store_files.h"

namespace zunda {
namespace {

using testing::Entries;
using testing::Exists;
using testing::ReadBytes;
using testing::WriteBytes;

class IniFileTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name = "test.ini") const {
    return dir.path().toStdString() + "/" + name;
  }
  QTemporaryDir dir;
};

TEST_F(IniFileTest, ChineseTextIsStoredAsGbkAndReadBack) {
  const classIniFile ini(Path());
  ini.WriteIniKey("玩家", "Name00", "张三丰");
  ini.WriteIniKey("玩家", "Bar", "尊达");
  EXPECT_EQ(ReadBytes(Path()), QByteArray::fromHex("5bcde6bcd25d0d0a") +
                                   "Name00=" + QByteArray::fromHex("d5c5c8fdb7e1") +
                                   "\r\nBar=" + QByteArray::fromHex("d7f0b4ef") + "\r\n");
  EXPECT_EQ(ini.GetIniKey("玩家", "Name00"), "张三丰");
  EXPECT_EQ(ini.GetIniKey("玩家", "bar"), "尊达");
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileAndMissingThingsReadEmpty) {
  const classIniFile ini(Path());
  EXPECT_EQ(ini.GetIniKey("Player", "Num"), "");
  ini.DelIniKey("Player", "Num");
  ini.DelIniSec("Player");
  EXPECT_FALSE(Exists(Path()));

  ini.WriteIniKey("Player", "Num", "1");
  ini.WriteIniKey("GameSpeed", "DelayTimeKouPai", "0.5");
  ini.WriteIniKey("Player", "Cur", "0");
  EXPECT_EQ(ReadBytes(Path()),
            "[Player]\r\nNum=1\r\nCur=0\r\n[GameSpeed]\r\nDelayTimeKouPai=0.5\r\n");
  EXPECT_EQ(ini.GetIniKey("Player", "PW00"), "");
  EXPECT_EQ(ini.GetIniKey("Nowhere", "Num"), "");
  // Written in one step: nothing but the file is left in the folder.
  EXPECT_EQ(Entries(dir.path()), QStringList{"test.ini"});
}

TEST_F(IniFileTest, SectionsKeysAndFileNameAreMatchedWithoutRegardToCase) {
  WriteBytes(Path("OPTION.INI"), "[PLAYER]\r\nnum=3\r\n");
  const classIniFile ini(Path("Option.ini"));
  EXPECT_EQ(ini.GetIniKey("Player", "Num"), "3");
  ini.WriteIniKey("player", "NUM", "4");
  EXPECT_EQ(Entries(dir.path()), QStringList{"OPTION.INI"});
  EXPECT_EQ(ReadBytes(Path("OPTION.INI")), "[PLAYER]\r\nnum=4\r\n");
}

TEST_F(IniFileTest, WritingOneKeyKeepsEveryOtherLine) {
  WriteBytes(Path(),
             "; made by hand\n"
             "Stray=before any section\n"
             "[Player]\n"
             "  Num =  2  \n"
             "Unknown=kept\n"
             "not a key line\n"
             "\n"
             "[Other]\n"
             "RecRunData=1\n");
  const classIniFile ini(Path());
  EXPECT_EQ(ini.GetIniKey("Player", "Num"), "2");
  EXPECT_EQ(ini.GetIniKey("Player", "Stray"), "");

  ini.WriteIniKey("Player", "Num", "3");
  ini.WriteIniKey("Player", "Cur", "1");
  ini.WriteIniKey("Boss", "BarName", "WINDOWS");
  EXPECT_EQ(ReadBytes(Path()),
            "; made by hand\r\n"
            "Stray=before any section\r\n"
            "[Player]\r\n"
            "Num=3\r\n"
            "Unknown=kept\r\n"
            "not a key line\r\n"
            "Cur=1\r\n"
            "\r\n"
            "[Other]\r\n"
            "RecRunData=1\r\n"
            "[Boss]\r\n"
            "BarName=WINDOWS\r\n");
}

TEST_F(IniFileTest, ValuesAreTrimmedWhenReadButWrittenAsGiven) {
  const classIniFile ini(Path());
  ini.WriteIniKey("Player", "Name00", "Aldor" + std::string(25, ' '));
  ini.WriteIniKey("Player", "PW00", "  pw  ");
  EXPECT_EQ(ReadBytes(Path()),
            "[Player]\r\nName00=Aldor" + QByteArray(25, ' ') + "\r\nPW00=  pw  \r\n");
  EXPECT_EQ(ini.GetIniKey("Player", "Name00"), "Aldor");
  EXPECT_EQ(ini.GetIniKey("Player", "PW00"), "pw");
  // A line break in a value cannot add keys.
  ini.WriteIniKey("Player", "Name01", "Eve\r\nNum=0");
  EXPECT_EQ(ini.GetIniKey("Player", "Num"), "");
  EXPECT_EQ(ini.GetIniKey("Player", "Name01"), "Eve  Num=0");
}

TEST_F(IniFileTest, DeletingKeysAndSections) {
  WriteBytes(Path(),
             "[A]\r\nx=1\r\ny=2\r\n; note in A\r\n[b]\r\nz=3\r\n[C]\r\nw=4\r\n[B]\r\nz=second\r\n");
  const classIniFile ini(Path());
  ini.DelIniKey("a", "X");
  ini.DelIniKey("A", "missing");
  EXPECT_EQ(ini.GetIniKey("B", "z"), "3");  // the first of two equal sections counts
  ini.DelIniSec("B");
  EXPECT_EQ(ReadBytes(Path()), "[A]\r\ny=2\r\n; note in A\r\n[C]\r\nw=4\r\n[B]\r\nz=second\r\n");
  EXPECT_EQ(ini.GetIniKey("B", "z"), "second");
  // A deleted key can be written again and lands at the end of its section.
  ini.WriteIniKey("A", "x", "9");
  EXPECT_EQ(ini.GetIniKey("A", "x"), "9");
  EXPECT_EQ(ReadBytes(Path()),
            "[A]\r\ny=2\r\n; note in A\r\nx=9\r\n[C]\r\nw=4\r\n[B]\r\nz=second\r\n");
}

TEST_F(IniFileTest, DamagedFileAndInvalidGbkNeverBreakTheReader) {
  const QByteArray garbage("\xff\xfe\x80\x81=\x00\x81", 7);
  WriteBytes(Path(), garbage + "\n[Player\nNum=5\n=nameless\n\x81\n[Skins]\nCurSkin=\xd7\n[]\n");
  const classIniFile ini(Path());
  EXPECT_EQ(ini.GetIniKey("Player", "Num"), "5");  // "[Player" still opens the section
  EXPECT_EQ(ini.GetIniKey("Skins", "CurSkin").find('\xd7'), std::string::npos);
  EXPECT_EQ(ini.GetIniKey("", "x"), "");

  ini.WriteIniKey("Player", "Num", "6");
  // Lines the program did not touch keep their bytes, even those that are not valid GBK.
  const QByteArray after = ReadBytes(Path());
  EXPECT_TRUE(after.startsWith(garbage + "\r\n[Player\r\nNum=6\r\n=nameless\r\n\x81\r\n"));
  EXPECT_EQ(ini.GetIniKey("Player", "Num"), "6");
}

TEST(IniText, CleanTextIsJudgedInItsOwnEncoding) {
  const QByteArray gbk("\xd6\xd0\xce\xc4");           // 中文 in GBK: no valid UTF-8
  const QByteArray utf8("\xe4\xb8\xad\xe6\x96\x87");  // 中文 in UTF-8
  EXPECT_TRUE(IsCleanText(gbk, TextEncoding::Gbk));
  EXPECT_FALSE(IsCleanText(gbk, TextEncoding::Utf8));
  EXPECT_TRUE(IsCleanText(utf8, TextEncoding::Utf8));
  EXPECT_FALSE(IsCleanText(QByteArray("ab\0c", 4), TextEncoding::Utf8));
  EXPECT_TRUE(IsCleanText("\xe0\xa4\xb9", TextEncoding::Utf8));  // the lowest lead of three bytes
  // A cut never ends inside a character: of 钱钱 in three bytes one character is left.
  EXPECT_EQ(CutGbk("\xc7\xae\xc7\xae", 3), QByteArray("\xc7\xae"));
}

TEST_F(IniFileTest, AWriteNeverChangesTheEncodingTheOtherLinesAreReadIn) {
  // UTF-8 whose bytes also pair up into common GBK characters: only the line with 玩 shows
  // the file is UTF-8, and the write replaces that line.
  WriteBytes(Path("utf8.ini"), "[Player]\r\nNum=玩\r\n[Skins]\r\nCurSkin=说谢\r\n");
  const classIniFile utf8(Path("utf8.ini"));
  ASSERT_EQ(utf8.GetIniKey("Skins", "CurSkin"), "说谢");
  utf8.WriteIniKey("Player", "Num", "7");
  EXPECT_EQ(utf8.GetIniKey("Skins", "CurSkin"), "说谢");
  EXPECT_TRUE(ReadBytes(Path("utf8.ini")).startsWith("\xEF\xBB\xBF[Player]\r\n"));

  // GBK that only its bytes of no UTF-8 character tell apart from UTF-8.
  WriteBytes(Path("gbk.ini"), "[Player]\r\nNum=\xff\r\n[Skins]\r\nCurSkin=玩家\r\n");
  const classIniFile gbk(Path("gbk.ini"));
  const std::string before = gbk.GetIniKey("Skins", "CurSkin");
  gbk.WriteIniKey("Player", "Num", "7");
  gbk.WriteIniKey("Player", "Name00", "张三");
  EXPECT_EQ(gbk.GetIniKey("Skins", "CurSkin"), before);
  EXPECT_EQ(gbk.GetIniKey("Player", "Name00"), "张三");
  EXPECT_TRUE(ReadBytes(Path("gbk.ini")).contains("Name00=" + QByteArray::fromHex("d5c5c8fd")));
}

TEST_F(IniFileTest, SectionLinesAreFoundBehindBlanksOfEitherWidthAndEuroSignsSurvive) {
  // GBK A1A1 is the ideographic blank; 80 is the euro sign, which a plain ASCII reading loses.
  WriteBytes(Path(),
             "\xa1\xa1[Player]\r\nNum=1\r\n\t[Skins]\r\nCurSkin=\x80 \xa1\xa1\r\n"
             "\xa1\xa1"
             "Cur=2\r\n");
  const classIniFile ini(Path());
  EXPECT_EQ(ini.GetIniKey("Player", "Num"), "1");
  EXPECT_EQ(ini.GetIniKey("Skins", "CurSkin"), "€");
  EXPECT_EQ(ini.GetIniKey("Skins", "Cur"), "2");
  ini.WriteIniKey("Skins", "Bar", "€ and ASCII");
  EXPECT_EQ(ini.GetIniKey("Skins", "Bar"), "€ and ASCII");
  EXPECT_TRUE(
      ReadBytes(Path()).contains("Bar=\x80"
                                 " and ASCII\r\n"));
}

TEST_F(IniFileTest, LongValuesAreCutToTheReadBufferWithoutSplittingACharacter) {
  const classIniFile ini(Path());
  ini.WriteIniKey("S", "plain", std::string(2000, 'a'));
  EXPECT_EQ(ini.GetIniKey("S", "plain"), std::string(1023, 'a'));

  std::string chinese;
  for (int i = 0; i < 600; ++i)
    chinese += "钱";
  ini.WriteIniKey("S", "wide", chinese);
  std::string expected;
  for (int i = 0; i < 511; ++i)
    expected += "钱";
  EXPECT_EQ(ini.GetIniKey("S", "wide"), expected);

  // The cut can leave blanks at the end; they are trimmed like any others.
  ini.WriteIniKey("S", "spaced", std::string(1020, 'b') + std::string(10, ' ') + "c");
  EXPECT_EQ(ini.GetIniKey("S", "spaced"), std::string(1020, 'b'));
}

TEST_F(IniFileTest, AReadOnlyFileKeepsItsContentsAndSaysSo) {
  const classIniFile ini(Path());
  ini.WriteIniKey("Player", "Num", "1");
  QFile::setPermissions(QString::fromStdString(Path()), QFile::ReadOwner | QFile::ReadGroup);
  for (const SaveResult& refused : {ini.WriteIniKey("Player", "Num", "2"),
                                    ini.DelIniKey("Player", "Num"), ini.DelIniSec("Player")}) {
    EXPECT_EQ(refused.Fault, WriteFault::NoPermission);
    EXPECT_EQ(refused.File, Path());
  }
  EXPECT_EQ(ReadBytes(Path()), "[Player]\r\nNum=1\r\n");
  EXPECT_EQ(ini.GetIniKey("Player", "Num"), "1");
}

TEST_F(IniFileTest, ManyKeysInOneGoGiveTheBytesOfSingleWrites) {
  const QByteArray start =
      "; made by hand\n[Player]\n  Num =  2  \nnot a key line\n\n[other]\nRecRunData=1\n";
  const std::vector<classIniFile::KeyValue> writes = {
      {"Player", "Num", "3"},
      {"Player", "Cur", "1"},
      {"Boss", "BarName", "WINDOWS"},
      {"OTHER", "recrundata", "0"},
      {"Player", "  ", "ignored: no key"},
      {"玩家", "Name00", "张三丰\r\nNum=0"},
      {"Boss", "BarName", "尊达"},  // the later write of a key wins, in its first place
      {"Player", "PW00", "  pw  "},
  };
  // From a file made by hand (the batch's file name matched without case) and from none.
  for (const std::string prefix : {"edited", "fresh"}) {
    SCOPED_TRACE(prefix);
    const bool edited = prefix == "edited";
    if (edited) {
      WriteBytes(Path(prefix + "_single.ini"), start);
      WriteBytes(Path(prefix + "_BATCH.INI"), start);
    }
    const classIniFile single(Path(prefix + "_single.ini"));
    for (const classIniFile::KeyValue& w : writes)
      single.WriteIniKey(w.Section, w.Key, w.Value);
    const classIniFile batch(Path(prefix + "_batch.ini"));
    batch.WriteIniKeys(writes);
    EXPECT_EQ(ReadBytes(Path(prefix + (edited ? "_BATCH.INI" : "_batch.ini"))),
              ReadBytes(Path(prefix + "_single.ini")));
    EXPECT_EQ(batch.GetIniKey("Boss", "BarName"), "尊达");
  }
  EXPECT_EQ(Entries(dir.path()), (QStringList{"edited_BATCH.INI", "edited_single.ini",
                                              "fresh_batch.ini", "fresh_single.ini"}));

  // Writes that name no key create nothing; every single write goes through the one-section form.
  classIniFile(Path("none.ini")).WriteIniKeys("S", {{"", "x"}});
  classIniFile(Path("none.ini")).WriteIniKeys(std::vector<classIniFile::KeyValue>{{"P", "", "x"}});
  EXPECT_FALSE(Exists(Path("none.ini")));
}

// A skin's reader asks for its keys from one look at the file: the values are the ones
// GetIniKey gives, and stay those of that look.
TEST_F(IniFileTest, ASnapshotReadsAsGetIniKeyDoesAndKeepsWhatItSaw) {
  EXPECT_EQ(IniSnapshot(classIniFile(Path())).GetIniKey("Skin", "Name"), "");
  WriteBytes(Path("SKIN.INI"), "[SKIN]\r\nname =  " + QByteArray::fromHex("d7f0b4ef") +
                                   "  \r\n[Picture]\r\nC03=c03.png\r\n");
  const classIniFile ini(Path("skin.ini"));
  const IniSnapshot snapshot(ini);
  EXPECT_EQ(snapshot.GetIniKey("Skin", "Name"), "尊达");
  EXPECT_EQ(snapshot.GetIniKey("picture", "c03"), ini.GetIniKey("Picture", "C03"));
  EXPECT_EQ(snapshot.GetIniKey("Picture", "C04"), "");
  ini.WriteIniKey("Picture", "C03", "other.png");
  EXPECT_EQ(snapshot.GetIniKey("Picture", "C03"), "c03.png");
  EXPECT_EQ(IniSnapshot(ini).GetIniKey("Picture", "C03"), "other.png");
}

}  // namespace
}  // namespace zunda
