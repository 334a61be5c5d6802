#include "shell/cli/palette_export.h"

#include <cstdio>
#include <exception>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "render/colour_table.h"
#include "shell/cli/command_inputs.h"

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
        std::printf("cannot export the palette: %s\n", error.what());
        std::fflush(stdout);
        return 1;
    }
    std::printf("palette written to %s: 64 colours, 192 bytes\n", readableName(path).c_str());
    std::fflush(stdout);
    return 0;
}
