// Moves every object whose data value is DATA one page to the right, in every stage.
// An object already on the last page (47) stays where it is.
const DATA = 7;
const PAGES = 1;

let moved = 0;
editor.step(`Move objects of data ${DATA}`, () => {
    for (const stage of editor.stages()) {
        for (const object of stage.objects()) {
            if (object.data !== DATA || object.page + PAGES > 47)
                continue;
            stage.setObject(object.slot, { page: object.page + PAGES });
            ++moved;
        }
    }
});
print(`${moved} objects moved`);
