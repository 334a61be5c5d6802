#include "shell/windows/overview_window.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <vector>

#include "render/change_frames.h"
#include "render/stage_overview.h"
#include "shell/session/app_state.h"
#include "shell/windows/panel_dock.h"

namespace {

// Everything the picture is drawn from, so that an action that changed none of it
// costs a comparison only.
std::vector<std::uint8_t> shownInputs(const EDITOR& editor, int chipPixels, bool withObjects)
{
    const int s = editor.curStage;
    const int palette = std::clamp(editor.curPalSet, 0, kPaletteSetCount - 1);
    const int numbers[] = {s,
                           palette,
                           editor.curTab,
                           editor.viewPos,
                           chipPixels,
                           withObjects ? 1 : 0,
                           editor.changeMarks.shown ? int(editor.changeMarks.revision) : -1};
    const struct {
        const void* data;
        std::size_t size;
    } parts[] = {
        {numbers, sizeof numbers},
        {editor.pageSet[s], sizeof editor.pageSet[s]},
        {editor.mapSet[s], sizeof editor.mapSet[s]},
        {editor.chipSet[s], sizeof editor.chipSet[s]},
        {editor.chip[s], sizeof editor.chip[s]},
        {editor.tileGfx[s], sizeof editor.tileGfx[s]},
        {editor.object[s], sizeof editor.object[s]},
        {&editor.palSet[s][palette], sizeof editor.palSet[s][palette]},
    };
    std::size_t total = 0;
    for (const auto& part : parts)
        total += part.size;
    std::vector<std::uint8_t> bytes(total);
    std::size_t at = 0;
    for (const auto& part : parts) {
        std::memcpy(bytes.data() + at, part.data, part.size);
        at += part.size;
    }
    return bytes;
}

void scrollMainWindowTo(int page)
{
    if (!editArea)
        return;
    // In "MAP SET" the scroll position is a map set: the page's own.
    int position = page;
    if (theEditor.curTab == kViewMapSet)
        position = theEditor.pageSet[theEditor.curStage][page];
    position = std::clamp(position, 0, scrollInfo.nMax);
    // As the scroll bar would: the edit area's handling moves a run of pages being
    // selected along, and the user action is recorded and followed as any other.
    editArea->sendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, unsigned(position)), 0);
}

class OverviewPicture : public QWidget {
public:
    explicit OverviewPicture(QWidget* parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    void show(QImage image, int chipPixels)
    {
        image_ = std::move(image);
        chipPixels_ = chipPixels;
        setFixedHeight(image_.height());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.drawImage(left(), 0, image_);
    }
    void mousePressEvent(QMouseEvent* event) override { scrollTo(event); }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (event->buttons() & Qt::LeftButton)
            scrollTo(event);
    }

private:
    // The picture is centred when the window is wider.
    int left() const { return std::max(0, (width() - image_.width()) / 2); }

    void scrollTo(QMouseEvent* event)
    {
        if (image_.isNull() || !(event->buttons() & Qt::LeftButton))
            return;
        scrollMainWindowTo(overviewPageAt(std::max(0, int(event->position().x()) - left()), chipPixels_));
    }

    QImage image_;
    int chipPixels_ = 1;
};

class OverviewWindow : public QWidget {
    Q_OBJECT

public:
    explicit OverviewWindow(QWidget* owner) : QWidget(owner)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        picture_ = new OverviewPicture(this);
        objects_ = new QCheckBox(this);
        objects_->setFocusPolicy(Qt::NoFocus);
        connect(objects_, &QCheckBox::toggled, [this] { follow(theEditor); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addWidget(picture_);
        layout->addWidget(objects_);
        layout->addStretch();
        retranslate();
    }

    void follow(EDITOR& editor)
    {
        const int chipPixels = overviewChipPixels(std::max(picture_->width(), 1));
        std::vector<std::uint8_t> inputs = shownInputs(editor, chipPixels, objects_->isChecked());
        if (inputs == shown_)
            return;
        shown_ = std::move(inputs);
        // The chip-set sheet must show this stage's tables as they are now, not as the
        // last frame found them.
        editor.refresh(0);
        OverviewOptions options;
        options.chipPixels = chipPixels;
        options.withObjects = objects_->isChecked();
        options.framedPages = pagesInView(editor);
        options.changedPages = changedPages(editor);
        const Surface overview = stageOverview(editor, options);
        const QImage image(reinterpret_cast<const uchar*>(overview.data()), overview.width(), overview.height(),
                           overview.bytesPerLine(), QImage::Format_RGB32);
        picture_->show(image.copy(), chipPixels);
    }

    void forget() { shown_.clear(); }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_F6 || event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        follow(theEditor);
    }

private:
    void retranslate()
    {
        setWindowTitle(tr("Overview of the stage"));
        objects_->setText(tr("Objects"));
    }

    OverviewPicture* picture_;
    QCheckBox* objects_;
    std::vector<std::uint8_t> shown_;
};

QRect screenArea(const QWidget* owner)
{
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

QWidget* makeOverviewPanel(QWidget* parent)
{
    auto* window = new OverviewWindow(parent);
    // As wide as the screen allows, as high as the picture at that width needs.
    const int width = std::min(screenArea(boxOwner()).width() - 16, overviewWidth(kLargestOverviewChip) + 8);
    window->resize(width, overviewHeight(overviewChipPixels(width - 8)) + window->sizeHint().height());
    return window;
}

void openedOverviewPanel(QWidget& panel)
{
    auto& window = static_cast<OverviewWindow&>(panel);
    window.forget();
    window.follow(theEditor);
}

void followOverviewPanel(QWidget& panel)
{
    static_cast<OverviewWindow&>(panel).follow(theEditor);
}

QWidget* overviewWindow()
{
    return shownPanel<OverviewWindow>();
}

#include "overview_window.moc"
