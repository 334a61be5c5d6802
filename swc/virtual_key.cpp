#include "swc/virtual_key.h"

#include <QKeyEvent>
#include <unordered_map>

namespace swc {
namespace {

// Keys whose codes cannot be derived arithmetically. The punctuation keys use the
// codes of a US layout; a shifted symbol maps to the key that produces it.
const std::unordered_map<int, int>& keyTable()
{
    static const std::unordered_map<int, int> table = {
        {Qt::Key_Backspace, 0x08},    {Qt::Key_Tab, 0x09},        {Qt::Key_Backtab, 0x09},
        {Qt::Key_Clear, 0x0C},        {Qt::Key_Return, 0x0D},     {Qt::Key_Enter, 0x0D},
        {Qt::Key_Shift, 0x10},        {Qt::Key_Control, 0x11},    {Qt::Key_Alt, 0x12},
        {Qt::Key_Pause, 0x13},        {Qt::Key_CapsLock, 0x14},   {Qt::Key_Escape, 0x1B},
        {Qt::Key_Space, 0x20},        {Qt::Key_PageUp, 0x21},     {Qt::Key_PageDown, 0x22},
        {Qt::Key_End, 0x23},          {Qt::Key_Home, 0x24},       {Qt::Key_Left, 0x25},
        {Qt::Key_Up, 0x26},           {Qt::Key_Right, 0x27},      {Qt::Key_Down, 0x28},
        {Qt::Key_Select, 0x29},       {Qt::Key_Printer, 0x2A},    {Qt::Key_Execute, 0x2B},
        {Qt::Key_Print, 0x2C},        {Qt::Key_Insert, 0x2D},     {Qt::Key_Delete, 0x2E},
        {Qt::Key_Help, 0x2F},         {Qt::Key_Meta, 0x5B},       {Qt::Key_Menu, 0x5D},
        {Qt::Key_Sleep, 0x5F},        {Qt::Key_NumLock, 0x90},    {Qt::Key_ScrollLock, 0x91},
        {Qt::Key_Semicolon, 0xBA},    {Qt::Key_Colon, 0xBA},      {Qt::Key_Equal, 0xBB},
        {Qt::Key_Plus, 0xBB},         {Qt::Key_Comma, 0xBC},      {Qt::Key_Less, 0xBC},
        {Qt::Key_Minus, 0xBD},        {Qt::Key_Underscore, 0xBD}, {Qt::Key_Period, 0xBE},
        {Qt::Key_Greater, 0xBE},      {Qt::Key_Slash, 0xBF},      {Qt::Key_Question, 0xBF},
        {Qt::Key_QuoteLeft, 0xC0},    {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BracketLeft, 0xDB},
        {Qt::Key_BraceLeft, 0xDB},    {Qt::Key_Backslash, 0xDC},  {Qt::Key_Bar, 0xDC},
        {Qt::Key_BracketRight, 0xDD}, {Qt::Key_BraceRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
        {Qt::Key_QuoteDbl, 0xDE},     {Qt::Key_Exclam, '1'},      {Qt::Key_At, '2'},
        {Qt::Key_NumberSign, '3'},    {Qt::Key_Dollar, '4'},      {Qt::Key_Percent, '5'},
        {Qt::Key_AsciiCircum, '6'},   {Qt::Key_Ampersand, '7'},   {Qt::Key_Asterisk, '8'},
        {Qt::Key_ParenLeft, '9'},     {Qt::Key_ParenRight, '0'},
    };
    return table;
}

// The number pad has codes of its own for its digits and operators.
int keypadKey(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 0x60 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return 0x6A;
    case Qt::Key_Plus: return 0x6B;
    case Qt::Key_Minus: return 0x6D;
    case Qt::Key_Period: return 0x6E;
    case Qt::Key_Slash: return 0x6F;
    default: return 0;
    }
}

}  // namespace

int virtualKeyFromQtKey(int qtKey, bool keypad)
{
    if (keypad) {
        if (int code = keypadKey(qtKey))
            return code;
    }
    // Letters and digits share their codes with the upper-case characters.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 0x70 + (qtKey - Qt::Key_F1);
    auto found = keyTable().find(qtKey);
    return found == keyTable().end() ? 0 : found->second;
}

int virtualKeyOf(const QKeyEvent& event)
{
    return virtualKeyFromQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

LPARAM keyDataOf(const QKeyEvent& event)
{
    LPARAM data = 1;
    if (event.isAutoRepeat())
        data |= LPARAM(1) << 30;
    return data;
}

}  // namespace swc
