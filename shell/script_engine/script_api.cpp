#include "shell/script_engine/script_api.h"

#include <cmath>
#include <stdexcept>

#include <QCoreApplication>
#include <QJSEngine>

#include "model/editor.h"
#include "script/checked_tables.h"
#include "shell/script_engine/script_prelude.h"

namespace {

// A number given where a whole one is needed: NaN (an argument left out), a fraction.
class NotWholeNumber : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

int whole(double value)
{
    if (!std::isfinite(value) || std::floor(value) != value || std::fabs(value) > 1e9)
        throw NotWholeNumber(QCoreApplication::translate("script_api", "%1 is not a whole number")
                                 .arg(QString::number(value))
                                 .toStdString());
    return int(value);
}

QVariantList intList(const auto& values)
{
    QVariantList list;
    for (int value : values)
        list.append(value);
    return list;
}

QVariantMap nameMap(const std::map<int, std::string>& names)
{
    QVariantMap map;
    for (const auto& [data, name] : names)
        map.insert(QString::number(data), QString::fromStdString(name));
    return map;
}

}  // namespace

ScriptApi::ScriptApi(EDITOR& editor, QObject* parent) : QObject(parent), editor_(editor)
{}

template <typename Access>
auto ScriptApi::guarded(Access access) -> decltype(access())
{
    try {
        return access();
    } catch (const NotWholeNumber& error) {
        qjsEngine(this)->throwError(QJSValue::TypeError, QString::fromStdString(error.what()));
    } catch (const TableAccessError& error) {
        qjsEngine(this)->throwError(QJSValue::RangeError, QString::fromStdString(error.what()));
    }
    return decltype(access())();
}

void ScriptApi::beginRun(const QString& file, const QString& stepName)
{
    file_ = file;
    stepName_ = stepName;
    place_.reset();
}

void ScriptApi::print(const QString& text)
{
    if (output_)
        output_(text);
}

int ScriptApi::stageCount() const
{
    return kStageCount;
}

int ScriptApi::currentStage() const
{
    return editor_.curStage;
}

int ScriptApi::currentView() const
{
    return editor_.curTab;
}

int ScriptApi::currentPaletteSet() const
{
    return editor_.curPalSet;
}

void ScriptApi::checkStage(double stage)
{
    guarded([&] { ::checkStage(whole(stage)); });
}

QVariantMap ScriptApi::names() const
{
    const ObjectNames& names = editor_.objectNames;
    QVariantList byStage;
    for (const auto& stage : names.byStage)
        byStage.append(nameMap(stage));
    return {{"loaded", names.loaded},
            {"title", QString::fromStdString(names.title)},
            {"everyStage", nameMap(names.everyStage)},
            {"byStage", byStage}};
}

int ScriptApi::page(double stage, double page)
{
    return guarded([&] { return pageMapSet(editor_, whole(stage), whole(page)); });
}

void ScriptApi::setPage(double stage, double page, double mapSet)
{
    guarded([&] { setPageMapSet(editor_, whole(stage), whole(page), whole(mapSet)); });
}

int ScriptApi::cell(double stage, double mapSet, double column, double row)
{
    return guarded([&] { return mapSetCell(editor_, whole(stage), whole(mapSet), whole(column), whole(row)); });
}

void ScriptApi::setCell(double stage, double mapSet, double column, double row, double chipSet)
{
    guarded([&] { setMapSetCell(editor_, whole(stage), whole(mapSet), whole(column), whole(row), whole(chipSet)); });
}

QVariantList ScriptApi::chipSet(double stage, double chipSet)
{
    return guarded([&] { return intList(chipSetChips(editor_, whole(stage), whole(chipSet))); });
}

void ScriptApi::setChipSet(double stage, double chipSet, double a, double b, double c, double d)
{
    guarded([&] { setChipSetChips(editor_, whole(stage), whole(chipSet), {whole(a), whole(b), whole(c), whole(d)}); });
}

QVariantList ScriptApi::chip(double stage, double chip)
{
    return guarded([&] {
        const ChipValues values = chipValues(editor_, whole(stage), whole(chip));
        QVariantList list = intList(values.tiles);
        list << values.palette << values.style;
        return list;
    });
}

void ScriptApi::setChip(double stage, double chip, const QVariantList& values)
{
    guarded([&] {
        ChipValues chipValues;
        for (int quadrant = 0; quadrant < 4; ++quadrant)
            chipValues.tiles[std::size_t(quadrant)] = whole(values.value(quadrant, qQNaN()).toDouble());
        chipValues.palette = whole(values.value(4, qQNaN()).toDouble());
        chipValues.style = whole(values.value(5, qQNaN()).toDouble());
        setChipValues(editor_, whole(stage), whole(chip), chipValues);
    });
}

int ScriptApi::colour(double stage, double set, double subPalette, double index)
{
    return guarded([&] { return paletteColour(editor_, whole(stage), whole(set), whole(subPalette), whole(index)); });
}

void ScriptApi::setColour(double stage, double set, double subPalette, double index, double colour)
{
    guarded(
        [&] { setPaletteColour(editor_, whole(stage), whole(set), whole(subPalette), whole(index), whole(colour)); });
}

int ScriptApi::selector(double stage, double set, double subPalette)
{
    return guarded([&] { return paletteSelector(editor_, whole(stage), whole(set), whole(subPalette)); });
}

void ScriptApi::setSelector(double stage, double set, double subPalette, double selector)
{
    guarded([&] { setPaletteSelector(editor_, whole(stage), whole(set), whole(subPalette), whole(selector)); });
}

int ScriptApi::pixel(double stage, double tile, double x, double y)
{
    return guarded([&] { return tilePixelAt(editor_, whole(stage), whole(tile), whole(x), whole(y)); });
}

void ScriptApi::setPixel(double stage, double tile, double x, double y, double value)
{
    guarded([&] { setTilePixelAt(editor_, whole(stage), whole(tile), whole(x), whole(y), whole(value)); });
}

void ScriptApi::setTile(double stage, double tile, const QVariantList& pixels)
{
    guarded([&] {
        std::array<std::array<int, 8>, 8> rows{};
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                rows[std::size_t(y)][std::size_t(x)] = whole(pixels.value(y * 8 + x, qQNaN()).toDouble());
        setTilePixels(editor_, whole(stage), whole(tile), rows);
    });
}

QVariantMap ScriptApi::tileSource(double stage, double tile)
{
    return guarded([&] {
        const TileSourceInfo info = ::tileSource(editor_, whole(stage), whole(tile));
        QVariantList shared;
        for (const auto& [otherStage, otherTile] : info.sharedWith)
            shared.append(QVariantMap{{"stage", otherStage}, {"tile", otherTile}});
        return QVariantMap{{"offset", info.offset ? QVariant(double(*info.offset)) : QVariant::fromValue(nullptr)},
                           {"drawable", info.refusal.empty()},
                           {"reason", QString::fromStdString(info.refusal)},
                           {"sharedWith", shared}};
    });
}

QVariantList ScriptApi::objects(double stage)
{
    return guarded([&] {
        const int s = whole(stage);
        QVariantList list;
        for (const ObjectValues& object : usedObjects(editor_, s)) {
            const std::string* name = editor_.objectNames.find(s, object.data);
            list.append(
                QVariantMap{{"slot", object.slot},
                            {"page", object.page},
                            {"x", object.x},
                            {"y", object.y},
                            {"data", object.data},
                            {"name", name ? QVariant(QString::fromStdString(*name)) : QVariant::fromValue(nullptr)}});
        }
        return list;
    });
}

void ScriptApi::setObject(double stage, double slot, double page, double x, double y, double data)
{
    guarded([&] {
        setObjectValues(editor_, whole(stage), {whole(slot), whole(page), whole(x), whole(y), whole(data)});
    });
}

void ScriptApi::removeObject(double stage, double slot)
{
    guarded([&] { ::removeObject(editor_, whole(stage), whole(slot)); });
}

void ScriptApi::show(const QString& kind, double stage, double number, double column, double row, double quadrant)
{
    using Kind = ScriptPlace::Kind;
    static const std::pair<const char*, Kind> kKinds[] = {
        {"page", Kind::Page},       {"cell", Kind::Cell}, {"quadrant", Kind::Quadrant}, {"object", Kind::Object},
        {"chipSet", Kind::ChipSet}, {"chip", Kind::Chip}, {"tile", Kind::Tile},
    };
    guarded([&] {
        for (const auto& [name, which] : kKinds)
            if (kind == QLatin1String(name)) {
                const ScriptPlace place{which, whole(stage), whole(number), whole(column), whole(row), whole(quadrant)};
                checkPlace(place);
                place_ = place;
                return;
            }
        throw TableAccessError(
            QCoreApplication::translate("script_api", "there is no place of kind '%1'").arg(kind).toStdString());
    });
}

QString ScriptApi::text(const QString& english, const QString& value) const
{
    return preludeText(english, value);
}

void ScriptApi::nameStep(const QString& name)
{
    stepName_ = name;
}

void ScriptApi::registerCommand(const QString& id, const QString& label)
{
    for (ScriptCommand& command : commands_)
        if (command.id == id) {
            command = {id, label, file_};
            return;
        }
    commands_.push_back({id, label, file_});
}
