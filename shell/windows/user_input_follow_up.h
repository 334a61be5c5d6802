#pragma once

#include <functional>

// What the application does after every user action (the history, the kept edits,
// the title and the side windows take it in). The side windows that edit need it for
// their own actions too; the main window hands it over when it is built, so that they
// never reach back into it.
void setUserInputFollowUp(std::function<void()> followUp);

// Runs the follow-up, when there is one.
void followUpUserInput();
