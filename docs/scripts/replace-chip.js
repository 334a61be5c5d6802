// Puts chip NEW wherever chip OLD is used in a chip set, in every stage.
const OLD = 0x12;
const NEW = 0x34;

let replaced = 0;
for (const stage of editor.stages()) {
    for (let n = 0; n < 256; ++n) {
        const chips = stage.chipSet(n);
        if (!chips.includes(OLD))
            continue;
        stage.setChipSet(n, chips.map(chip => (chip === OLD ? NEW : chip)));
        replaced += chips.filter(chip => chip === OLD).length;
    }
}
print(`chip ${OLD} replaced by chip ${NEW} in ${replaced} chip-set quadrants`);
