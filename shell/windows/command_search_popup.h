#pragma once

// The search field that Ctrl+F opens over the main window: it lists what the search
// offers (the commands with their menu labels and keys, the stages, the names of the
// stage's objects), filtered and ranked as the user types. Up and Down choose, Enter
// runs the chosen entry and Escape closes. Greyed entries are listed but never chosen.

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "edit/command_search.h"

class QWidget;

// Opens the search over `over` (closing one already open). `run` gets the chosen
// entry once the search has closed.
void openCommandSearch(QWidget* over, std::vector<SearchEntry> entries, std::span<const std::string> recentRuns,
                       std::function<void(const SearchEntry&)> run);

// The search while it is open, else nullptr.
QWidget* openCommandSearchWidget();
