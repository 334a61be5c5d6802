#include "shell/usage_window.h"

#include <optional>
#include <vector>

#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "edit/usage_jump.h"
#include "edit/usage_report.h"
#include "edit/usage_subject.h"
#include "shell/app_state.h"
#include "usage/usage_cache.h"

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 420;
constexpr int kPlaceRole = Qt::UserRole;

// What the list was built from. The list depends on the view, the stage, the item and,
// in "MAP SET", the map set under the cursor, and on the stage's tables through the
// counts' version.
struct ShownKey {
    int stage = -1;
    int view = -1;
    int item = -1;
    int mapSet = -1;
    std::uint64_t countsVersion = 0;

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
    if (const std::optional<UsageSubject> subject = currentUsageSubject(editor))
        key.item = subject->item;
    if (editor.curTab == kViewMapSet)
        if (const std::optional<ItemUse> cell = cursorCellPlace(editor))
            key.mapSet = cell->holder;
    return key;
}

class UsageWindow : public QWidget {
public:
    explicit UsageWindow(QWidget* owner) : QWidget(owner, Qt::Window)
    {
        setWindowTitle("Where it is used");
        // Beside the main window, which keeps the keys: U and Ctrl+H go on working.
        setAttribute(Qt::WA_ShowWithoutActivating);
        list_ = new QTreeWidget(this);
        list_->setColumnCount(2);
        list_->setHeaderLabels({"Where", "What"});
        list_->setRootIsDecorated(false);
        list_->setWordWrap(true);
        list_->setSelectionMode(QAbstractItemView::SingleSelection);
        list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        list_->header()->setStretchLastSection(true);
        list_->installEventFilter(this);
        connect(list_, &QTreeWidget::itemDoubleClicked, [](QTreeWidgetItem* row, int) { goToListedUse(row); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(list_);
        resize(kWidth, kHeight);
    }

    // Builds the list again when what it shows has changed.
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

    QTreeWidget* list() const { return list_; }

    const UsePlace* placeOf(const QTreeWidgetItem* row) const
    {
        if (!row || row->treeWidget() != list_)
            return nullptr;
        const QVariant index = row->data(0, kPlaceRole);
        if (!index.isValid())
            return nullptr;
        const auto at = std::size_t(index.toULongLong());
        return at < places_.size() ? &places_[at] : nullptr;
    }

protected:
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
                goToListedUse(list_->currentItem());
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
    // Marks the first use at place, or the first use of all.
    void mark(std::optional<int> place)
    {
        markedPlace_ = place;
        QTreeWidgetItem* first = nullptr;
        for (QTreeWidgetItemIterator it(list_); *it; ++it) {
            const UsePlace* use = placeOf(*it);
            if (!use)
                continue;
            if (!first)
                first = *it;
            if (place && useOrder(use->kind, use->use) == *place) {
                list_->setCurrentItem(*it);
                return;
            }
        }
        if (first)
            list_->setCurrentItem(first);
    }

    void fill(const std::vector<UsageSection>& sections)
    {
        list_->clear();
        places_.clear();
        for (const UsageSection& section : sections) {
            auto* title = new QTreeWidgetItem(list_, {QString::fromStdString(section.title)});
            title->setFirstColumnSpanned(true);
            title->setFlags(Qt::ItemIsEnabled);
            QFont bold = title->font(0);
            bold.setBold(true);
            title->setFont(0, bold);
            for (const UsageEntry& entry : section.entries) {
                auto* row = new QTreeWidgetItem(title, {QString::fromStdString(entry.where), QString::fromStdString(entry.what)});
                if (entry.place) {
                    row->setData(0, kPlaceRole, qulonglong(places_.size()));
                    places_.push_back(*entry.place);
                } else {
                    row->setFlags(Qt::ItemIsEnabled);
                }
            }
        }
        list_->expandAll();
    }

    QTreeWidget* list_;
    StageUsageCache counts_;
    std::optional<ShownKey> shown_;
    std::optional<int> markedPlace_;
    std::vector<UsePlace> places_;
};

// Owned by the main window, so it goes with it at the latest.
QPointer<UsageWindow> window;

}  // namespace

void toggleUsageWindow()
{
    if (window && window->isVisible()) {
        window->close();
        return;
    }
    if (!window) {
        QWidget* owner = mainWindow ? mainWindow->handle() : nullptr;
        window = new UsageWindow(owner);
        // Beside the main window rather than over the view, lower than the F1 list.
        if (owner)
            window->move(owner->frameGeometry().topRight() + QPoint(1, owner->frameGeometry().height() / 2));
    }
    window->forget();
    window->follow(theEditor);
    window->show();
}

void followEditorInUsageWindow()
{
    if (window && window->isVisible())
        window->follow(theEditor);
}

QTreeWidget* usageList()
{
    return window && window->isVisible() ? window->list() : nullptr;
}

void goToListedUse(const QTreeWidgetItem* row)
{
    if (!window)
        return;
    const UsePlace* found = window->placeOf(row);
    if (!found)
        return;
    const UsePlace place = *found;  // following the editor may rebuild the list
    goToUse(theEditor, place.kind, place.use);
    // The main window is inactive while this one has the keyboard, and its frame clock
    // stands still: show the new place at once.
    theEditor.refresh(0);
    window->follow(theEditor);
}

void closeUsageWindow()
{
    delete window.data();
}
