// The scripting API of Quarrix Editor (docs/scripting.md), for the completion of text
// editors. Every number is a whole number; a value out of range throws a RangeError
// that names the table, the place and the value.

declare namespace QuarrixEditor {
    /** 0 "MAP", 1 "OBJECT", 2 "MAP SET", 3 "CHIP SET", 4 "CHIP". */
    type View = 0 | 1 | 2 | 3 | 4;

    interface Chip {
        /** Top-left, top-right, bottom-left, bottom-right; 0 to 255. */
        tiles: number[];
        /** The sub-palette, 0 to 3. */
        palette: number;
        /** The upper six bits of the attribute byte: a multiple of 4, 0 to 252. */
        style: number;
    }

    interface PaletteSet {
        /** colours[subPalette][index], 0 to 63. */
        colours: number[][];
        /** One per sub-palette, 0 to 255; bit 7 animates it with animation (selector & 0x3F). */
        selectors: number[];
    }

    interface TilePlace {
        stage: number;
        tile: number;
    }

    interface TileSource {
        /** The file offset of the tile's 16 bytes, or null when no list loads it. */
        offset: number | null;
        /** Whether the tile can be drawn. */
        drawable: boolean;
        /** Why it cannot be drawn; "" when it can. */
        reason: string;
        /** The other tiles, of every stage, loaded from the same bytes. */
        sharedWith: TilePlace[];
    }

    interface ObjectValues {
        /** 0 to 47. */
        page: number;
        x: number;
        y: number;
        data: number;
    }

    interface PlacedObject extends ObjectValues {
        slot: number;
        /** The name of its data value, or null. */
        name: string | null;
    }

    interface Names {
        loaded: boolean;
        title: string;
        /** Data value (as text) to name, for every stage. */
        everyStage: { [data: string]: string };
        /** A stage's own names, which come before everyStage's. */
        byStage: { [data: string]: string }[];
    }

    /** A place in a stage; without stage, the current one. */
    type Place =
        | { stage?: number; page: number }
        | { stage?: number; mapSet: number; column?: number; row?: number }
        | { stage?: number; chipSet: number; quadrant: number }
        | { stage?: number; object: number }
        | { stage?: number; chipSet: number }
        | { stage?: number; chip: number }
        | { stage?: number; tile: number };

    interface Stage {
        readonly index: number;

        page(page: number): number;
        setPage(page: number, mapSet: number): void;
        pages(): number[];
        setPages(mapSets: number[]): void;

        mapSetCell(mapSet: number, column: number, row: number): number;
        setMapSetCell(mapSet: number, column: number, row: number, chipSet: number): void;
        /** columns[column][row]. */
        mapSet(mapSet: number): number[][];
        setMapSet(mapSet: number, columns: number[][]): void;

        chipSet(chipSet: number): number[];
        setChipSet(chipSet: number, chips: number[]): void;
        chipSets(): number[][];
        setChipSets(chipSets: number[][]): void;

        chip(chip: number): Chip;
        setChip(chip: number, values: Partial<Chip>): void;
        chips(): Chip[];
        setChips(chips: Partial<Chip>[]): void;

        colour(set: number, subPalette: number, index: number): number;
        setColour(set: number, subPalette: number, index: number, colour: number): void;
        selector(set: number, subPalette: number): number;
        setSelector(set: number, subPalette: number, selector: number): void;
        paletteSet(set: number): PaletteSet;
        setPaletteSet(set: number, values: Partial<PaletteSet>): void;

        tilePixel(tile: number, x: number, y: number): number;
        setTilePixel(tile: number, x: number, y: number, value: number): void;
        /** rows[y][x], 0 to 3. */
        tile(tile: number): number[][];
        setTile(tile: number, rows: number[][]): void;
        tileSource(tile: number): TileSource;

        objects(): PlacedObject[];
        setObject(slot: number, values: Partial<ObjectValues>): void;
        removeObject(slot: number): void;
        setObjects(objects: ObjectValues[]): void;
    }

    interface Editor {
        readonly stageCount: number;
        readonly currentStage: number;
        readonly currentView: View;
        readonly currentPaletteSet: number;
        readonly names: Names;
        stage(stage: number): Stage;
        stages(): Stage[];
        /** Shows the place when the run ends, as a jump of the Where Used window. */
        goTo(place: Place): void;
        /** Makes the item current when the run ends. */
        select(place: Place): void;
        /** Runs fn and names the run's undo step. */
        step<T>(name: string, fn: () => T): T;
        /** Adds a command to Tools > Scripts and the command search. */
        registerCommand(id: string, label: string, fn: () => void): void;
    }
}

declare const editor: QuarrixEditor.Editor;
/** Writes the values, separated by spaces, as one line. */
declare function print(...values: unknown[]): void;
