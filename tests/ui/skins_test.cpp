#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>

#include "core/cards.h"
#include "core/game.h"
#include "store/option_file.h"
#include "temp_folder.h"
#include "test_game.h"
#include "test_ini_reader.h"
#include "ui/skins.h"

namespace zunda {
namespace {

namespace fs = std::filesystem;
using testing::ReadTestIni;
using testing::TempFolder;

std::string Face(const SkinState& skins, std::string_view code) {
  return skins.CardPictures[PictureIndex(code)];
}

TEST(SkinLoading, SkinWithOnlyANameUsesTheNormalFacesFoundWithoutRegardToCase) {
  TempFolder app;
  app.Write("Skins/Plain/skin.ini", "[Skin]\r\nName=Plain\r\n");
  app.Picture("Skins/Normal/J16.bmp", Qt::black);
  app.Picture("Skins/Normal/C03.bmp", Qt::black);
  OptionsModel options;
  options.SkinsList = {"Normal", " Plain "};
  options.CurSkin = "Plain";

  SkinState skins;
  LoadSkins(skins, options, app.Path(), ReadTestIni);

  EXPECT_EQ(skins.Folders, (std::vector<std::string>{"Normal", "Plain"}));
  EXPECT_EQ(skins.CurIndex, 1);
  EXPECT_EQ(skins.DisplayName, "Plain");
  EXPECT_EQ(skins.Background, "");
  EXPECT_EQ(Face(skins, "J16"), (app / "Skins/Normal/J16.bmp").string());
  EXPECT_EQ(Face(skins, "C03"), (app / "Skins/Normal/C03.bmp").string());
  for (int k = 0; k < kCardPictures; ++k) {
    const std::string code = CodeAt(k).Str();
    EXPECT_EQ(fs::path(Face(skins, code)).parent_path(), app / "Skins/Normal") << code;
  }
}

TEST(SkinLoading, CurrentSkinWrittenInAnotherCaseStillSelectsIt) {
  TempFolder app;
  app.Write(
      "Skins/ParisDress/skin.ini",
      "[Skin]\nName=Paris\n[Picture]\nBackground=Back.JPG\nC03=faces\\c03.png\nJ17=j17.png\n");
  app.Picture("Skins/ParisDress/back.jpg", Qt::red, "JPG");
  app.Picture("Skins/ParisDress/Faces/C03.png", Qt::red, "PNG");
  app.Picture("Skins/ParisDress/j17.png", Qt::red, "PNG");
  OptionsModel options;
  options.SkinsList = {"Normal", "ParisDress", "military"};
  options.CurSkin = "parisdress";

  SkinState skins;
  LoadSkins(skins, options, app.Path(), ReadTestIni);

  EXPECT_EQ(skins.CurIndex, 1);
  EXPECT_EQ(skins.DisplayName, "Paris");
  EXPECT_EQ(skins.Background, (app / "Skins/ParisDress/back.jpg").string());
  EXPECT_EQ(Face(skins, "C03"), (app / "Skins/ParisDress/Faces/C03.png").string());
  EXPECT_EQ(Face(skins, "J17"), (app / "Skins/ParisDress/j17.png").string());
  EXPECT_NE(Face(skins, "D13").find("normal"), std::string::npos);
}

TEST(SkinLoading, MissingOrUnsafeCurrentSkinFallsBackToNormalFaces) {
  TempFolder app;
  app.Write("evil/skin.ini", "[Skin]\nName=Evil\n[Picture]\nC03=x.png\n");
  for (const std::string current : {"../evil", "Gone", ""}) {
    OptionsModel options;
    options.SkinsList = {"Normal"};
    options.CurSkin = current;
    SkinState skins;
    LoadSkins(skins, options, app.Path(), ReadTestIni);
    EXPECT_EQ(skins.CurIndex, -1) << current;
    EXPECT_EQ(skins.DisplayName, "") << current;
    EXPECT_NE(Face(skins, "C03").find("normal"), std::string::npos) << current;
  }
}

TEST(SkinNames, OnlyNamesThatStayOneFolderUnderSkinsAreSafe) {
  for (const char* good : {"ParisDress", "military", "我的皮肤", "Blue Sky", "v1.2"}) {
    EXPECT_TRUE(IsSafeSkinName(good)) << good;
  }
  for (const char* bad : {"", "  ", "..", "../x", "a/b", "a\\b", "x..y", "c:x", "a?b", "a*b", "a|b",
                          "<a>", "tab\there", " lead", "trail ", "trail."}) {
    EXPECT_FALSE(IsSafeSkinName(bad)) << bad;
  }
}

TEST(SkinPreview, MissingPicturesAreReplacedByTheNormalSkins) {
  TempFolder app;
  app.Picture("Skins/Blue/j17.jpg", Qt::blue, "JPG");
  const auto pictures = SkinPreviewPictures(app.Path(), "blue");
  EXPECT_EQ(pictures[0], app / "Skins/Normal/background.jpg");
  EXPECT_EQ(pictures[1], app / "Skins/Blue/j17.jpg");
  EXPECT_EQ(pictures[2], app / "Skins/Normal/d13.bmp");
}

// ---- Import ----

class SkinImport : public ::testing::Test {
 protected:
  SkinImport() {
    t.game.Options.SkinsList = {"Normal", "ParisDress"};
    app.Write("Skins/ParisDress/skin.ini", "[Skin]\nName=ParisDress\n; the installed one\n");
  }
  SkinImportResult Import(const std::string& chosen) {
    return ImportSkin(t.game, app.Path(), chosen.empty() ? fs::path() : app / chosen, ReadTestIni);
  }
  const std::vector<std::string>& Messages() { return t.host.Messages(); }

  testing::TestGame t;
  TempFolder app;
};

TEST_F(SkinImport, CopiesTheIniAndItsPicturesAndListsTheSkinOnce) {
  app.Write("incoming/skin.ini",
            "[Skin]\nName=Forest\n[Picture]\nC03=c03.png\nJ16=jokers/j16.png\nD05=missing.png\n"
            "Background=bg.jpg\n");
  app.Picture("incoming/c03.png", Qt::green, "PNG");
  app.Picture("incoming/jokers/j16.png", Qt::green, "PNG");
  app.Picture("incoming/bg.jpg", Qt::green, "JPG");

  EXPECT_EQ(Import("incoming/skin.ini"), SkinImportResult::Imported);
  EXPECT_TRUE(fs::exists(app / "Skins/Forest/skin.ini"));
  EXPECT_TRUE(fs::exists(app / "Skins/Forest/c03.png"));
  EXPECT_TRUE(fs::exists(app / "Skins/Forest/jokers/j16.png"));
  EXPECT_TRUE(fs::exists(app / "Skins/Forest/bg.jpg"));
  EXPECT_EQ(Messages(), (std::vector<std::string>{"文件未发现:missing.png", "Skin文件导入成功"}));
  EXPECT_EQ(t.game.Options.SkinsList, (std::vector<std::string>{"Normal", "ParisDress", "Forest"}));

  // Importing it again and overwriting does not list it twice.
  t.host.ClearMessages();
  t.host.QueueAnswer(Host::Answer::Yes);
  EXPECT_EQ(Import("incoming/skin.ini"), SkinImportResult::Imported);
  EXPECT_EQ(Messages().front(), "Err:已经存在 -- Forest,是否覆盖?");
  EXPECT_EQ(t.game.Options.SkinsList.size(), 3u);
}

TEST_F(SkinImport, ExistingNameAnsweredNoChangesNothing) {
  app.Write("incoming/skin.ini", "[Skin]\nName=parisdress\n[Picture]\nC03=c03.png\n");
  app.Picture("incoming/c03.png", Qt::green, "PNG");
  t.host.QueueAnswer(Host::Answer::No);

  EXPECT_EQ(Import("incoming/skin.ini"), SkinImportResult::Declined);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Err:已经存在 -- parisdress,是否覆盖?"}));
  EXPECT_EQ(app.Read("Skins/ParisDress/skin.ini"),
            "[Skin]\nName=ParisDress\n; the installed one\n");
  EXPECT_FALSE(fs::exists(app / "Skins/ParisDress/c03.png"));
  EXPECT_EQ(t.game.Options.SkinsList, (std::vector<std::string>{"Normal", "ParisDress"}));
}

TEST_F(SkinImport, NamesAndPicturesThatLeaveTheSkinsFolderAreRefused) {
  for (const char* name : {"../../outside", "..", "a/b", "sub\\dir", "bad:name"}) {
    app.Write("incoming/skin.ini", std::string("[Skin]\nName=") + name + "\n");
    t.host.ClearMessages();
    EXPECT_EQ(Import("incoming/skin.ini"), SkinImportResult::WrongFormat) << name;
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Err: 选定的.ini文件格式不对"})) << name;
  }
  EXPECT_FALSE(fs::exists(app / "outside"));
  EXPECT_FALSE(fs::exists(fs::path(app.Path()).parent_path() / "outside"));
  EXPECT_EQ(t.game.Options.SkinsList.size(), 2u);

  // A safe name with a picture path that climbs out: the picture is skipped, nothing escapes.
  app.Picture("secret.png", Qt::red, "PNG");
  app.Write("incoming/skin.ini",
            "[Skin]\nName=Sly\n[Picture]\nC03=../../secret.png\nC04=../secret.png\n");
  t.host.ClearMessages();
  EXPECT_EQ(Import("incoming/skin.ini"), SkinImportResult::Imported);
  EXPECT_EQ(Messages(), (std::vector<std::string>{"文件未发现:../../secret.png",
                                                  "文件未发现:../secret.png", "Skin文件导入成功"}));
  EXPECT_FALSE(fs::exists(app / "Skins/secret.png"));
}

TEST_F(SkinImport, NamesTheListCannotKeepAreRefusedAndAnImportedSkinOutlivesARestart) {
  app.Write("incoming/skin.ini", "[Skin]\nName=Red,Blue\n[Picture]\nC03=c03.png\n");
  app.Picture("incoming/c03.png", Qt::red, "PNG");
  EXPECT_EQ(Import("incoming/skin.ini"), SkinImportResult::ListFull);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Err: Skin名称“Red,Blue”中含有逗号，皮肤列表无法保存这样的名称；请修改"
                            "skin.ini中的Name后再导入。"}));
  EXPECT_FALSE(fs::exists(app / "Skins/Red,Blue"));
  EXPECT_EQ(t.game.Options.SkinsList.size(), 2u);

  // Imported with the program's own list writer, the next start finds it in the list.
  t.game.AppPath = app.Path().string();
  app.Write("incoming/skin.ini", "[Skin]\nName=Forest\n");
  t.host.ClearMessages();
  EXPECT_EQ(ImportSkin(t.game, app.Path(), app / "incoming/skin.ini", ReadTestIni,
                       [&] { return WriteOptionFile(t.game); }),
            SkinImportResult::Imported);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Skin文件导入成功"});
  testing::TestGame restarted;
  restarted.game.AppPath = t.game.AppPath;
  ASSERT_EQ(LoadOptions(restarted.game), OptionsLoadResult::Loaded);
  EXPECT_EQ(restarted.game.Options.SkinsList,
            (std::vector<std::string>{"Normal", "ParisDress", "Forest"}));
}

TEST_F(SkinImport, NoFileOrNoNameIsReported) {
  EXPECT_EQ(Import(""), SkinImportResult::NoFileChosen);
  EXPECT_EQ(Import("nowhere/skin.ini"), SkinImportResult::NoFileChosen);
  app.Write("incoming/skin.ini", "[Picture]\nC03=c03.png\n");
  EXPECT_EQ(Import("incoming/skin.ini"), SkinImportResult::WrongFormat);
  EXPECT_EQ(Messages(),
            (std::vector<std::string>{"Err: 没有选定*.ini文件", "Err: 没有选定*.ini文件",
                                      "Err: 选定的.ini文件格式不对"}));
}

// ---- The pictures shipped with the program ----

TEST(ShippedSkins, EverySkinResolvesAllFacesToReadablePictures) {
  const fs::path data = ZUNDA_SOURCE_DATA;
  OptionsModel options;
  options.SkinsList = {"Normal", "ParisDress", "military"};
  for (const std::string& skin : options.SkinsList) {
    options.CurSkin = skin;
    SkinState skins;
    LoadSkins(skins, options, data, ReadTestIni);
    EXPECT_EQ(skins.DisplayName, skin);
    for (int k = 0; k < kCardPictures; ++k) {
      const std::string code = CodeAt(k).Str();
      const QImage face(QString::fromStdString(Face(skins, code)));
      EXPECT_FALSE(face.isNull()) << skin << " " << code;
      EXPECT_GT(face.height(), face.width()) << skin << " " << code;
    }
    if (skin != "Normal") {
      EXPECT_FALSE(QImage(QString::fromStdString(skins.Background)).isNull()) << skin;
    }
    for (const fs::path& preview : SkinPreviewPictures(data, skin)) {
      EXPECT_FALSE(QImage(QString::fromStdString(preview.string())).isNull()) << preview;
    }
  }
  for (const char* icon :
       {"Data/pass.ico", "Data/capit.ico", "Data/zunda.ico", "Data/splash.jpg"}) {
    EXPECT_FALSE(QImage(QString::fromStdString((data / icon).string())).isNull()) << icon;
  }
  std::uintmax_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(data)) {
    if (entry.is_regular_file()) bytes += entry.file_size();
  }
  EXPECT_LT(bytes, 4u * 1024 * 1024);
}

}  // namespace
}  // namespace zunda
