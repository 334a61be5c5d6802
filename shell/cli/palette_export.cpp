#include "shell/cli/palette_export.h"

#include <cstdio>
#include <exception>

#include <QCoreApplication>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "render/colour_table.h"
#include "shell/cli/command_inputs.h"
#include "text/translation.h"

namespace {
constexpr const char* kPaletteOptions[] = {"--export-palette"};
}  // namespace

bool asksForPaletteExport(int argc, char* argv[])
{
    return namesAnyOption(argc, argv, kPaletteOptions);
}

int exportPalette(const std::string& path)
{
    try {
        writeFileAtomically(path, paletteFileBytes());
    } catch (const std::exception& error) {
        const std::string line =
            fillIn(QCoreApplication::translate("palette_export", "cannot export the palette: %1").toStdString(),
                   {error.what()});
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        return 1;
    }
    const std::string line = fillIn(
        QCoreApplication::translate("palette_export", "palette written to %1: 64 colours, 192 bytes").toStdString(),
        {readableName(path)});
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    return 0;
}
