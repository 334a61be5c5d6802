// Reports every object that stands past the last page its stage uses. Pages at the end
// of a stage that name no map set (32 or more) are unused, and so are those that only
// repeat the map set of the page before them: the first of a run is the last used page.
function lastUsedPage(stage) {
    const pages = stage.pages();
    let last = 47;
    while (last > 0 && pages[last] >= 32)
        --last;
    while (last > 0 && pages[last - 1] === pages[last])
        --last;
    return last;
}

let found = 0;
for (const stage of editor.stages()) {
    const last = lastUsedPage(stage);
    for (const object of stage.objects()) {
        if (object.page > last) {
            print(`stage ${stage.index}: object ${object.slot} (data ${object.data}) on page ${object.page}, ` +
                  `past the last used page ${last}`);
            ++found;
        }
    }
}
print(found === 0 ? "no object stands past its stage's last used page" : `${found} objects past the last used page`);
