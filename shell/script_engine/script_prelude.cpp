#include "shell/script_engine/script_prelude.h"

#include <QCoreApplication>

namespace {

// What the prelude refuses, the names of the API as they are written.
constexpr const char* kPreludeTexts[] = {
    QT_TRANSLATE_NOOP("script_prelude", "setPages: the pages must be an array of 48"),
    QT_TRANSLATE_NOOP("script_prelude", "setMapSet: the columns must be an array of 8"),
    QT_TRANSLATE_NOOP("script_prelude", "setMapSet: column %1 must be an array of 8"),
    QT_TRANSLATE_NOOP("script_prelude", "setChipSet: the chips must be an array of 4"),
    QT_TRANSLATE_NOOP("script_prelude", "setChipSets: the chip sets must be an array of 256"),
    QT_TRANSLATE_NOOP("script_prelude", "setChip: the tiles must be an array of 4"),
    QT_TRANSLATE_NOOP("script_prelude", "setChips: the chips must be an array of 256"),
    QT_TRANSLATE_NOOP("script_prelude", "setPaletteSet: the colours must be an array of 4"),
    QT_TRANSLATE_NOOP("script_prelude", "setPaletteSet: the selectors must be an array of 4"),
    QT_TRANSLATE_NOOP("script_prelude", "setPaletteSet: sub-palette %1 must be an array of 4"),
    QT_TRANSLATE_NOOP("script_prelude", "setTile: the rows must be an array of 8"),
    QT_TRANSLATE_NOOP("script_prelude", "setTile: row %1 must be an array of 8"),
    QT_TRANSLATE_NOOP("script_prelude", "setObjects: the objects must be an array of 1 to 64"),
    QT_TRANSLATE_NOOP("script_prelude", "%1: give a place such as {stage: 0, page: 3}"),
    QT_TRANSLATE_NOOP("script_prelude", "%1: the place names no page, mapSet, chipSet, object, chip or tile"),
    QT_TRANSLATE_NOOP("script_prelude", "step: give a name and a function"),
    QT_TRANSLATE_NOOP("script_prelude", "registerCommand: give an id, a label and a function"),
};

}  // namespace

QString preludeText(const QString& english, const QString& value)
{
    for (const char* known : kPreludeTexts)
        if (english == QLatin1String(known)) {
            const QString text = QCoreApplication::translate("script_prelude", known);
            return text.contains(QLatin1String("%1")) ? text.arg(value) : text;
        }
    return english;
}

const char* scriptPrelude()
{
    return R"JS((function (api, commandFunctions) {
"use strict";

function fail(message) { throw new TypeError(message); }
// A refusal in the user's language: one of the application's texts, %1 standing for value.
function say(refusal, value) { return api.text(refusal, value === undefined ? "" : String(value)); }
function list(value, length, refusal, which) {
    if (!Array.isArray(value) || value.length !== length)
        fail(say(refusal, which));
    return value;
}
function field(object, name, current) {
    return object[name] === undefined ? current : object[name];
}

function Stage(index) {
    Object.defineProperty(this, "index", { value: index, enumerable: true });
}
Stage.prototype = {
    page(p) { return api.page(this.index, p); },
    setPage(p, mapSet) { api.setPage(this.index, p, mapSet); },
    pages() { const out = []; for (let p = 0; p < 48; ++p) out.push(api.page(this.index, p)); return out; },
    setPages(values) {
        list(values, 48, "setPages: the pages must be an array of 48");
        for (let p = 0; p < 48; ++p) api.setPage(this.index, p, values[p]);
    },

    mapSetCell(m, column, row) { return api.cell(this.index, m, column, row); },
    setMapSetCell(m, column, row, value) { api.setCell(this.index, m, column, row, value); },
    mapSet(m) {
        const columns = [];
        for (let c = 0; c < 8; ++c) {
            const rows = [];
            for (let r = 0; r < 8; ++r) rows.push(api.cell(this.index, m, c, r));
            columns.push(rows);
        }
        return columns;
    },
    setMapSet(m, columns) {
        list(columns, 8, "setMapSet: the columns must be an array of 8");
        for (let c = 0; c < 8; ++c) list(columns[c], 8, "setMapSet: column %1 must be an array of 8", c);
        for (let c = 0; c < 8; ++c)
            for (let r = 0; r < 8; ++r) api.setCell(this.index, m, c, r, columns[c][r]);
    },

    chipSet(n) { return api.chipSet(this.index, n); },
    setChipSet(n, chips) {
        list(chips, 4, "setChipSet: the chips must be an array of 4");
        api.setChipSet(this.index, n, chips[0], chips[1], chips[2], chips[3]);
    },
    chipSets() { const out = []; for (let n = 0; n < 256; ++n) out.push(api.chipSet(this.index, n)); return out; },
    setChipSets(values) {
        list(values, 256, "setChipSets: the chip sets must be an array of 256");
        for (let n = 0; n < 256; ++n) this.setChipSet(n, values[n]);
    },

    chip(n) {
        const v = api.chip(this.index, n);
        return { tiles: v.slice(0, 4), palette: v[4], style: v[5] };
    },
    setChip(n, values) {
        const now = this.chip(n);
        const tiles = list(field(values, "tiles", now.tiles), 4, "setChip: the tiles must be an array of 4");
        api.setChip(this.index, n, tiles.concat([field(values, "palette", now.palette), field(values, "style", now.style)]));
    },
    chips() { const out = []; for (let n = 0; n < 256; ++n) out.push(this.chip(n)); return out; },
    setChips(values) {
        list(values, 256, "setChips: the chips must be an array of 256");
        for (let n = 0; n < 256; ++n) this.setChip(n, values[n]);
    },

    colour(set, subPalette, index) { return api.colour(this.index, set, subPalette, index); },
    setColour(set, subPalette, index, value) { api.setColour(this.index, set, subPalette, index, value); },
    selector(set, subPalette) { return api.selector(this.index, set, subPalette); },
    setSelector(set, subPalette, value) { api.setSelector(this.index, set, subPalette, value); },
    paletteSet(k) {
        const colours = [], selectors = [];
        for (let p = 0; p < 4; ++p) {
            const sub = [];
            for (let i = 0; i < 4; ++i) sub.push(api.colour(this.index, k, p, i));
            colours.push(sub);
            selectors.push(api.selector(this.index, k, p));
        }
        return { colours: colours, selectors: selectors };
    },
    setPaletteSet(k, values) {
        const colours = values.colours === undefined ? undefined : list(values.colours, 4, "setPaletteSet: the colours must be an array of 4");
        const selectors = values.selectors === undefined ? undefined : list(values.selectors, 4, "setPaletteSet: the selectors must be an array of 4");
        for (let p = 0; p < 4; ++p) {
            if (colours) {
                list(colours[p], 4, "setPaletteSet: sub-palette %1 must be an array of 4", p);
                for (let i = 0; i < 4; ++i) api.setColour(this.index, k, p, i, colours[p][i]);
            }
            if (selectors) api.setSelector(this.index, k, p, selectors[p]);
        }
    },

    tilePixel(tile, x, y) { return api.pixel(this.index, tile, x, y); },
    setTilePixel(tile, x, y, value) { api.setPixel(this.index, tile, x, y, value); },
    tile(t) {
        const rows = [];
        for (let y = 0; y < 8; ++y) {
            const row = [];
            for (let x = 0; x < 8; ++x) row.push(api.pixel(this.index, t, x, y));
            rows.push(row);
        }
        return rows;
    },
    setTile(t, rows) {
        list(rows, 8, "setTile: the rows must be an array of 8");
        const flat = [];
        for (let y = 0; y < 8; ++y) flat.push.apply(flat, list(rows[y], 8, "setTile: row %1 must be an array of 8", y));
        api.setTile(this.index, t, flat);
    },
    tileSource(t) { return api.tileSource(this.index, t); },

    objects() { return api.objects(this.index); },
    setObject(slot, values) {
        const now = api.objects(this.index)[slot] || {};
        api.setObject(this.index, slot, field(values, "page", now.page), field(values, "x", now.x),
                      field(values, "y", now.y), field(values, "data", now.data));
    },
    removeObject(slot) { api.removeObject(this.index, slot); },
    setObjects(values) {
        if (!Array.isArray(values) || values.length < 1 || values.length > 64)
            fail(say("setObjects: the objects must be an array of 1 to 64"));
        for (let slot = 0; slot < values.length; ++slot) this.setObject(slot, values[slot]);
        while (api.objects(this.index).length > values.length) api.removeObject(this.index, values.length);
    },
};

function placeOf(what, place) {
    if (place === null || typeof place !== "object") fail(say("%1: give a place such as {stage: 0, page: 3}", what));
    const stage = field(place, "stage", api.currentStage());
    if (place.page !== undefined) return ["page", stage, place.page, 0, 0, 0];
    if (place.mapSet !== undefined) return ["cell", stage, place.mapSet, field(place, "column", 0), field(place, "row", 0), 0];
    if (place.quadrant !== undefined) return ["quadrant", stage, place.chipSet, 0, 0, place.quadrant];
    if (place.object !== undefined) return ["object", stage, place.object, 0, 0, 0];
    if (place.chipSet !== undefined) return ["chipSet", stage, place.chipSet, 0, 0, 0];
    if (place.chip !== undefined) return ["chip", stage, place.chip, 0, 0, 0];
    if (place.tile !== undefined) return ["tile", stage, place.tile, 0, 0, 0];
    fail(say("%1: the place names no page, mapSet, chipSet, object, chip or tile", what));
}

const editor = {
    get stageCount() { return api.stageCount(); },
    get currentStage() { return api.currentStage(); },
    get currentView() { return api.currentView(); },
    get currentPaletteSet() { return api.currentPaletteSet(); },
    get names() { return api.names(); },
    stage(s) { api.checkStage(s); return new Stage(s); },
    stages() { const out = []; for (let s = 0; s < 16; ++s) out.push(new Stage(s)); return out; },
    goTo(place) { api.show.apply(api, placeOf("goTo", place)); },
    select(place) { api.show.apply(api, placeOf("select", place)); },
    step(name, fn) {
        if (typeof fn !== "function") fail(say("step: give a name and a function"));
        api.nameStep(String(name));
        return fn();
    },
    registerCommand(id, label, fn) {
        if (typeof id !== "string" || id === "" || typeof fn !== "function")
            fail(say("registerCommand: give an id, a label and a function"));
        // The application calls it through this, which hands back what it threw.
        commandFunctions[id] = function () {
            try { return { value: fn() }; } catch (error) { return { thrown: error }; }
        };
        api.registerCommand(id, String(label));
    },
};
Object.freeze(editor);
Object.freeze(Stage.prototype);

return {
    editor: editor,
    print: function () { api.print(Array.prototype.map.call(arguments, String).join(" ")); },
};
}))JS";
}
