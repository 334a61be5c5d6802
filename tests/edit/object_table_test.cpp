#include "edit/object_table.h"
#include "edit/undo_redo.h"
#include "edit/usage_report.h"
#include "editing_fixture.h"

namespace {

class ObjectTable : public EditingTest {};

TEST_F(ObjectTable, EachTypedFieldIsOneStepThatUndoes)
{
    fillObjects(5);
    editor->history.start(*editor);
    const ObjectRecord before = objects()[3];
    const struct {
        ObjectColumn column;
        const char* text;
        std::uint8_t ObjectRecord::*field;
        std::uint8_t value;
    } cases[] = {{ObjectColumn::Page, "2f", &ObjectRecord::page, 0x2F},
                 {ObjectColumn::X, "C8", &ObjectRecord::x, 0xC8},
                 {ObjectColumn::Y, " 7 ", &ObjectRecord::y, 0x07},
                 {ObjectColumn::Data, "FF", &ObjectRecord::data, 0xFF}};
    for (const auto& typed : cases) {
        editor->curObject = 0;
        host.scrollPositionsSet.clear();
        EXPECT_EQ(typeObjectValue(*editor, 3, typed.column, typed.text), std::nullopt) << typed.text;
        recordUserAction(*editor);
        EXPECT_EQ(objects()[3].*typed.field, typed.value) << typed.text;
        // The typed object becomes current and is shown, as stepping to it would.
        EXPECT_EQ(editor->curObject, 3);
        ASSERT_FALSE(host.scrollPositionsSet.empty());
        EXPECT_EQ(host.scrollPositionsSet.back(), std::min<int>(objects()[3].page, 46));
        undoEdit(*editor);
        EXPECT_EQ(std::memcmp(&objects()[3], &before, sizeof before), 0) << typed.text;
    }
    EXPECT_EQ(editor->history.undoSteps(), 0u);
}

TEST_F(ObjectTable, AValueOutOfRangeIsRefusedWithItsReasonAndChangesNothing)
{
    fillObjects(5);
    editor->curObject = 1;
    const auto before = objectList();
    EXPECT_EQ(typeObjectValue(*editor, 3, ObjectColumn::Page, "30"), "The page must be 00 to 2F.");
    for (const char* text : {"", "100", "G1", "-1"})
        EXPECT_EQ(typeObjectValue(*editor, 3, ObjectColumn::X, text),
                  "Type a value as two hexadecimal digits, 00 to FF.")
            << text;
    EXPECT_TRUE(typeObjectValue(*editor, 5, ObjectColumn::X, "10").has_value());  // a free slot
    EXPECT_TRUE(typeObjectValue(*editor, 3, ObjectColumn::Slot, "10").has_value());
    EXPECT_TRUE(objectListIs(before));
    EXPECT_EQ(editor->curObject, 1);
    EXPECT_TRUE(host.scrollPositionsSet.empty());
}

TEST_F(ObjectTable, RowsAreTheUsedSlotsWithTheStagesNames)
{
    fillObjects(3);
    editor->objectNames.loaded = true;
    editor->objectNames.everyStage[1] = "door";
    editor->objectNames.byStage[2][2] = "fish";
    editor->objectNames.byStage[3][1] = "not this stage";
    const std::vector<ObjectRow> rows = objectRows(*editor);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(objectCellText(rows[2], ObjectColumn::Slot), "02");
    EXPECT_EQ(objectCellText(rows[2], ObjectColumn::X), "20");
    EXPECT_EQ(objectCellText(rows[0], ObjectColumn::Name), "");
    EXPECT_EQ(objectCellText(rows[1], ObjectColumn::Name), "door");
    EXPECT_EQ(objectCellText(rows[2], ObjectColumn::Name), "fish");

    // The usage window of "OBJECT" lists the objects by data value, with these names.
    objects()[0].data = 1;
    view(kViewObject);
    const std::vector<UsageSection> report = usageReport(*editor, StageUsage{});
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report[0].title, "Objects by data (3)");
    ASSERT_EQ(report[0].entries.size(), 2u);
    EXPECT_EQ(report[0].entries[0].where, "data 01 door");
    EXPECT_EQ(report[0].entries[0].what, "2 objects: slots 00, 01");
    EXPECT_EQ(report[0].entries[1].where, "data 02 fish");
}

}  // namespace
