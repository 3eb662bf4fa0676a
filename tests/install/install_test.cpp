// Installs the program into a temporary prefix and starts the installed copy twice, as a player
// would from the desktop menu, with a temporary home on the offscreen platform.
#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace {

const char* const kFirstRunMessage = "软件初次运行，初始化运行参数建立完毕。请退出后再运行。";
constexpr int kRunTimeoutMs = 60000;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below folder, as paths relative to it, in name order.
QStringList FilesBelow(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext())
    files << QDir(folder).relativeFilePath(it.next());
  files.sort();
  return files;
}

struct ProcessRun {
  int ExitCode = -1;
  bool Finished = false;
  QString Output;
};

ProcessRun RunProgram(
    const QString& program, const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  ProcessRun run;
  run.Finished = process.waitForFinished(kRunTimeoutMs);
  if (!run.Finished) process.kill();
  process.waitForFinished();
  run.ExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.Output = QString::fromLocal8Bit(process.readAll());
  return run;
}

class InstalledProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath("home"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("runtime"));
    QFile::setPermissions(dir.filePath("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const ProcessRun install = RunProgram(QStringLiteral(ZUNDA_CMAKE),
                                          {"--install", ZUNDA_BUILD_DIR, "--prefix", Prefix()});
    ASSERT_TRUE(install.Finished && install.ExitCode == 0) << install.Output.toStdString();
  }

  QString Prefix() const { return dir.filePath("prefix"); }
  QString Shared() const { return Prefix() + "/share/zunda"; }
  QString UserFolder() const { return dir.filePath("home/.local/share/zunda"); }
  QString BoxLog() const { return dir.filePath("boxes.txt"); }

  // The player's session: a fresh home, no display, silent audio, and the message boxes
  // answered with OK.
  QProcessEnvironment PlayerEnvironment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir.filePath("home"));
    env.remove("XDG_DATA_HOME");
    env.remove("XDG_CONFIG_HOME");
    env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("SDL_AUDIODRIVER", "dummy");
    env.insert("LD_PRELOAD", ZUNDA_BOX_ANSWERER);
    env.insert("ZUNDA_TEST_BOX_LOG", BoxLog());
    // A sanitized build loads its runtime after the answerer; that is fine for this test.
    env.insert("ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0");
    return env;
  }

  QTemporaryDir dir;
};

TEST_F(InstalledProgramTest, TheInstallHoldsTheProgramItsDataAndTheDesktopEntry) {
  EXPECT_TRUE(QFileInfo(Prefix() + "/bin/zunda").isExecutable());
  for (const char* folder : {"Data", "Skins", "Sound", "Help"}) {
    EXPECT_FALSE(FilesBelow(Shared() + '/' + folder).isEmpty()) << folder;
  }
  for (const char* page : {"readme", "help", "znd_rule", "doyouknow"}) {
    EXPECT_TRUE(QFile::exists(Shared() + "/Help/" + page + ".html")) << page;
  }
  const QByteArray entry = ReadAll(Prefix() + "/share/applications/zunda.desktop");
  EXPECT_TRUE(entry.contains("\nExec=zunda\n"));
  EXPECT_TRUE(entry.contains("\nIcon=zunda\n"));
  EXPECT_TRUE(QFile::exists(Prefix() + "/share/icons/hicolor/48x48/apps/zunda.png"));
  // Only the game is installed, not the developer tools.
  EXPECT_EQ(QDir(Prefix() + "/bin").entryList(QDir::Files), QStringList{"zunda"});

  // The music module, where the program looks for it beside bin/, and one that loads.
  EXPECT_EQ(FilesBelow(Prefix() + "/lib"),
            QStringList{QStringLiteral("zunda/" ZUNDA_AUDIO_MODULE_FILE)});
  QLibrary module(Prefix() + "/lib/zunda/" ZUNDA_AUDIO_MODULE_FILE);
  EXPECT_TRUE(module.load()) << module.errorString().toStdString();
  EXPECT_NE(module.resolve("ZundaMakeAudioBackend"), nullptr);
}

TEST_F(InstalledProgramTest, TheFirstRunFillsThePlayersFolderAndTheSecondStartOpensTheWindow) {
  const QString program = Prefix() + "/bin/zunda";
  const QStringList installed = FilesBelow(Prefix());

  const ProcessRun first = RunProgram(program, {}, PlayerEnvironment());
  ASSERT_TRUE(first.Finished) << first.Output.toStdString();
  EXPECT_EQ(first.ExitCode, 0) << first.Output.toStdString();
  EXPECT_EQ(QString::fromUtf8(ReadAll(BoxLog())), QString::fromUtf8(kFirstRunMessage) + '\n');

  // The player's folder holds the shipped data, byte for byte, and the new option file.
  QStringList missingOrDifferent;
  for (const QString& file : FilesBelow(Shared())) {
    if (ReadAll(UserFolder() + '/' + file) != ReadAll(Shared() + '/' + file)) {
      missingOrDifferent << file;
    }
  }
  EXPECT_EQ(missingOrDifferent.join(' ').toStdString(), "");
  EXPECT_TRUE(ReadAll(UserFolder() + "/Option.ini").contains("[Player]"));
  // The install itself is left as it was, although the test may write there.
  EXPECT_EQ(FilesBelow(Prefix()), installed);

  const ProcessRun second = RunProgram(program, {"--quit-after-first-paint"}, PlayerEnvironment());
  ASSERT_TRUE(second.Finished) << second.Output.toStdString();
  EXPECT_EQ(second.ExitCode, 0) << second.Output.toStdString();
  EXPECT_EQ(QString::fromUtf8(ReadAll(BoxLog())), QString::fromUtf8(kFirstRunMessage) + '\n')
      << "the second start showed a message";
  EXPECT_EQ(FilesBelow(Prefix()), installed);
}

TEST_F(InstalledProgramTest, AHomeFolderGivenOnTheCommandLineWinsOverThePlayersFolder) {
  const QString chosen = dir.filePath("chosen");
  ASSERT_TRUE(QDir().mkpath(chosen));
  const ProcessRun first =
      RunProgram(Prefix() + "/bin/zunda", {"--home", chosen}, PlayerEnvironment());
  ASSERT_TRUE(first.Finished) << first.Output.toStdString();
  EXPECT_TRUE(QFile::exists(chosen + "/Option.ini"));
  EXPECT_TRUE(QFile::exists(chosen + "/Help/readme.html"));
  EXPECT_FALSE(QFileInfo::exists(UserFolder()));
}

}  // namespace
