#include "shell/windows/colours_window.h"

#include <algorithm>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include "edit/colour_editing.h"
#include "edit/undo_redo.h"
#include "render/colour_table.h"
#include "shell/session/app_state.h"
#include "shell/windows/panel_dock.h"
#include "shell/windows/user_input_follow_up.h"
#include "swc/swc.h"

namespace {

constexpr int kMargin = 8;
constexpr int kLabelWidth = 56;
constexpr int kSwatchWidth = 30;
constexpr int kSwatchHeight = 24;
constexpr int kSelectorWidth = 52;
constexpr int kSubPaletteGap = 10;
constexpr int kSubPaletteWidth = 4 * kSwatchWidth + kSelectorWidth + kSubPaletteGap;
constexpr int kRowHeight = kSwatchHeight + 6;
constexpr int kSetsTop = kMargin + 18;
constexpr int kGridTop = kSetsTop + kPaletteSetCount * kRowHeight + 14;
constexpr int kGridColumns = 16;
constexpr int kGridRows = kConsoleColourCount / kGridColumns;
constexpr int kStatusTop = kGridTop + kGridRows * kSwatchHeight + 10;
constexpr int kWidth = 2 * kMargin + kLabelWidth + 4 * kSubPaletteWidth;
constexpr int kHeight = kStatusTop + 44;

QColor colourOf(std::uint8_t index)
{
    // Both are 0xAARRGGBB.
    return QColor::fromRgb(colourTable[index]);
}

// Black or white, whichever reads better on the colour.
QColor textOn(const QColor& colour)
{
    return colour.lightness() > 110 ? Qt::black : Qt::white;
}

QString hex2(int value)
{
    return QString("%1").arg(value, 2, 16, QChar('0')).toUpper();
}

QRect slotRect(int set, int slot)
{
    const int p = subPaletteOfSlot(slot);
    const int x = kMargin + kLabelWidth + p * kSubPaletteWidth +
        (isSelectorSlot(slot) ? 4 * kSwatchWidth + 2 : (slot % 4) * kSwatchWidth);
    return {x, kSetsTop + set * kRowHeight, isSelectorSlot(slot) ? kSelectorWidth - 4 : kSwatchWidth, kSwatchHeight};
}

QRect gridRect(int colour)
{
    return {kMargin + kLabelWidth + (colour % kGridColumns) * kSwatchWidth,
            kGridTop + (colour / kGridColumns) * kSwatchHeight, kSwatchWidth, kSwatchHeight};
}

int hexDigitOf(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    if (key >= Qt::Key_A && key <= Qt::Key_F)
        return 10 + key - Qt::Key_A;
    return -1;
}

class ColoursWindow : public QWidget {
    Q_OBJECT

public:
    explicit ColoursWindow(QWidget* owner) : QWidget(owner)
    {
        setFocusPolicy(Qt::StrongFocus);
        setFixedSize(kWidth, kHeight);
        retranslate();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        const int stage = theEditor.curStage & 0x0F;
        painter.setPen(palette().windowText().color());
        painter.drawText(kMargin, kMargin + 12,
                         tr("Stage %1: the four palette sets, each four sub-palettes and their animation")
                             .arg(QString::number(stage, 16).toUpper()));
        for (int set = 0; set < kPaletteSetCount; ++set)
            paintSet(painter, set, theEditor.palSet[stage][set]);
        for (int colour = 0; colour < kConsoleColourCount; ++colour) {
            const QRect box = gridRect(colour);
            const QColor fill = colourOf(std::uint8_t(colour));
            painter.fillRect(box, fill);
            painter.setPen(textOn(fill));
            painter.drawText(box, Qt::AlignCenter, hex2(colour));
        }
        painter.setPen(palette().windowText().color());
        painter.drawText(kMargin, kGridTop + kSwatchHeight / 2 + 4, tr("Colours"));
        painter.drawText(QRect(kMargin, kStatusTop, kWidth - 2 * kMargin, 40), Qt::AlignLeft | Qt::TextWordWrap,
                         statusText(stage));
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        const bool shift = event->modifiers() & Qt::ShiftModifier;
        const int key = event->key();
        bool changed = false;
        if (key == Qt::Key_F3 || key == Qt::Key_Escape) {
            close();
            return;
        }
        if (ctrl && key == Qt::Key_A) {
            cursor_.wholeSet = true;
            update();
            return;
        }
        if (ctrl && key == Qt::Key_C) {
            copySubPalettes(theEditor, cursor_);
            return;
        }
        if (ctrl && key == Qt::Key_V)
            changed = pasteSubPalettes(theEditor, cursor_);
        else if (ctrl && (key == Qt::Key_Y || (key == Qt::Key_Z && shift)))
            redoEdit(theEditor);
        else if (ctrl && key == Qt::Key_Z)
            undoEdit(theEditor);
        else if (ctrl)
            return QWidget::keyPressEvent(event);
        else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)
            moveColourCursor(cursor_,
                             key == Qt::Key_Left        ? -1
                                 : key == Qt::Key_Right ? 1
                                                        : 0,
                             key == Qt::Key_Up         ? -1
                                 : key == Qt::Key_Down ? 1
                                                       : 0);
        else if (key == Qt::Key_Plus || key == Qt::Key_Equal)
            changed = stepSlot(theEditor, cursor_, +1);
        else if (key == Qt::Key_Minus)
            changed = stepSlot(theEditor, cursor_, -1);
        else if (key == Qt::Key_Space)
            changed = toggleAnimation(theEditor, cursor_);
        else if (const int digit = hexDigitOf(*event); digit >= 0)
            changed = typeHexDigit(theEditor, cursor_, digit);
        else
            return QWidget::keyPressEvent(event);
        afterChange(changed || ctrl);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        for (int set = 0; set < kPaletteSetCount; ++set)
            for (int slot = 0; slot < kColourSlots; ++slot)
                if (slotRect(set, slot).contains(at)) {
                    cursor_ = {set, slot, -1, false};
                    update();
                    return;
                }
        for (int colour = 0; colour < kConsoleColourCount; ++colour)
            if (gridRect(colour).contains(at)) {
                cursor_.typedDigit = -1;
                afterChange(setSlotColour(theEditor, cursor_, colour));
                return;
            }
    }

private:
    // The other texts are drawn: the next paint shows them in the language.
    void retranslate()
    {
        setWindowTitle(tr("Colours"));
        update();
    }

    void paintSet(QPainter& painter, int set, const PaletteRecord& record)
    {
        if (cursor_.wholeSet && set == cursor_.set) {
            const QRect first = slotRect(set, 0);
            const QRect last = slotRect(set, kColourSlots - 1);
            painter.setPen(QPen(palette().highlight().color(), 2, Qt::DashLine));
            painter.drawRect(QRect(first.topLeft(), last.bottomRight()).adjusted(-3, -3, 2, 2));
        }
        const QRect row(kMargin, kSetsTop + set * kRowHeight, kLabelWidth, kSwatchHeight);
        QFont font = painter.font();
        font.setBold(set == theEditor.curPalSet);
        painter.setFont(font);
        painter.setPen(palette().windowText().color());
        painter.drawText(row, Qt::AlignVCenter | Qt::AlignLeft, tr("Set %1").arg(set));
        font.setBold(false);
        painter.setFont(font);
        for (int slot = 0; slot < kColourSlots; ++slot) {
            const QRect box = slotRect(set, slot);
            const std::uint8_t value = reinterpret_cast<const std::uint8_t*>(&record)[slot];
            if (isSelectorSlot(slot)) {
                painter.fillRect(box, palette().base());
                painter.setPen(palette().text().color());
                const QString number = hex2(value & kAnimationNumber);
                const QString text = value & kAnimatedBit ? tr("on %1").arg(number) : tr("off %1").arg(number);
                painter.drawText(box, Qt::AlignCenter, text);
            } else {
                const QColor fill = colourOf(value);
                painter.fillRect(box, fill);
                painter.setPen(textOn(fill));
                painter.drawText(box, Qt::AlignCenter, hex2(value));
                // Colours the running animation replaces: a corner cut off.
                if (overriddenByAnimation(record, slot)) {
                    painter.setBrush(textOn(fill));
                    painter.setPen(Qt::NoPen);
                    const QPoint corner = box.topRight() + QPoint(1, 0);
                    painter.drawPolygon(QPolygon({corner, corner + QPoint(-8, 0), corner + QPoint(0, 8)}));
                    painter.setBrush(Qt::NoBrush);
                }
            }
            if (set == cursor_.set && slot == cursor_.slot) {
                painter.setPen(QPen(palette().highlight().color(), 3));
                painter.drawRect(box.adjusted(1, 1, -2, -2));
            }
        }
    }

    QString statusText(int stage) const
    {
        const PaletteRecord& record = theEditor.palSet[stage][cursor_.set];
        const int p = subPaletteOfSlot(cursor_.slot);
        // One sentence each; a translation without spaces between sentences leaves out
        // the space that leads the later ones.
        QString text = isSelectorSlot(cursor_.slot)
            ? tr("Set %1, sub-palette %2, animation selector: Space turns it on or off, + and - or two digits "
                 "choose the animation.")
                  .arg(cursor_.set)
                  .arg(p)
            : tr("Set %1, sub-palette %2, colour %3: + and -, two digits or a click in the grid set it.")
                  .arg(cursor_.set)
                  .arg(p)
                  .arg(cursor_.slot % 4);
        if (overriddenByAnimation(record, cursor_.slot))
            text += tr(" The animation shows its own colour here; this one shows when it is off.");
        text += cursor_.wholeSet ? tr(" Ctrl+C copies the whole set.")
                                 : tr(" Ctrl+C copies the sub-palette, Ctrl+A the set.");
        if (cursor_.typedDigit >= 0)
            text += tr(" Typed: %1_").arg(QString::number(cursor_.typedDigit, 16).toUpper());
        return text;
    }

    // The main window stands still while this one has the keyboard: show the change
    // there at once.
    void afterChange(bool edited)
    {
        if (edited) {
            followUpUserInput();
            theEditor.refresh(0);
        }
        update();
    }

    ColourCursor cursor_;
};

}  // namespace

QWidget* makeColoursPanel(QWidget* parent)
{
    return new ColoursWindow(parent);
}

void followColoursPanel(QWidget& panel)
{
    panel.update();
}

QWidget* coloursWindow()
{
    return shownPanel<ColoursWindow>();
}

#include "colours_window.moc"
