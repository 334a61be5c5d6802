#pragma once

// Tools > Choose Emulator...: the command that Play-Test starts, kept in the settings.
// --emulator and QUARRIX_EMULATOR still come before it.

#include <functional>
#include <optional>
#include <string>

// The question; tests answer it without a dialog. An empty function stands for the
// real dialog; nullopt is a cancel. It is shown the command chosen so far.
void setEmulatorDialog(std::function<std::optional<std::string>(const std::string& current)> ask);

void chooseEmulator();
