#include <gtest/gtest.h>

#include <QImage>

#include "core/cards.h"
#include "core/game.h"
#include "store/ini_file.h"
#include "temp_folder.h"
#include "test_game.h"
#include "ui/skin_ini.h"
#include "ui/skins.h"

namespace zunda {
namespace {

namespace fs = std::filesystem;
using Messages = std::vector<std::string>;
using testing::TempFolder;

std::string Face(const SkinState& skins, std::string_view code) {
  return skins.CardPictures[PictureIndex(code)];
}

SkinState Loaded(const TempFolder& app, std::vector<std::string> list, const std::string& current) {
  OptionsModel options;
  options.SkinsList = std::move(list);
  options.CurSkin = current;
  SkinState skins;
  LoadSkins(skins, options, app.Path(), OpenSkinIni);
  return skins;
}

TEST(SkinLoading, TheSkinsPicturesAreFoundWithoutRegardToCaseAndTheRestAreNormalFaces) {
  TempFolder app;
  app.Write("Skins/ParisDress/skin.ini",
            "[Skin]\nName=Paris\n[Picture]\nBackground=Back.JPG\nC03=faces\\c03.png\n");
  app.Picture("Skins/ParisDress/back.jpg", Qt::red, "JPG");
  app.Picture("Skins/ParisDress/Faces/C03.png", Qt::red, "PNG");
  app.Picture("Skins/Normal/J16.bmp", Qt::black);
  const SkinState skins = Loaded(app, {"Normal", " ParisDress ", "military"}, "parisdress");
  EXPECT_EQ(skins.CurIndex, 1);
  EXPECT_EQ(skins.DisplayName, "Paris");
  EXPECT_EQ(skins.Background, (app / "Skins/ParisDress/back.jpg").string());
  EXPECT_EQ(Face(skins, "C03"), (app / "Skins/ParisDress/Faces/C03.png").string());
  EXPECT_EQ(Face(skins, "J16"), (app / "Skins/Normal/J16.bmp").string());
  for (int k = 0; k < kCardPictures; ++k) {
    const std::string code = CodeAt(k).Str();
    if (code == "C03") continue;
    EXPECT_EQ(fs::path(Face(skins, code)).parent_path(), app / "Skins/Normal") << code;
  }
  // A missing or unsafe current skin falls back to the Normal faces.
  app.Write("evil/skin.ini", "[Skin]\nName=Evil\n[Picture]\nC03=x.png\n");
  for (const std::string current : {"../evil", "Gone", ""}) {
    const SkinState fallback = Loaded(app, {"Normal"}, current);
    EXPECT_EQ(fallback.CurIndex, -1) << current;
    EXPECT_NE(QString::fromStdString(Face(fallback, "C03")).toLower().indexOf("skins/normal/"), -1)
        << current;
  }
  // The preview replaces missing pictures by the Normal skin's.
  app.Picture("Skins/Blue/j17.jpg", Qt::blue, "JPG");
  EXPECT_EQ(SkinPreviewPictures(app.Path(), "blue"),
            (std::array<fs::path, 3>{app / "Skins/Normal/background.jpg",
                                     app / "Skins/Blue/j17.jpg", app / "Skins/Normal/d13.bmp"}));
}

TEST(SkinNames, OnlyNamesThatStayOneFolderUnderSkinsAreSafe) {
  for (const char* good : {"military", "我的皮肤", "Blue Sky", "v1.2"})
    EXPECT_TRUE(IsSafeSkinName(good)) << good;
  for (const char* bad :
       {"", "..", "../x", "a/b", "a\\b", "x..y", "c:x", "a?b", "<a>", " lead", "trail."})
    EXPECT_FALSE(IsSafeSkinName(bad)) << bad;
}

class SkinImport : public ::testing::Test {
 protected:
  SkinImport() {
    t.game.Options.SkinsList = {"Normal", "ParisDress"};
    app.Write("Skins/ParisDress/skin.ini", "[Skin]\nName=ParisDress\n; the installed one\n");
  }
  SkinImportResult Import(const std::string& ini) {
    t.host.ClearMessages();
    app.Write("incoming/skin.ini", ini);
    ForgetIniFiles();
    // Writing the list is the option file's (tests/store); here, that the import asks for it.
    return ImportSkin(t.game, app.Path(), app / "incoming/skin.ini", OpenSkinIni, [this] {
      savedList = t.game.Options.SkinsList;
      return SaveResult{};
    });
  }
  const Messages& Said() { return t.host.Messages(); }

  testing::TestGame t;
  TempFolder app;
  std::vector<std::string> savedList;
};

TEST_F(SkinImport, CopiesTheIniAndItsPicturesAndListsTheSkinOnce) {
  app.Picture("incoming/c03.png", Qt::green, "PNG");
  app.Picture("incoming/jokers/j16.png", Qt::green, "PNG");
  const std::string forest =
      "[Skin]\nName=Forest\n[Picture]\nC03=c03.png\nJ16=jokers/j16.png\nD05=missing.png\n";
  EXPECT_EQ(Import(forest), SkinImportResult::Imported);
  for (const char* file : {"skin.ini", "c03.png", "jokers/j16.png"})
    EXPECT_TRUE(fs::exists(app / "Skins/Forest" / file)) << file;
  EXPECT_EQ(Said(), (Messages{"文件未发现:missing.png", "Skin文件导入成功"}));
  EXPECT_EQ(t.game.Options.SkinsList, (std::vector<std::string>{"Normal", "ParisDress", "Forest"}));
  EXPECT_EQ(savedList, t.game.Options.SkinsList) << "saved before success is said";
  t.host.QueueAnswer(Host::Answer::Yes);
  EXPECT_EQ(Import(forest), SkinImportResult::Imported);
  EXPECT_EQ(Said().front(), "Err:已经存在 -- Forest,是否覆盖?");
  EXPECT_EQ(t.game.Options.SkinsList.size(), 3u);

  // An existing name answered no changes nothing.
  t.host.QueueAnswer(Host::Answer::No);
  EXPECT_EQ(Import("[Skin]\nName=parisdress\n[Picture]\nC03=c03.png\n"),
            SkinImportResult::Declined);
  EXPECT_EQ(app.Read("Skins/ParisDress/skin.ini"),
            "[Skin]\nName=ParisDress\n; the installed one\n");
  EXPECT_FALSE(fs::exists(app / "Skins/ParisDress/c03.png"));
}

TEST_F(SkinImport, NamesAndPicturesThatLeaveTheSkinsFolderOrBreakTheListAreRefused) {
  for (const char* name : {"../../outside", "..", "a/b", "sub\\dir", "bad:name"}) {
    EXPECT_EQ(Import(std::string("[Skin]\nName=") + name + "\n"), SkinImportResult::WrongFormat)
        << name;
    EXPECT_EQ(Said(), Messages{"Err: 选定的.ini文件格式不对"}) << name;
  }
  EXPECT_FALSE(fs::exists(app / "outside"));
  EXPECT_FALSE(fs::exists(app.Path().parent_path() / "outside"));
  EXPECT_EQ(Import("[Picture]\nC03=c03.png\n"), SkinImportResult::WrongFormat);
  EXPECT_EQ(Import("[Skin]\nName=Red,Blue\n"), SkinImportResult::ListFull);
  EXPECT_EQ(Said(), Messages{"Err: Skin名称“Red,Blue”中含有逗号，皮肤列表无法保存这样的名称；请修改"
                             "skin.ini中的Name后再导入。"});
  EXPECT_EQ(t.game.Options.SkinsList.size(), 2u);
  EXPECT_TRUE(savedList.empty());

  // A safe name with a picture path that climbs out: the picture is skipped, nothing escapes.
  app.Picture("secret.png", Qt::red, "PNG");
  EXPECT_EQ(Import("[Skin]\nName=Sly\n[Picture]\nC03=../../secret.png\n"),
            SkinImportResult::Imported);
  EXPECT_EQ(Said(), (Messages{"文件未发现:../../secret.png", "Skin文件导入成功"}));
  EXPECT_FALSE(fs::exists(app / "Skins/secret.png"));

  EXPECT_EQ(ImportSkin(t.game, app.Path(), fs::path(), OpenSkinIni),
            SkinImportResult::NoFileChosen);
  EXPECT_EQ(ImportSkin(t.game, app.Path(), app / "nowhere/skin.ini", OpenSkinIni),
            SkinImportResult::NoFileChosen);
}

TEST(ShippedSkins, EverySkinResolvesAllFacesToReadablePictures) {
  const fs::path data = ZUNDA_SOURCE_DATA;
  OptionsModel options;
  options.SkinsList = {"Normal", "ParisDress", "military"};
  for (const std::string& skin : options.SkinsList) {
    options.CurSkin = skin;
    SkinState skins;
    LoadSkins(skins, options, data, OpenSkinIni);
    EXPECT_EQ(skins.DisplayName, skin);
    for (int k = 0; k < kCardPictures; ++k) {
      const QImage face(QString::fromStdString(Face(skins, CodeAt(k).Str())));
      EXPECT_GT(face.height(), face.width()) << skin << " " << CodeAt(k).Str();
    }
    EXPECT_TRUE(skin == "Normal" || !QImage(QString::fromStdString(skins.Background)).isNull());
    for (const fs::path& preview : SkinPreviewPictures(data, skin))
      EXPECT_FALSE(QImage(QString::fromStdString(preview.string())).isNull()) << preview;
  }
  for (const char* icon : {"Data/pass.ico", "Data/capit.ico", "Data/zunda.ico", "Data/splash.jpg"})
    EXPECT_FALSE(QImage(QString::fromStdString((data / icon).string())).isNull()) << icon;
  std::uintmax_t bytes = 0;
  for (const auto& entry : fs::recursive_directory_iterator(data))
    bytes += entry.is_regular_file() ? entry.file_size() : 0;
  EXPECT_LT(bytes, 4u * 1024 * 1024);
}

}  // namespace
}  // namespace zunda
