#include "text/translation.h"

#include <atomic>

namespace {

std::atomic<Translator> installedTranslator{nullptr};

}  // namespace

void setTranslator(Translator translator)
{
    installedTranslator.store(translator);
}

std::string translated(const char* context, const char* text)
{
    Translator translator = installedTranslator.load();
    return translator != nullptr ? translator(context, text) : std::string(text);
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string filled;
    filled.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            filled += values.begin()[index];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}
