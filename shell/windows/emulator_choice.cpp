#include "shell/windows/emulator_choice.h"

#include <QCoreApplication>
#include <QInputDialog>

#include "shell/session/app_state.h"
#include "shell/session/play_test.h"
#include "shell/session/settings.h"

namespace {

std::function<std::optional<std::string>(const std::string&)> emulatorDialog;

std::optional<std::string> ask(const std::string& current)
{
    if (emulatorDialog)
        return emulatorDialog(current);
    bool chosen = false;
    const QString command = QInputDialog::getText(
        mainWindow ? mainWindow->handle() : nullptr, QCoreApplication::translate("emulator_choice", "Choose Emulator"),
        QCoreApplication::translate("emulator_choice",
                                    "The command that Play-Test starts; %f stands for the image.\n"
                                    "Leave it empty to look for fceux, nestopia or mednafen."),
        QLineEdit::Normal, QString::fromStdString(current), &chosen);
    if (!chosen)
        return std::nullopt;
    return command.trimmed().toStdString();
}

}  // namespace

void setEmulatorDialog(std::function<std::optional<std::string>(const std::string& current)> dialog)
{
    emulatorDialog = std::move(dialog);
}

void chooseEmulator()
{
    if (const std::optional<std::string> command = ask(savedEmulator()))
        saveEmulator(*command);
}
