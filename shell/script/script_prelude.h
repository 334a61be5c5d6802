#pragma once

// The scripts' API in JavaScript, over the native ScriptApi: a function of that object
// (and of the table of registered commands' functions) that gives the globals
// `editor` and `print`, as an object of those two.
const char* scriptPrelude();
