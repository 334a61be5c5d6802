#include "shell/windows/tile_window.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <set>
#include <utility>

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "edit/refusal.h"
#include "edit/tile_blocks.h"
#include "edit/tile_sharing_text.h"
#include "render/colour_table.h"
#include "shell/session/app_state.h"
#include "shell/windows/panel_dock.h"
#include "shell/windows/user_input_follow_up.h"
#include "swc/virtual_key.h"
#include "swc/window_scale.h"

namespace {

constexpr int kSheetSide = 16;

// How much the editing area is enlarged now.
int editorZoom()
{
    return editArea ? swc::windowScale(editArea->handle()) : 1;
}

// The drawing area's side at 1x; beside a zoomed editor it grows by half.
constexpr int kCanvasSide = 320;
constexpr int kSwatchHeight = 30;

QString hex(int value, int digits)
{
    return QString("%1").arg(value & 0xFF, digits, 16, QChar('0')).toUpper();
}

QColor consoleColour(std::uint8_t index)
{
    return QColor::fromRgb(colourTable[index]);
}

QColor textOn(const QColor& colour)
{
    return colour.lightness() > 110 ? Qt::black : Qt::white;
}

int stepOf(int key)
{
    switch (key) {
    case Qt::Key_Left: return -1;
    case Qt::Key_Right: return +1;
    case Qt::Key_Up: return -kSheetSide;
    case Qt::Key_Down: return +kSheetSide;
    default: return 0;
    }
}

// What the window draws with and on, besides the editor's state.
struct DrawingChoice {
    bool wholeChip = false;  // the current chip's 2 x 2 tiles instead of the current tile
    int colour = 1;          // the pixel value drawn, 0 to 3
    int subPalette = -1;     // shown and copied with; -1 for the current chip's own
};

int stageShown()
{
    return theEditor.curStage & 0x0F;
}

int subPaletteShown(const DrawingChoice& choice)
{
    return choice.subPalette >= 0 ? choice.subPalette
                                  : theEditor.chip[stageShown()][theEditor.curChip & 0xFF].palette & 3;
}

QColor valueColour(const DrawingChoice& choice, int value)
{
    return consoleColour(theEditor.curPal[stageShown()].colour[subPaletteShown(choice)][value & 3]);
}

TileBlock blockShown(const DrawingChoice& choice)
{
    return choice.wholeChip ? chipTileBlock(theEditor, stageShown(), theEditor.curChip)
                            : singleTileBlock(stageShown(), theEditor.curTile);
}

// The change is shown in the main window at once, and taken into the history: while a
// button is held the step stays open, so that a stroke is one step.
void afterEdit()
{
    followUpUserInput();
    theEditor.refresh(0);
}

// The tiles, large, with a grid of their pixels and a firmer one at the tile borders.
class TileCanvas : public QWidget {
public:
    TileCanvas(QWidget* parent, DrawingChoice& choice, std::function<void()> changed)
        : QWidget(parent)
        , choice_(choice)
        , changed_(std::move(changed))
    {
        setMouseTracking(true);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        fitToZoom();
    }

    void fitToZoom()
    {
        const int side = editorZoom() > 1 ? kCanvasSide * 3 / 2 : kCanvasSide;
        setFixedSize(side + 1, side + 1);
    }

    // The pixel under the pointer, or (-1, -1).
    QPoint hovered() const { return hovered_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const TileBlock block = blockShown(choice_);
        const int cell = this->cell(block);
        painter.fillRect(rect(), palette().window());
        for (int y = 0; y < block.height(); ++y)
            for (int x = 0; x < block.width(); ++x)
                painter.fillRect(x * cell, y * cell, cell, cell,
                                 valueColour(choice_, blockPixel(theEditor, block, x, y)));
        // Tiles that cannot be drawn are hatched.
        for (int i = 0; i < block.count(); ++i)
            if (!blockDrawingRefusal(theEditor, block, (i % block.columns) * kTilePixels,
                                     (i / block.columns) * kTilePixels)
                     .empty())
                painter.fillRect(QRect((i % block.columns) * kTilePixels * cell,
                                       (i / block.columns) * kTilePixels * cell, kTilePixels * cell,
                                       kTilePixels * cell),
                                 QBrush(QColor(128, 128, 128, 160), Qt::BDiagPattern));
        painter.setPen(QColor(128, 128, 128, 110));
        for (int i = 0; i <= block.width(); ++i) {
            painter.drawLine(i * cell, 0, i * cell, block.height() * cell);
            painter.drawLine(0, i * cell, block.width() * cell, i * cell);
        }
        painter.setPen(QPen(palette().windowText().color(), 1));
        for (int i = 0; i <= block.width(); i += kTilePixels) {
            painter.drawLine(i * cell, 0, i * cell, block.height() * cell);
            painter.drawLine(0, i * cell, block.width() * cell, i * cell);
        }
        if (block.contains(hovered_.x(), hovered_.y())) {
            painter.setPen(QPen(palette().highlight().color(), 2));
            painter.drawRect(hovered_.x() * cell + 1, hovered_.y() * cell + 1, cell - 2, cell - 2);
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const TileBlock block = blockShown(choice_);
        const QPoint at = pixelAt(block, event->position());
        if (!block.contains(at.x(), at.y()))
            return;
        if (event->button() == Qt::RightButton) {
            choice_.colour = blockPixel(theEditor, block, at.x(), at.y());
            changed_();
            return;
        }
        if (event->button() != Qt::LeftButton)
            return;
        if (const std::string refusal = blockDrawingRefusal(theEditor, block, at.x(), at.y()); !refusal.empty()) {
            tellOnce(block, at, refusal);
            return;
        }
        if (event->modifiers() & Qt::ShiftModifier) {
            if (fillTileArea(theEditor, block.stage, block.tileAt(at.x(), at.y()), at.x() % kTilePixels,
                             at.y() % kTilePixels, choice_.colour))
                afterEdit();
            return;
        }
        stroke_ = at;
        if (drawBlockLine(theEditor, block, at.x(), at.y(), at.x(), at.y(), choice_.colour))
            afterEdit();
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        const TileBlock block = blockShown(choice_);
        const QPoint at = pixelAt(block, event->position());
        const bool drawable =
            block.contains(at.x(), at.y()) && blockDrawingRefusal(theEditor, block, at.x(), at.y()).empty();
        setCursor(block.contains(at.x(), at.y()) && !drawable ? Qt::ForbiddenCursor : Qt::CrossCursor);
        if (const QPoint hovered = block.contains(at.x(), at.y()) ? at : QPoint(-1, -1); hovered != hovered_) {
            hovered_ = hovered;
            changed_();
        }
        if (!stroke_ || !(event->buttons() & Qt::LeftButton))
            return;
        // A quick drag leaves gaps between the events: the line joins them. Outside the
        // block it draws nothing, and comes back in where the pointer does.
        if (drawBlockLine(theEditor, block, stroke_->x(), stroke_->y(), at.x(), at.y(), choice_.colour))
            afterEdit();
        stroke_ = at;
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || !stroke_)
            return;
        stroke_.reset();
        // The button is up now: the stroke's step closes.
        afterEdit();
    }

    void leaveEvent(QEvent*) override
    {
        hovered_ = {-1, -1};
        changed_();
    }

private:
    int cell(const TileBlock& block) const { return (width() - 1) / block.width(); }

    // The block's pixel at a point of the area, also beyond the block's edges.
    QPoint pixelAt(const TileBlock& block, QPointF position) const
    {
        const double cell = this->cell(block);
        return {int(std::floor(position.x() / cell)), int(std::floor(position.y() / cell))};
    }

    // The reason stands in the window all along; a box says it once per tile, for the
    // user who tries before reading.
    void tellOnce(const TileBlock& block, QPoint at, const std::string& refusal)
    {
        if (told_.insert({block.stage, block.tileAt(at.x(), at.y())}).second)
            refuse(theEditor, refusal);
    }

    DrawingChoice& choice_;
    std::function<void()> changed_;
    std::optional<QPoint> stroke_;
    QPoint hovered_{-1, -1};
    std::set<std::pair<int, int>> told_;
};

// The four colours of the sub-palette drawn with, the chosen one framed.
class ColourSwatches : public QWidget {
public:
    ColourSwatches(QWidget* parent, DrawingChoice& choice, std::function<void()> changed)
        : QWidget(parent)
        , choice_(choice)
        , changed_(std::move(changed))
    {
        setFocusPolicy(Qt::NoFocus);
        setFixedHeight(kSwatchHeight + 1);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        const std::uint8_t* colours = theEditor.curPal[stageShown()].colour[subPaletteShown(choice_)];
        for (int value = 0; value < 4; ++value) {
            const QRect box(value * swatchWidth(), 0, swatchWidth() - 4, kSwatchHeight);
            const QColor fill = consoleColour(colours[value]);
            painter.fillRect(box, fill);
            painter.setPen(textOn(fill));
            painter.drawText(box.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, QString::number(value + 1));
            painter.drawText(box.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignRight, hex(colours[value], 2));
            if (value == choice_.colour) {
                painter.setPen(QPen(palette().highlight().color(), 3));
                painter.drawRect(box.adjusted(1, 1, -1, -1));
            } else {
                painter.setPen(palette().mid().color());
                painter.drawRect(box);
            }
        }
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        const int value = int(event->position().x()) / swatchWidth();
        if (value >= 0 && value < 4) {
            choice_.colour = value;
            changed_();
        }
    }

private:
    // The four share the width, the last without its gap.
    int swatchWidth() const { return (width() + 4) / 4; }

    DrawingChoice& choice_;
    std::function<void()> changed_;
};

QToolButton* toolButton(QWidget* parent, const QString& text = {})
{
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

class TileWindow : public QWidget {
    Q_OBJECT

public:
    explicit TileWindow(QWidget* owner) : QWidget(owner)
    {
        setFocusPolicy(Qt::StrongFocus);
        const auto changed = [this] { follow(); };

        title_ = new QLabel(this);
        QFont bold = title_->font();
        bold.setBold(true);
        title_->setFont(bold);
        chipMode_ = toolButton(this);
        chipMode_->setCheckable(true);
        connect(chipMode_, &QToolButton::toggled, [this](bool on) {
            choice_.wholeChip = on;
            follow();
        });
        auto* top = new QHBoxLayout;
        top->addWidget(title_, 1);
        top->addWidget(chipMode_);

        canvas_ = new TileCanvas(this, choice_, changed);
        auto* canvasRow = new QHBoxLayout;
        canvasRow->addStretch();
        canvasRow->addWidget(canvas_);
        canvasRow->addStretch();

        swatches_ = new ColourSwatches(this, choice_, changed);
        subPalette_ = new QComboBox(this);
        subPalette_->setFocusPolicy(Qt::NoFocus);
        subPalette_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        subPalette_->addItem(QString());
        for (int p = 0; p < 4; ++p)
            subPalette_->addItem(QString::number(p));
        connect(subPalette_, &QComboBox::activated, [this](int index) {
            choice_.subPalette = index - 1;
            follow();
        });

        flipH_ = toolButton(this, "\u2194");
        flipV_ = toolButton(this, "\u2195");
        turn_ = toolButton(this, "\u21bb");
        connect(flipH_, &QToolButton::clicked, [this] { flip(true); });
        connect(flipV_, &QToolButton::clicked, [this] { flip(false); });
        connect(turn_, &QToolButton::clicked, [this] { turn(); });
        where_ = new QLabel(this);
        where_->setMinimumHeight(where_->sizeHint().height());
        auto* tools = new QHBoxLayout;
        subPaletteLabel_ = new QLabel(this);
        tools->addWidget(subPaletteLabel_);
        tools->addWidget(subPalette_);
        tools->addStretch();
        tools->addWidget(flipH_);
        tools->addWidget(flipV_);
        tools->addWidget(turn_);

        sharing_ = new QLabel(this);
        sharing_->setWordWrap(true);
        refusal_ = new QLabel(this);
        refusal_->setWordWrap(true);
        QPalette warning = refusal_->palette();
        warning.setColor(QPalette::WindowText, QColor(0xB0, 0x20, 0x20));
        refusal_->setPalette(warning);
        hint_ = new QLabel(this);
        hint_->setWordWrap(true);
        QFont small = hint_->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        hint_->setFont(small);
        hint_->setForegroundRole(QPalette::PlaceholderText);

        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(10, 8, 10, 8);
        layout->setSpacing(6);
        layout->addLayout(top);
        layout->addLayout(canvasRow);
        layout->addWidget(swatches_);
        layout->addLayout(tools);
        layout->addWidget(where_);
        layout->addWidget(sharing_);
        layout->addWidget(refusal_);
        layout->addStretch();
        layout->addWidget(hint_);
        retranslate();
        zoom_ = editorZoom();
        fitToZoom();
    }

    void fitToZoom()
    {
        canvas_->fitToZoom();
        setFixedWidth(canvas_->width() + 20);
        setMinimumHeight(sizeHint().height() + 2 * fontMetrics().height());
    }

    // Shows the editor's state again.
    void follow()
    {
        if (zoom_ != editorZoom()) {
            zoom_ = editorZoom();
            fitToZoom();
        }
        const TileBlock block = blockShown(choice_);
        const int stage = stageShown();
        const int chip = theEditor.curChip & 0xFF;
        title_->setText(choice_.wholeChip ? tr("Chip %1 of stage %2").arg(hex(chip, 2), hex(stage, 1))
                                          : tr("Tile %1 of stage %2").arg(hex(block.tiles[0], 2), hex(stage, 1)));
        chipMode_->setChecked(choice_.wholeChip);
        subPalette_->setItemText(0, tr("%1 (chip's)").arg(theEditor.chip[stage][chip].palette & 3));
        subPalette_->setCurrentIndex(choice_.subPalette + 1);
        const QPoint at = canvas_->hovered();
        const auto colourName = [&](int value) {
            return tr("colour %1 (%2)")
                .arg(QString::number(value + 1),
                     hex(theEditor.curPal[stage].colour[subPaletteShown(choice_)][value], 2));
        };
        if (block.contains(at.x(), at.y()))
            where_->setText(tr("Tile %1 at x %2, y %3: %4")
                                .arg(hex(block.tileAt(at.x(), at.y()), 2), QString::number(at.x() % kTilePixels),
                                     QString::number(at.y() % kTilePixels),
                                     colourName(blockPixel(theEditor, block, at.x(), at.y()))));
        else if (block.count() > 1)
            where_->setText(tr("Tiles %1 %2 %3 %4; drawing with %5")
                                .arg(hex(block.tiles[0], 2), hex(block.tiles[1], 2), hex(block.tiles[2], 2),
                                     hex(block.tiles[3], 2), colourName(choice_.colour)));
        else
            where_->setText(tr("Drawing with %1").arg(colourName(choice_.colour)));
        sharing_->setText(blockLines(
            block, [&](int tile) { return tileSharingText(tilesSharingSource(theEditor, stage, tile), stage); }));
        const QString refusals =
            blockLines(block, [&](int tile) { return tileDrawingRefusal(theEditor, stage, tile); });
        refusal_->setText(refusals);
        refusal_->setVisible(!refusals.isEmpty());
        canvas_->update();
        swatches_->update();
    }

    TileCanvas* canvas() const { return canvas_; }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const int key = event->key();
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        if (key == Qt::Key_F4 || key == Qt::Key_Escape) {
            close();
        } else if (ctrl && key == Qt::Key_C) {
            copyTileBlock(theEditor, blockShown(choice_), subPaletteShown(choice_));
        } else if (ctrl && key == Qt::Key_V) {
            if (pasteTileBlock(theEditor, blockShown(choice_)))
                afterEdit();
        } else if (ctrl || (key >= Qt::Key_F1 && key <= Qt::Key_F12)) {
            // Undo, Save, the stage and the other windows, as in the main window.
            if (const int code = swc::virtualKeyOf(*event); code && mainWindow) {
                mainWindow->sendMessage(WM_KEYDOWN, WPARAM(code), LPARAM(swc::keyDataOf(*event)));
                theEditor.refresh(0);
            }
        } else if (key >= Qt::Key_1 && key <= Qt::Key_4) {
            choice_.colour = key - Qt::Key_1;
            follow();
        } else if (key == Qt::Key_H || key == Qt::Key_V) {
            flip(key == Qt::Key_H);
        } else if (key == Qt::Key_R) {
            turn();
        } else if (key == Qt::Key_C) {
            choice_.wholeChip = !choice_.wholeChip;
            follow();
        } else if (const int step = stepOf(key)) {
            goBy(step);
        } else {
            QWidget::keyPressEvent(event);
        }
    }

    void wheelEvent(QWheelEvent* event) override
    {
        wheel_ += event->angleDelta().y();
        // One notch of a wheel is 120; finer wheels add up to it.
        while (std::abs(wheel_) >= 120) {
            goBy(wheel_ > 0 ? -1 : +1);
            wheel_ -= wheel_ > 0 ? 120 : -120;
        }
    }

private:
    // The texts that follow() sets are set again by it, while the window is shown.
    void retranslate()
    {
        setWindowTitle(tr("Tiles"));
        chipMode_->setText(tr("Chip 2 × 2"));
        chipMode_->setToolTip(tr("Show the current chip's four tiles instead of the tile (C)"));
        swatches_->setToolTip(tr(
            "The colour drawn with: a click or the keys 1 to 4 choose it, the right button picks it from the tile."));
        subPaletteLabel_->setText(tr("Sub-palette"));
        subPalette_->setToolTip(tr("The sub-palette the tiles are shown and copied with"));
        flipH_->setToolTip(tr("Flip horizontally (H)"));
        flipV_->setToolTip(tr("Flip vertically (V)"));
        turn_->setToolTip(tr("Turn a quarter turn clockwise (R)"));
        hint_->setText(tr("Left button draws, right button picks, Shift+left fills. 1 to 4: colour; H, V: flip; R: "
                          "turn; arrows, wheel: next tile; C: tile or chip; Ctrl+C, Ctrl+V: copy, paste."));
        if (isVisible())
            follow();
    }

    void flip(bool horizontally)
    {
        if (flipTileBlock(theEditor, blockShown(choice_), horizontally))
            afterEdit();
    }
    void turn()
    {
        if (turnTileBlock(theEditor, blockShown(choice_)))
            afterEdit();
    }

    // The next or previous tile, or chip, of the sheet of 16 x 16: it becomes the
    // editor's current one.
    void goBy(int step)
    {
        std::int32_t& current = choice_.wholeChip ? theEditor.curChip : theEditor.curTile;
        current = (current + step) & 0xFF;
        followUpUserInput();
        theEditor.refresh(0);
    }

    // One line per tile of the block that has something to say, each line once.
    template <typename Say>
    static QString blockLines(const TileBlock& block, Say say)
    {
        QStringList lines;
        std::set<int> seen;
        for (int i = 0; i < block.count(); ++i) {
            const int tile = block.tiles[std::size_t(i)];
            if (!seen.insert(tile).second)
                continue;
            const QString text = QString::fromStdString(say(tile));
            if (!text.isEmpty())
                lines << (block.count() > 1 ? tr("Tile %1: %2").arg(hex(tile, 2), text) : text);
        }
        lines.removeDuplicates();
        return lines.join('\n');
    }

    DrawingChoice choice_;
    QLabel* title_;
    QToolButton* chipMode_;
    TileCanvas* canvas_;
    ColourSwatches* swatches_;
    QComboBox* subPalette_;
    QLabel* subPaletteLabel_;
    QToolButton* flipH_;
    QToolButton* flipV_;
    QToolButton* turn_;
    QLabel* hint_;
    QLabel* where_;
    QLabel* sharing_;
    QLabel* refusal_;
    int wheel_ = 0;
    int zoom_ = 0;
};

}  // namespace

QWidget* makeTilePanel(QWidget* parent)
{
    return new TileWindow(parent);
}

void followTilePanel(QWidget& panel)
{
    static_cast<TileWindow&>(panel).follow();
}

QWidget* tileWindow()
{
    return shownPanel<TileWindow>();
}

QWidget* tileWindowCanvas()
{
    TileWindow* window = shownPanel<TileWindow>();
    return window ? window->canvas() : nullptr;
}

#include "tile_window.moc"
