#include "shell/windows/usage_window.h"

#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeView>
#include <QVBoxLayout>

#include "edit/usage_jump.h"
#include "edit/usage_report.h"
#include "edit/usage_subject.h"
#include "shell/session/app_state.h"
#include "shell/windows/panel_dock.h"
#include "shell/windows/usage_list_model.h"
#include "usage/usage_cache.h"

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 420;

// What the list was built from. The list depends on the view, the stage, the item and,
// in "MAP SET", the map set under the cursor, and on the stage's tables through the
// counts' version.
struct ShownKey {
    int stage = -1;
    int view = -1;
    int item = -1;
    int mapSet = -1;
    std::uint64_t countsVersion = 0;
    // "OBJECT" lists the stage's objects, with the names of their data values.
    std::array<std::uint8_t, sizeof(ObjectRecord) * kObjectSlots> objects{};
    std::uint64_t namesRevision = 0;
    int tile = -1;  // "CHIP" lists the uses of the current tile too

    bool operator==(const ShownKey&) const = default;
};

// The use the user is at, when the list shows uses of the view's own item: it is the
// row marked in the list.
std::optional<int> placeHere(const EDITOR& editor)
{
    const std::optional<UsageSubject> subject = currentUsageSubject(editor);
    if (!subject || editor.curTab == kViewMapSet)
        return std::nullopt;
    return currentUsePlace(editor, subject->kind);
}

ShownKey keyOf(const EDITOR& editor, std::uint64_t countsVersion)
{
    ShownKey key{editor.curStage, editor.curTab, -1, -1, countsVersion};
    if (editor.curTab == kViewObject && editor.curStage >= 0 && editor.curStage < kStageCount) {
        std::memcpy(key.objects.data(), editor.object[editor.curStage], key.objects.size());
        key.namesRevision = editor.objectNames.revision;
    }
    if (const std::optional<UsageSubject> subject = currentUsageSubject(editor))
        key.item = subject->item;
    if (editor.curTab == kViewMapSet)
        if (const std::optional<ItemUse> cell = cursorCellPlace(editor))
            key.mapSet = cell->holder;
    if (editor.curTab == kViewChip)
        key.tile = editor.curTile;
    return key;
}

class UsageWindow : public QWidget {
    Q_OBJECT

public:
    explicit UsageWindow(QWidget* owner) : QWidget(owner)
    {
        // Beside the main window, which keeps the keys: U and Ctrl+H go on working.
        setAttribute(Qt::WA_ShowWithoutActivating);
        model_ = new UsageListModel(this);
        list_ = new QTreeView(this);
        list_->setModel(model_);
        list_->setRootIsDecorated(false);
        list_->setItemsExpandable(false);
        // Rows of one height let the view lay out only the rows it shows.
        list_->setUniformRowHeights(true);
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        list_->header()->setStretchLastSection(true);
        list_->installEventFilter(this);
        connect(list_, &QTreeView::doubleClicked, [](const QModelIndex& row) { goToListedUse(row); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(list_);
        resize(kWidth, kHeight);
        retranslate();
    }

    // Makes the list again when what it shows has changed.
    void follow(const EDITOR& editor)
    {
        const StageUsage& usage = counts_.usage(editor, editor.curStage);
        const ShownKey key = keyOf(editor, counts_.version());
        const std::optional<int> here = placeHere(editor);
        if (shown_ && *shown_ == key) {
            if (here != markedPlace_)
                mark(here);
            return;
        }
        shown_ = key;
        fill(usageReport(editor, usage));
        mark(here);
    }

    void forget() { shown_.reset(); }

    QTreeView* list() const { return list_; }
    const UsePlace* placeAt(const QModelIndex& row) const { return model_->placeAt(row); }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_F2 || event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(event);
    }

    // Enter on a use goes there; F2 and Escape reach the window from the list too.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == list_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                goToListedUse(list_->currentIndex());
                return true;
            }
            if (key == Qt::Key_F2 || key == Qt::Key_Escape) {
                close();
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    // The report's texts are put into the language as it is made: it is made again.
    void retranslate()
    {
        setWindowTitle(tr("Where it is used"));
        if (shown_) {
            forget();
            follow(theEditor);
        }
    }

    // Marks the first use at place, or the first use of all.
    void mark(std::optional<int> place)
    {
        markedPlace_ = place;
        QModelIndex row;
        if (place)
            row = model_->findPlace([&](const UsePlace& use) { return useOrder(use.kind, use.use) == *place; });
        if (row.isValid()) {
            list_->setCurrentIndex(row);
            list_->scrollTo(row);
            return;
        }
        // The first use, with the list from its top so that its title shows.
        row = model_->findPlace([](const UsePlace&) { return true; });
        if (row.isValid())
            list_->setCurrentIndex(row);
        list_->scrollToTop();
    }

    void fill(std::vector<UsageSection> sections)
    {
        // The first column as wide as its longest text; the widths of the few
        // different texts are the same whatever the numbers in them.
        const QFontMetrics metrics(list_->font());
        std::size_t longest = 0;
        QString widest;
        for (const UsageSection& section : sections)
            for (const UsageEntry& entry : section.entries)
                if (entry.where.size() > longest) {
                    longest = entry.where.size();
                    widest = QString::fromStdString(entry.where);
                }
        model_->setReport(std::move(sections));
        for (int s = 0; s < model_->rowCount(); ++s)
            list_->setFirstColumnSpanned(s, {}, true);
        list_->expandAll();
        list_->setColumnWidth(0, metrics.horizontalAdvance(widest + "MM") + list_->indentation());
    }

    UsageListModel* model_;
    QTreeView* list_;
    StageUsageCache counts_;
    std::optional<ShownKey> shown_;
    std::optional<int> markedPlace_;
};

}  // namespace

QWidget* makeUsagePanel(QWidget* parent)
{
    return new UsageWindow(parent);
}

void openedUsagePanel(QWidget& panel)
{
    auto& window = static_cast<UsageWindow&>(panel);
    window.forget();
    window.follow(theEditor);
}

void followUsagePanel(QWidget& panel)
{
    static_cast<UsageWindow&>(panel).follow(theEditor);
}

QTreeView* usageList()
{
    UsageWindow* window = shownPanel<UsageWindow>();
    return window ? window->list() : nullptr;
}

void goToListedUse(const QModelIndex& row)
{
    UsageWindow* window = shownPanel<UsageWindow>();
    if (!window)
        return;
    const UsePlace* found = window->placeAt(row);
    if (!found)
        return;
    const UsePlace place = *found;  // following the editor may rebuild the list
    goToUse(theEditor, place.kind, place.use);
    // The main window is inactive while this one has the keyboard, and its frame clock
    // stands still: show the new place at once.
    theEditor.refresh(0);
    window->follow(theEditor);
    // The use is there to be edited: the keys go back to the editing area.
    giveKeysToMainWindow();
}

#include "usage_window.moc"
