// Installs the program into a temporary prefix and starts the installed copy as a player would
// from the desktop menu, with a temporary home on the offscreen platform.
#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString kFirstRunBox =
    QStringLiteral("软件初次运行，初始化运行参数建立完毕。请退出后再运行。\n");

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below folder, relative to it, in name order.
QStringList FilesBelow(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext())
    files << QDir(folder).relativeFilePath(it.next());
  files.sort();
  return files;
}

// The exit code of the finished run (-1 when it crashed or hung), its output after it.
std::pair<int, std::string> RunProgram(const QString& program, const QStringList& arguments,
                                       const QProcessEnvironment& env) {
  QProcess process;
  process.setProcessEnvironment(env);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  const bool finished = process.waitForFinished(60000);
  if (!finished) process.kill();
  process.waitForFinished();
  const bool ok = finished && process.exitStatus() == QProcess::NormalExit;
  return {ok ? process.exitCode() : -1, process.readAll().toStdString()};
}

TEST(InstalledProgram, HoldsItsDataAndFirstFillsThePlayersFolderThenOpensTheWindow) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkpath("home") && QDir(dir.path()).mkpath("runtime"));
  QFile::setPermissions(dir.filePath("runtime"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  const QString prefix = dir.filePath("prefix");
  const QString shared = prefix + "/share/zunda";
  const auto install =
      RunProgram(QStringLiteral(ZUNDA_CMAKE), {"--install", ZUNDA_BUILD_DIR, "--prefix", prefix},
                 QProcessEnvironment::systemEnvironment());
  ASSERT_EQ(install.first, 0) << install.second;

  for (const char* page : {"Help/readme.html", "Help/help.html", "Help/znd_rule.html",
                           "Help/doyouknow.html", "Data/zunda.ico", "Skins/Normal/skin.ini"}) {
    EXPECT_TRUE(QFile::exists(shared + "/" + page)) << page;
  }
  EXPECT_FALSE(FilesBelow(shared + "/Sound").isEmpty());
  const QByteArray entry = ReadAll(prefix + "/share/applications/zunda.desktop");
  EXPECT_TRUE(entry.contains("\nExec=zunda\n") && entry.contains("\nIcon=zunda\n"));
  EXPECT_TRUE(QFile::exists(prefix + "/share/icons/hicolor/48x48/apps/zunda.png"));
  // Only the game is installed, not the developer tools; its music module where it looks.
  EXPECT_EQ(QDir(prefix + "/bin").entryList(QDir::Files), QStringList{"zunda"});
  EXPECT_EQ(FilesBelow(prefix + "/lib"),
            QStringList{QStringLiteral("zunda/" ZUNDA_AUDIO_MODULE_FILE)});
  QLibrary module(prefix + "/lib/zunda/" ZUNDA_AUDIO_MODULE_FILE);
  EXPECT_NE(module.resolve("ZundaMakeAudioBackend"), nullptr) << module.errorString().toStdString();

  // The player's session: a fresh home, no display, silent audio, message boxes answered OK.
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("HOME", dir.filePath("home"));
  env.remove("XDG_DATA_HOME");
  env.remove("XDG_CONFIG_HOME");
  env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("SDL_AUDIODRIVER", "dummy");
  env.insert("LD_PRELOAD", ZUNDA_BOX_ANSWERER);
  env.insert("ZUNDA_TEST_BOX_LOG", dir.filePath("boxes.txt"));
  // A sanitized build loads its runtime after the answerer; that is fine for this test.
  env.insert("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0");
  const QString program = prefix + "/bin/zunda";
  const QString user = dir.filePath("home/.local/share/zunda");
  const QStringList installed = FilesBelow(prefix);

  const auto first = RunProgram(program, {}, env);
  EXPECT_EQ(first.first, 0) << first.second;
  EXPECT_EQ(QString::fromUtf8(ReadAll(dir.filePath("boxes.txt"))), kFirstRunBox);
  // The player's folder holds the shipped data byte for byte, and the new option file.
  QStringList different;
  for (const QString& file : FilesBelow(shared)) {
    if (ReadAll(user + '/' + file) != ReadAll(shared + '/' + file)) different << file;
  }
  EXPECT_EQ(different.join(' ').toStdString(), "");
  EXPECT_TRUE(ReadAll(user + "/Option.ini").contains("[Player]"));

  const auto second = RunProgram(program, {"--quit-after-first-paint"}, env);
  EXPECT_EQ(second.first, 0) << second.second;
  EXPECT_EQ(QString::fromUtf8(ReadAll(dir.filePath("boxes.txt"))), kFirstRunBox)
      << "the second start showed a message";
  // The install itself is left as it was, although the test may write there.
  EXPECT_EQ(FilesBelow(prefix), installed);

  // A home folder given on the command line wins over the player's folder.
  const QString chosen = dir.filePath("chosen");
  ASSERT_TRUE(QDir().mkpath(chosen) && QDir().rename(user, dir.filePath("moved")));
  EXPECT_EQ(RunProgram(program, {"--home", chosen}, env).first, 0);
  EXPECT_TRUE(QFile::exists(chosen + "/Option.ini"));
  EXPECT_TRUE(QFile::exists(chosen + "/Help/readme.html"));
  EXPECT_FALSE(QFileInfo::exists(user));
}

}  // namespace
