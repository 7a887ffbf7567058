#pragma once

#include "analysis/Phrase.h"

#include <optional>
#include <string>
#include <string_view>

// The program speaks German or English. Its German texts are the keys of the
// translation (translations/vexlor_en.ts, built into the program); every text
// a user sees is asked for through Tr with its unit as the context.

enum class Language { German, English };

// The English translation, built into the program.
inline constexpr const char* EnglishTranslationFile = ":/i18n/vexlor_en.qm";

// The text in the language in use (UTF-8), from its German source.
// Format texts keep %1, %2, … whole: Fill(Tr(context, "Delta: %1"), {…}).
std::string Tr(const char* context, const char* german);
// The text as `language` has it, whatever the language in use.
std::string TrIn(Language language, const char* context, const char* german);
// A phrase of the core in the language in use.
std::string Shown(const Phrase& phrase);

// The language a locale name stands for: German for German ("de", "de_AT.UTF-8")
// and where none is set ("", "C", "POSIX", "C.UTF-8"), English for every other.
Language LanguageOfLocale(std::string_view locale);
// The system's language: of the first of LC_ALL, LC_MESSAGES and LANG that is set.
Language SystemLanguage();

// "de" and "en", as --lang and the settings write them.
std::optional<Language> LanguageNamed(std::string_view word);
const char* LanguageWord(Language language);

// The choice of the menu "Sprache", kept in the user's settings; nothing when
// none was made (or what is kept names no language).
std::optional<Language> RememberedLanguage();
void RememberLanguage(Language language);

// The language of --lang where given, else the remembered choice, else the system's.
Language StartLanguage(std::optional<Language> fromCommandLine);
