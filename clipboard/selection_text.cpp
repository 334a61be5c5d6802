#include "clipboard/selection_text.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <initializer_list>

#include "model/selection.h"
#include "model/stage_records.h"
#include "text/translation.h"

namespace {

constexpr std::string_view kHeader = "Quarrix Editor selection ";
// An object's page lies 0 to 47 pages from the first object's.
constexpr int kMaxPageDistance = kPageCount - 1;

// Joins the parts of a message. (Adding literals to temporary strings trips a false
// overlap warning of the compiler's string inlining.)
std::string joined(std::initializer_list<std::string_view> parts)
{
    std::string text;
    for (std::string_view part : parts)
        text.append(part);
    return text;
}

std::string hexByte(std::uint8_t value)
{
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", value);
    return digits;
}

std::string itemText(int view, const std::uint8_t* item)
{
    std::string text;
    for (int i = 0; i < itemBytes(view); ++i) {
        if (i > 0)
            text += ':';
        if (view == kViewObject && i == 0) {
            const int distance = static_cast<std::int8_t>(item[0]);
            if (distance >= 0)
                text += '+';
            text += std::to_string(distance);
        } else {
            text += hexByte(item[i]);
        }
    }
    return text;
}

// Hands out the lines of a text one at a time, with their ends (LF, CR LF or CR) cut.
class Lines {
public:
    explicit Lines(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line)
    {
        if (rest_.empty())
            return false;
        const std::size_t end = rest_.find_first_of("\r\n");
        line = rest_.substr(0, end);
        if (end == std::string_view::npos) {
            rest_ = {};
        } else {
            const std::size_t skip = rest_.compare(end, 2, "\r\n") == 0 ? 2 : 1;
            rest_.remove_prefix(end + skip);
        }
        ++number_;
        return true;
    }
    int number() const { return number_; }

private:
    std::string_view rest_;
    int number_ = 0;
};

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool wholeNumber(std::string_view text, int& value, int base = 10)
{
    if (text.empty() || text.size() > 6)
        return false;
    const char* end = text.data() + text.size();
    if (text.front() == '+')
        text.remove_prefix(1);
    const auto [last, error] = std::from_chars(text.data(), end, value, base);
    return error == std::errc() && last == end && !text.empty();
}

ReadSelection damaged(const Lines& lines, const std::string& what)
{
    return {SelectionTextProblem::Damaged,
            fillIn(translated("selection_text", "line %1: %2"), {std::to_string(lines.number()), what}),
            {}};
}

// The view named at the start of line, and the rest after it.
int viewNamed(std::string_view line, std::string_view& rest)
{
    int found = -1;
    std::size_t longest = 0;
    for (int view = 0; view < kClipboardKindCount; ++view) {
        const std::string_view name = itemKindName(view);
        if (line.size() > name.size() && line.substr(0, name.size()) == name && line[name.size()] == ' ' &&
            name.size() > longest)
            found = view, longest = name.size();
    }
    if (found >= 0)
        rest = trimmed(line.substr(longest));
    return found;
}

// One item's fields into item; an empty string when they are fine, else what is wrong.
std::string readItem(int view, std::string_view text, std::uint8_t* item)
{
    int field = 0;
    while (true) {
        const std::size_t colon = text.find(':');
        const std::string_view part = text.substr(0, colon);
        if (field >= itemBytes(view))
            return fillIn(translated("selection_text", "an item has more than %1 numbers"),
                          {std::to_string(itemBytes(view))});
        int value = 0;
        if (view == kViewObject && field == 0) {
            if (!wholeNumber(part, value) || value < -kMaxPageDistance || value > kMaxPageDistance)
                return fillIn(translated("selection_text", "'%1' is no page distance"), {part});
            item[field] = static_cast<std::uint8_t>(static_cast<std::int8_t>(value));
        } else {
            if (part.size() != 2 || !std::isxdigit(static_cast<unsigned char>(part[0])) ||
                !std::isxdigit(static_cast<unsigned char>(part[1])) || !wholeNumber(part, value, 16))
                return fillIn(translated("selection_text", "'%1' is no two-digit hexadecimal number"), {part});
            item[field] = static_cast<std::uint8_t>(value);
        }
        ++field;
        if (colon == std::string_view::npos)
            break;
        text.remove_prefix(colon + 1);
    }
    if (field != itemBytes(view))
        return fillIn(translated("selection_text", "an item has %1 numbers instead of %2"),
                      {std::to_string(field), std::to_string(itemBytes(view))});
    if (view == kViewChip) {
        if (item[4] > 3)
            return fillIn(translated("selection_text", "a chip's sub-palette is %1, above 3"),
                          {std::to_string(item[4])});
        if ((item[5] & 3) != 0)
            return fillIn(translated("selection_text", "a chip's style %1 has bit 0 or 1 set"), {hexByte(item[5])});
    }
    return {};
}

// How many items of a kind fit in a text, across and down.
SelectionGrid gridOf(int kind)
{
    if (kind == kTileItems)
        return {2, 2};  // a chip's tiles
    return kind == kSubPaletteItems ? SelectionGrid{1, 4} : selectionGrid(kind);
}

// The rows of items into items, which has its size already; an empty string when
// they are fine, else what is wrong on the line lines has reached.
std::string readItemRows(Lines& lines, CopiedItems& items)
{
    std::string_view line;
    for (int row = 0; row < items.rows; ++row) {
        if (!lines.next(line))
            return fillIn(translated("selection_text", "the text ends after %1 of %2 rows"),
                          {std::to_string(row), std::to_string(items.rows)});
        std::string_view rest = trimmed(line);
        for (int column = 0; column < items.columns; ++column) {
            if (rest.empty())
                return fillIn(translated("selection_text", "the row has %1 of %2 items"),
                              {std::to_string(column), std::to_string(items.columns)});
            const std::size_t gap = rest.find_first_of(" \t");
            const std::string problem = readItem(items.view, rest.substr(0, gap), items.item(column, row));
            if (!problem.empty())
                return problem;
            rest = gap == std::string_view::npos ? std::string_view{} : trimmed(rest.substr(gap));
        }
        if (!rest.empty())
            return fillIn(translated("selection_text", "the row has more than %1 items"),
                          {std::to_string(items.columns)});
    }
    return {};
}

// A block of tiles as rows of pixels, one digit each, the tiles of a row side by side.
void writePixelRows(const CopiedItems& items, std::string& text)
{
    for (int y = 0; y < items.rows * kTilePixels; ++y) {
        for (int x = 0; x < items.columns * kTilePixels; ++x)
            text += char(
                '0' +
                (items.item(x / kTilePixels, y / kTilePixels)[(y % kTilePixels) * kTilePixels + x % kTilePixels] & 3));
        text += '\n';
    }
}

// The rows of pixels into items, which has its size already; an empty string when
// they are fine, else what is wrong on the line lines has reached.
std::string readPixelRows(Lines& lines, CopiedItems& items)
{
    const int width = items.columns * kTilePixels;
    const int height = items.rows * kTilePixels;
    std::string_view line;
    for (int y = 0; y < height; ++y) {
        if (!lines.next(line))
            return fillIn(translated("selection_text", "the text ends after %1 of %2 pixel rows"),
                          {std::to_string(y), std::to_string(height)});
        const std::string_view row = trimmed(line);
        if (int(row.size()) != width)
            return fillIn(translated("selection_text", "the row has %1 pixels instead of %2"),
                          {std::to_string(row.size()), std::to_string(width)});
        for (int x = 0; x < width; ++x) {
            if (row[std::size_t(x)] < '0' || row[std::size_t(x)] > '3')
                return fillIn(translated("selection_text", "'%1' is no pixel value 0 to 3"),
                              {row.substr(std::size_t(x), 1)});
            items.item(x / kTilePixels, y / kTilePixels)[(y % kTilePixels) * kTilePixels + x % kTilePixels] =
                std::uint8_t(row[std::size_t(x)] - '0');
        }
    }
    return {};
}

}  // namespace

std::string selectionText(const CopiedItems& items)
{
    std::string text = joined({kHeader, std::to_string(kSelectionTextVersion), "\n", itemKindName(items.view), " ",
                               std::to_string(items.columns), "x", std::to_string(items.rows), "\n"});
    if (items.view == kTileItems) {
        writePixelRows(items, text);
        return text;
    }
    for (int row = 0; row < items.rows; ++row) {
        for (int column = 0; column < items.columns; ++column) {
            if (column > 0)
                text += ' ';
            text += itemText(items.view, items.item(column, row));
        }
        text += '\n';
    }
    return text;
}

ReadSelection readSelectionText(std::string_view text)
{
    Lines lines(text);
    std::string_view line;
    if (!lines.next(line) || line.substr(0, kHeader.size()) != kHeader)
        return {SelectionTextProblem::NotOurs, {}, {}};
    int version = 0;
    if (!wholeNumber(trimmed(line.substr(kHeader.size())), version))
        return damaged(lines, translated("selection_text", "no version number"));
    if (version > kSelectionTextVersion)
        return {SelectionTextProblem::NewerVersion, std::to_string(version), {}};
    if (version != kSelectionTextVersion)
        return damaged(lines, fillIn(translated("selection_text", "unknown version %1"), {std::to_string(version)}));

    if (!lines.next(line))
        return damaged(lines, translated("selection_text", "the text ends before the view is named"));
    std::string_view size;
    CopiedItems items;
    items.view = viewNamed(trimmed(line), size);
    if (items.view < 0)
        return damaged(lines, translated("selection_text", "no view is named"));
    const std::size_t cross = size.find('x');
    const SelectionGrid grid = gridOf(items.view);
    if (cross == std::string_view::npos || !wholeNumber(size.substr(0, cross), items.columns) ||
        !wholeNumber(size.substr(cross + 1), items.rows))
        return damaged(lines, translated("selection_text", "no size of the form COLUMNSxROWS"));
    if (items.columns < 1 || items.columns > grid.columns || items.rows < 1 || items.rows > grid.rows)
        return damaged(lines,
                       fillIn(translated("selection_text", "the size %1x%2 does not fit %3"),
                              {std::to_string(items.columns), std::to_string(items.rows), itemKindName(items.view)}));

    items.bytes.assign(std::size_t(items.count()) * std::size_t(itemBytes(items.view)), 0);
    const std::string problem = items.view == kTileItems ? readPixelRows(lines, items) : readItemRows(lines, items);
    if (!problem.empty())
        return damaged(lines, problem);
    while (lines.next(line))
        if (!trimmed(line).empty())
            return damaged(lines, translated("selection_text", "text after the last row"));
    return {SelectionTextProblem::None, {}, std::move(items)};
}
