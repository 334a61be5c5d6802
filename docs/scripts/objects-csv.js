// Lists the objects of every stage as CSV: one line per object.
print("stage,slot,page,x,y,data,name");
for (const stage of editor.stages()) {
    for (const object of stage.objects()) {
        const name = object.name === null ? "" : `"${object.name.replace(/"/g, '""')}"`;
        print([stage.index, object.slot, object.page, object.x, object.y, object.data, name].join(","));
    }
}
