#pragma once

// Scripts in the editor: Tools > Run Script..., the scripts of the user's scripts
// folder and the commands scripts register (Tools > Scripts), and the lines of the
// Script Console. Each run is one step of the history, taken back whole when it fails
// or is stopped; one that runs past 2 seconds offers to stop it while the window stays
// drawn. What scripts print goes to the Script Console, and to standard output while
// the console is closed.

#include <functional>
#include <vector>

#include <QString>

#include "shell/script/script_session.h"

// The folder whose .js files Tools > Scripts lists: "scripts" in the program's data
// folder (under XDG_DATA_HOME).
QString scriptsFolder();
// Its .js files, by name.
QStringList scriptsInFolder();

// Asks for a .js file and runs it.
void chooseAndRunScript();
// Runs a script file as one step named after the file; an error is shown in a box and
// in the console.
void runScriptFile(const QString& path);
// Runs a command a script registered, as one step named after its label.
void runRegisteredScriptCommand(const QString& id);
// The commands registered so far, for Tools > Scripts and the command search.
std::vector<ScriptCommand> registeredScriptCommands();

// Evaluates one line of the console, as one step named "Script Console".
ScriptOutcome evaluateScriptLine(const QString& line);

// Where the output and the results of runs go: the console while it is made.
void setScriptOutput(std::function<void(const QString& line, bool isError)> output);

// Called whenever the scripts folder or the registered commands change.
void setScriptListObserver(std::function<void()> observer);

// Ends the scripts' thread, before the editor goes.
void endScripts();
