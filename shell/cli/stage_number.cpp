#include "shell/cli/stage_number.h"

#include "model/hex_digit.h"

std::optional<int> parseStage(const std::string& text)
{
    if (text.size() == 1 && hexDigitValue(text[0]) >= 0)
        return hexDigitValue(text[0]);
    if (text.size() == 2 && text[0] == '1' && text[1] >= '0' && text[1] <= '5')
        return 10 + (text[1] - '0');
    return std::nullopt;
}
