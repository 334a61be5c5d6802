#include "shell/stage_number.h"

std::optional<int> parseStage(const std::string& text)
{
    if (text.size() == 1) {
        const char c = text[0];
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
    }
    if (text.size() == 2 && text[0] == '1' && text[1] >= '0' && text[1] <= '5')
        return 10 + (text[1] - '0');
    return std::nullopt;
}
