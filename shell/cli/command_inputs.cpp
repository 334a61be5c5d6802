#include "shell/cli/command_inputs.h"

#include <cstring>
#include <optional>
#include <stdexcept>

#include <QCoreApplication>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "model/editor.h"
#include "shell/cli/stage_number.h"
#include "text/translation.h"

bool namesAnyOption(int argc, char* argv[], std::span<const char* const> options)
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : options) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    return false;
}

int stageArgument(const std::string& text)
{
    const std::optional<int> stage = parseStage(text);
    if (!stage)
        throw std::runtime_error(
            fillIn(QCoreApplication::translate("command_inputs", "a stage is 0 to 15 (or its digit 0 to F), not '%1'")
                       .toStdString(),
                   {text}));
    return *stage;
}

void refuseOverInput(const std::string& out, const std::string& input)
{
    if (isSameFile(out, input))
        throw std::runtime_error(
            fillIn(QCoreApplication::translate("command_inputs",
                                               "the output '%1' is the input '%2': give another file to write")
                       .toStdString(),
                   {readableName(out), readableName(input)}));
}

std::unique_ptr<EDITOR> loadedImage(const std::string& imagePath)
{
    auto editor = std::make_unique<EDITOR>();
    editor->loadRom(imagePath);
    return editor;
}
