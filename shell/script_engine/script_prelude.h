#pragma once

#include <QString>

// The scripts' API in JavaScript, over the native ScriptApi: a function of that object
// (and of the table of registered commands' functions) that gives the globals
// `editor` and `print`, as an object of those two.
const char* scriptPrelude();

// One of the prelude's refusals in the user's language, with %1 standing for value;
// a text that is not one of them comes back as it is.
QString preludeText(const QString& english, const QString& value);
