#pragma once

#include <functional>
#include <span>
#include <string_view>

// The languages the editor speaks: English is its texts as they are written; each other
// language has a translation built into the program, with the toolkit's own where the
// system has one (the buttons of the standard dialogs, the command line's parser).
enum class Language { English, Japanese };

struct LanguageName {
    Language language;
    const char* code;     // "ja", as the settings and the translation files name it
    const char* ownName;  // "日本語": offered under its own name, never translated
};

// In the order View > Language offers them.
std::span<const LanguageName> languages();

// The language the environment asks for: the first of LC_ALL, LC_MESSAGES and LANG that
// is set decides, in the C library's order; English for one the editor does not speak.
Language systemLanguage();

// The language chosen in View > Language when the settings keep one, else the system's.
Language preferredLanguage();

// Puts the program and the core's texts into that language at once: every open window
// is sent a LanguageChange and sets its texts again. Nothing needs a restart.
void useLanguage(Language language);
Language currentLanguage();

// Calls retranslate each time the language changes, for as long as watched lives: for
// windows that are not classes of their own, which would override changeEvent.
class QObject;
void followLanguage(QObject& watched, std::function<void()> retranslate);

// The user's choice in View > Language: used at once and kept in the settings.
void chooseLanguage(Language language);
// The language after the one in use, in the order of languages(), for a command that
// steps through them.
Language nextLanguage();

// The code of a language ("en", "ja") and back; English for a code it does not know.
const char* languageCode(Language language);
Language languageFromCode(std::string_view code);
