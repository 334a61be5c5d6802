#include "names/object_names_file.h"

#include <nlohmann/json.hpp>

#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <optional>
#include <stdexcept>
#include <vector>

#include "file/file_access.h"
#include "jcode/readable_name.h"
#include "model/hex_digit.h"
#include "text/translation.h"

using Json = nlohmann::json;

namespace {

// A names file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kLargestFile = std::size_t(4) << 20;

std::atomic<std::uint64_t> lastRevision{0};

// Why the text is refused, without naming the file: the caller knows whether it has one.
class NamesFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fault(const std::string& why)
{
    throw NamesFault(why);
}

// The key shown in a message: what the file holds, within reason.
std::string quoted(const std::string& key)
{
    constexpr std::size_t kShown = 40;
    return "\"" + (key.size() > kShown ? key.substr(0, kShown) + "..." : key) + "\"";
}

// What is refused of one name, said in full for each place a name can have.
struct NameTexts {
    const char* notText;
    const char* control;
    const char* empty;
};

// What is refused of a map of names and of the names in it, in full for each place a
// map can have: under "names" the key is %1, under a stage the stage's key is %1 and
// the key %2.
struct MapTexts {
    const char* notMap;
    const char* notDataValue;
    const char* twice;
    NameTexts name;
};

constexpr NameTexts kTitle{
    TEXT_NOOP("object_names_file", "the title is not a text"),
    TEXT_NOOP("object_names_file", "the title holds a control character: a name is one line of text"),
    TEXT_NOOP("object_names_file", "the title is empty"),
};

constexpr MapTexts kEveryStage{
    TEXT_NOOP("object_names_file", "in \"names\", is not a map of data values to names"),
    TEXT_NOOP("object_names_file",
              "in \"names\", the key %1 is not a data value: give two hexadecimal digits, 00 to FF"),
    TEXT_NOOP("object_names_file", "in \"names\", names data value %1 twice"),
    {
        TEXT_NOOP("object_names_file", "in \"names\", the name of %1 is not a text"),
        TEXT_NOOP("object_names_file",
                  "in \"names\", the name of %1 holds a control character: a name is one line of text"),
        TEXT_NOOP("object_names_file", "in \"names\", the name of %1 is empty"),
    },
};

constexpr MapTexts kOneStage{
    TEXT_NOOP("object_names_file", "in stage %1, is not a map of data values to names"),
    TEXT_NOOP("object_names_file",
              "in stage %1, the key %2 is not a data value: give two hexadecimal digits, 00 to FF"),
    TEXT_NOOP("object_names_file", "in stage %1, names data value %2 twice"),
    {
        TEXT_NOOP("object_names_file", "in stage %1, the name of %2 is not a text"),
        TEXT_NOOP("object_names_file",
                  "in stage %1, the name of %2 holds a control character: a name is one line of text"),
        TEXT_NOOP("object_names_file", "in stage %1, the name of %2 is empty"),
    },
};

// Where a map of names is: the stage key it is given under, none for "names".
using MapPlace = std::optional<std::string>;

// Refuses with one of a map's texts, the stage's key and then key filled in.
[[noreturn]] void fault(const char* text, const MapPlace& stageKey, const std::string& key = {})
{
    const std::string pattern = translated("object_names_file", text);
    fault(stageKey ? fillIn(pattern, {quoted(*stageKey), quoted(key)}) : fillIn(pattern, {quoted(key)}));
}

int dataValue(const std::string& key, const MapTexts& texts, const MapPlace& place)
{
    if (key.size() == 2 && hexDigitValue(key[0]) >= 0 && hexDigitValue(key[1]) >= 0)
        return hexDigitValue(key[0]) * 16 + hexDigitValue(key[1]);
    fault(texts.notDataValue, place, key);
}

int stageNumber(const std::string& key)
{
    if (key.size() == 1 && hexDigitValue(key[0]) >= 0)
        return hexDigitValue(key[0]);
    if (key.size() == 2 && key[0] == '1' && key[1] >= '0' && key[1] <= '5')
        return 10 + key[1] - '0';
    fault(fillIn(translated("object_names_file", "the stage key %1 is not a stage: give 0 to 15, or its digit 0 to F"),
                 {quoted(key)}));
}

// A name is one line of text: what shows it has room for no more. refuse(text) says
// text of this name.
std::string nameText(const Json& value, const NameTexts& texts, const auto& refuse)
{
    if (!value.is_string())
        refuse(texts.notText);
    std::string name = value.get<std::string>();
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            refuse(texts.control);
    if (name.empty())
        refuse(texts.empty);
    return name;
}

std::map<int, std::string> nameMap(const Json& value, const MapTexts& texts, const MapPlace& place)
{
    if (!value.is_object())
        fault(texts.notMap, place);
    std::map<int, std::string> names;
    for (const auto& item : value.items()) {
        const std::string& key = item.key();
        const int data = dataValue(key, texts, place);
        if (names.count(data))
            fault(texts.twice, place, key);
        names[data] = nameText(item.value(), texts.name, [&](const char* text) { fault(text, place, key); });
    }
    return names;
}

// The names the text holds; throws NamesFault when it is refused.
ObjectNames readNames(std::string_view text)
{
    Json file;
    try {
        file = Json::parse(text.begin(), text.end());
    } catch (const Json::exception& error) {
        // A syntax error, or a number too large for any integer.
        fault(fillIn(translated("object_names_file", "it is not JSON (%1)"), {error.what()}));
    }
    if (!file.is_object())
        fault(translated("object_names_file", "it is not a JSON object"));
    const auto version = file.find("version");
    if (version == file.end())
        fault(translated("object_names_file", "it has no \"version\""));
    if (!version->is_number_integer() || version->get<std::int64_t>() != kObjectNamesVersion)
        fault(fillIn(translated("object_names_file", "its version is %1, and this editor reads version %2"),
                     {version->dump(), std::to_string(kObjectNamesVersion)}));

    ObjectNames names;
    names.loaded = true;
    for (const auto& [key, value] : file.items()) {
        if (key == "version")
            continue;
        if (key == "title") {
            names.title =
                nameText(value, kTitle, [](const char* text) { fault(translated("object_names_file", text)); });
        } else if (key == "names") {
            names.everyStage = nameMap(value, kEveryStage, std::nullopt);
        } else if (key == "stage") {
            if (!value.is_object())
                fault(translated("object_names_file", "\"stage\" is not a map of stages to names"));
            std::array<bool, kStageCount> given{};
            for (const auto& [stageKey, stageNames] : value.items()) {
                const int stage = stageNumber(stageKey);
                if (given[std::size_t(stage)])
                    fault(fillIn(translated("object_names_file", "stage %1 is given twice"), {std::to_string(stage)}));
                given[std::size_t(stage)] = true;
                names.byStage[std::size_t(stage)] = nameMap(stageNames, kOneStage, stageKey);
            }
        } else {
            fault(fillIn(translated("object_names_file", "it holds %1, which a names file does not have"),
                         {quoted(key)}));
        }
    }
    names.revision = ++lastRevision;
    return names;
}

}  // namespace

ObjectNames readObjectNames(std::string_view text)
{
    try {
        return readNames(text);
    } catch (const NamesFault& refusal) {
        throw ObjectNamesError(
            fillIn(translated("object_names_file", "the names file is refused: %1"), {refusal.what()}));
    }
}

ObjectNames loadObjectNamesFile(const std::string& path)
{
    const std::string shown = readableName(path);
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readFileBytes(path, kLargestFile + 1);
    } catch (const std::exception& error) {
        throw ObjectNamesError(
            fillIn(translated("object_names_file", "cannot read the names file '%1': %2"), {shown, error.what()}));
    }
    if (bytes.size() > kLargestFile)
        throw ObjectNamesError(fillIn(
            translated("object_names_file", "the names file '%1' is refused: it is larger than 4 MiB"), {shown}));
    try {
        ObjectNames names = readNames({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
        names.file = readableName(path);
        return names;
    } catch (const NamesFault& refusal) {
        throw ObjectNamesError(
            fillIn(translated("object_names_file", "the names file '%1' is refused: %2"), {shown, refusal.what()}));
    }
}

std::string objectNamesBesideImage(const std::string& imagePath)
{
    return imagePath + ".objects.json";
}
