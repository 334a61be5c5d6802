#include "shell/script/script_prelude.h"

const char* scriptPrelude()
{
    return R"JS((function (api, commandFunctions) {
"use strict";

function fail(message) { throw new TypeError(message); }
function list(value, length, what) {
    if (!Array.isArray(value) || value.length !== length)
        fail(what + " must be an array of " + length);
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
        list(values, 48, "setPages: the pages");
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
        list(columns, 8, "setMapSet: the columns");
        for (let c = 0; c < 8; ++c) list(columns[c], 8, "setMapSet: column " + c);
        for (let c = 0; c < 8; ++c)
            for (let r = 0; r < 8; ++r) api.setCell(this.index, m, c, r, columns[c][r]);
    },

    chipSet(n) { return api.chipSet(this.index, n); },
    setChipSet(n, chips) {
        list(chips, 4, "setChipSet: the chips");
        api.setChipSet(this.index, n, chips[0], chips[1], chips[2], chips[3]);
    },
    chipSets() { const out = []; for (let n = 0; n < 256; ++n) out.push(api.chipSet(this.index, n)); return out; },
    setChipSets(values) {
        list(values, 256, "setChipSets: the chip sets");
        for (let n = 0; n < 256; ++n) this.setChipSet(n, values[n]);
    },

    chip(n) {
        const v = api.chip(this.index, n);
        return { tiles: v.slice(0, 4), palette: v[4], style: v[5] };
    },
    setChip(n, values) {
        const now = this.chip(n);
        const tiles = list(field(values, "tiles", now.tiles), 4, "setChip: the tiles");
        api.setChip(this.index, n, tiles.concat([field(values, "palette", now.palette), field(values, "style", now.style)]));
    },
    chips() { const out = []; for (let n = 0; n < 256; ++n) out.push(this.chip(n)); return out; },
    setChips(values) {
        list(values, 256, "setChips: the chips");
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
        const colours = values.colours === undefined ? undefined : list(values.colours, 4, "setPaletteSet: the colours");
        const selectors = values.selectors === undefined ? undefined : list(values.selectors, 4, "setPaletteSet: the selectors");
        for (let p = 0; p < 4; ++p) {
            if (colours) {
                list(colours[p], 4, "setPaletteSet: sub-palette " + p);
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
        list(rows, 8, "setTile: the rows");
        const flat = [];
        for (let y = 0; y < 8; ++y) flat.push.apply(flat, list(rows[y], 8, "setTile: row " + y));
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
            fail("setObjects: the objects must be an array of 1 to 64");
        for (let slot = 0; slot < values.length; ++slot) this.setObject(slot, values[slot]);
        while (api.objects(this.index).length > values.length) api.removeObject(this.index, values.length);
    },
};

function placeOf(what, place) {
    if (place === null || typeof place !== "object") fail(what + ": give a place such as {stage: 0, page: 3}");
    const stage = field(place, "stage", api.currentStage());
    if (place.page !== undefined) return ["page", stage, place.page, 0, 0, 0];
    if (place.mapSet !== undefined) return ["cell", stage, place.mapSet, field(place, "column", 0), field(place, "row", 0), 0];
    if (place.quadrant !== undefined) return ["quadrant", stage, place.chipSet, 0, 0, place.quadrant];
    if (place.object !== undefined) return ["object", stage, place.object, 0, 0, 0];
    if (place.chipSet !== undefined) return ["chipSet", stage, place.chipSet, 0, 0, 0];
    if (place.chip !== undefined) return ["chip", stage, place.chip, 0, 0, 0];
    if (place.tile !== undefined) return ["tile", stage, place.tile, 0, 0, 0];
    fail(what + ": the place names no page, mapSet, chipSet, object, chip or tile");
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
        if (typeof fn !== "function") fail("step: give a name and a function");
        api.nameStep(String(name));
        return fn();
    },
    registerCommand(id, label, fn) {
        if (typeof id !== "string" || id === "" || typeof fn !== "function")
            fail("registerCommand: give an id, a label and a function");
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
