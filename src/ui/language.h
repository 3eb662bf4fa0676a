#pragma once

#include <QLocale>
#include <string>
#include <string_view>

namespace zunda {

struct Game;

// The languages the window speaks. Chinese is the program's own: its texts are the sources
// that every translation starts from.
enum class Language { Chinese, English };

// Where the choice is kept in the option file: a section that versions without it ignore.
// The value is "zh", "en", or empty (or missing) for the system's language.
inline constexpr const char* kLanguageSection = "Display";
inline constexpr const char* kLanguageKey = "Language";

// The language a stored choice names; for no choice, the system's: Chinese on a Chinese
// system (and where the locale names no language at all), English on any other.
Language ChooseLanguage(std::string_view choice, const QLocale& system);
// The stored form of a choice ("" follows the system).
std::string_view LanguageCode(Language language);

// The choice stored in the game's option file (or in the option file of a program folder
// before the game has read it), and storing a new one.
std::string StoredLanguageChoice(const Game& g);
std::string StoredLanguageChoice(const std::string& programFolder);
void StoreLanguageChoice(const Game& g, std::string_view choice);

// Loads the program's and Qt's own translations for the language into the application and
// makes it the current one. Installing another language replaces them.
void InstallLanguage(Language language);
Language CurrentLanguage();

}  // namespace zunda
