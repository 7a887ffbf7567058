#include "toolkit/Language.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

#include <cstdlib>

namespace {

QSettings ProgramSettings() { return QSettings(QStringLiteral("Vexlor"), QStringLiteral("vexlor")); }

const QString LanguageKey = QStringLiteral("Sprache");

}  // namespace

std::string Tr(const char* context, const char* german)
{
    return QCoreApplication::translate(context, german).toStdString();
}

std::string TrIn(Language language, const char* context, const char* german)
{
    QTranslator english;
    if (language == Language::German || !english.load(QString::fromLatin1(EnglishTranslationFile)))
        return german;
    const QString text = english.translate(context, german);
    return text.isEmpty() ? std::string(german) : text.toStdString();
}

std::string Shown(const Phrase& phrase) { return Fill(Tr(PhraseContext, phrase.text), phrase.words); }

Language LanguageOfLocale(std::string_view locale)
{
    const bool unset = locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.");
    const bool german = locale.starts_with("de") && (locale.size() == 2 || locale[2] == '_' || locale[2] == '.'
                                                     || locale[2] == '@');
    return unset || german ? Language::German : Language::English;
}

Language SystemLanguage()
{
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return LanguageOfLocale(value);
    }
    return Language::German;
}

std::optional<Language> LanguageNamed(std::string_view word)
{
    if (word == "de")
        return Language::German;
    if (word == "en")
        return Language::English;
    return std::nullopt;
}

const char* LanguageWord(Language language) { return language == Language::German ? "de" : "en"; }

std::optional<Language> RememberedLanguage()
{
    return LanguageNamed(ProgramSettings().value(LanguageKey).toString().toStdString());
}

void RememberLanguage(Language language)
{
    QSettings settings = ProgramSettings();
    settings.setValue(LanguageKey, QString::fromLatin1(LanguageWord(language)));
}

Language StartLanguage(std::optional<Language> fromCommandLine)
{
    if (fromCommandLine)
        return *fromCommandLine;
    return RememberedLanguage().value_or(SystemLanguage());
}
