#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

#include "core/text.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "store/program_folder.h"

namespace zunda {
namespace {

Language current = Language::Chinese;

// The translators in use; replaced when another language is installed.
std::unique_ptr<QTranslator>& ProgramTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}
std::unique_ptr<QTranslator>& QtTranslator() {
  static std::unique_ptr<QTranslator> translator;
  return translator;
}

void Replace(std::unique_ptr<QTranslator>& slot, std::unique_ptr<QTranslator> next) {
  if (slot) QCoreApplication::removeTranslator(slot.get());
  slot = std::move(next);
  if (slot) QCoreApplication::installTranslator(slot.get());
}

std::unique_ptr<QTranslator> Load(const QString& file, const QString& folder) {
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(file, folder)) return nullptr;
  return translator;
}

}  // namespace

Language ChooseLanguage(std::string_view choice, const QLocale& system) {
  const std::string code = Trim(choice);
  if (code == "zh") return Language::Chinese;
  if (code == "en") return Language::English;
  const QLocale::Language spoken = system.language();
  return spoken == QLocale::Chinese || spoken == QLocale::C ? Language::Chinese : Language::English;
}

std::string_view LanguageCode(Language language) {
  return language == Language::English ? "en" : "zh";
}

namespace {
std::string ChoiceIn(const std::string& optionFile) {
  return Trim(CleanIniValue(classIniFile(optionFile).GetIniKey(kLanguageSection, kLanguageKey)));
}
}  // namespace

std::string StoredLanguageChoice(const Game& g) {
  return ChoiceIn(OptionFilePath(g));
}

std::string StoredLanguageChoice(const std::string& programFolder) {
  return ChoiceIn(ResolveNoCase(programFolder, kOptionFileName));
}

void StoreLanguageChoice(const Game& g, std::string_view choice) {
  classIniFile(OptionFilePath(g)).WriteIniKey(kLanguageSection, kLanguageKey, choice);
}

void InstallLanguage(Language language) {
  current = language;
  const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (language == Language::English) {
    Replace(ProgramTranslator(), Load(QStringLiteral("zunda_en"), QStringLiteral(":/i18n")));
    Replace(QtTranslator(), nullptr);
  } else {
    // The program's texts are Chinese already; Qt's own buttons and dialogs need theirs.
    Replace(ProgramTranslator(), nullptr);
    Replace(QtTranslator(), Load(QStringLiteral("qtbase_zh_CN"), qtFolder));
  }
}

Language CurrentLanguage() {
  return current;
}

}  // namespace zunda
