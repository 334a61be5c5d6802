#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The texts a person reads are written in English where they are made and shown in the
// user's language. The core only marks them; the application installs the translator.
//
// A text kept in a table is marked with TEXT_NOOP(context, text) and translated where it
// is shown; a text made where it is shown is translated(context, text) at once. Qt's
// lupdate reads both (as QT_TRANSLATE_NOOP and translate: see tools/update-translations.sh),
// so the translation file lists every text. The context is the subject the text belongs
// to, the name of its file by habit, so that a translator sees texts that go together.
#define TEXT_NOOP(context, text) text

// Puts a text into the user's language; returns the text itself when it has no
// translation. It may be called from any thread.
using Translator = std::string (*)(const char* context, const char* text);

// Installed once, before any text is shown; nullptr leaves every text in English.
void setTranslator(Translator translator);

// The text in the user's language.
std::string translated(const char* context, const char* text);

// The pattern with each %1 to %9 replaced by that value: a translation may put the values
// in another order than English does. A % before anything else stays as it is.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);
