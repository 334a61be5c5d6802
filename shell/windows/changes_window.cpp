#include "shell/windows/changes_window.h"

#include <cstdint>
#include <map>
#include <vector>

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "changes/change_items.h"
#include "changes/change_marks.h"
#include "edit/change_jump.h"
#include "model/editable_tables.h"
#include "shell/session/app_state.h"
#include "shell/windows/change_baseline.h"
#include "shell/windows/panel_dock.h"
#include "shell/windows/user_input_follow_up.h"
#include "text/translation.h"

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 460;
constexpr int kItemRole = Qt::UserRole;

// What was last counted, so that an action that changed no table costs a comparison.
struct Counted {
    std::vector<std::uint8_t> tables;
    std::vector<std::uint8_t> baseline;
    std::uint64_t revision = 0;
    std::vector<ChangeItem> items;
    bool valid = false;
    // Counts every count, so that the list knows whether it shows the latest.
    std::uint64_t generation = 0;
};
Counted counted;

// Counts again when the tables or the baseline changed; returns whether it did.
bool countChanges()
{
    const ChangeBaseline baseline = changeBaseline();
    if (counted.valid && counted.revision == baselineRevision() && *baseline.tables == counted.baseline &&
        firstTableDifference(theEditor, counted.tables) == counted.tables.size())
        return false;
    counted.tables = editableTables(theEditor);
    counted.baseline = *baseline.tables;
    counted.revision = baselineRevision();
    counted.items = describeChanges(counted.baseline, counted.tables, theEditor.tileSources);
    markChanges(theEditor.changeMarks, counted.baseline, counted.tables);
    counted.valid = true;
    ++counted.generation;
    return true;
}

class ChangesWindow : public QWidget {
    Q_OBJECT

public:
    explicit ChangesWindow(QWidget* owner) : QWidget(owner)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        baseline_ = new QLabel(this);
        baseline_->setWordWrap(true);
        list_ = new QTreeWidget(this);
        list_->setHeaderHidden(true);
        list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list_->setUniformRowHeights(true);
        list_->installEventFilter(this);
        connect(list_, &QTreeWidget::itemDoubleClicked, [this](QTreeWidgetItem* row) { goTo(row); });
        revert_ = new QPushButton(this);
        connect(revert_, &QPushButton::clicked, [] { revertChosenChanges(); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addWidget(baseline_);
        layout->addWidget(list_);
        layout->addWidget(revert_);
        resize(kWidth, kHeight);
        retranslate();
    }

    // After a user action countShownChanges has counted already; forced (opened,
    // retranslated), the list counts for itself.
    void follow(bool force)
    {
        if (force)
            countChanges();
        else if (shownGeneration_ == counted.generation)
            return;
        shownGeneration_ = counted.generation;
        baseline_->setText(tr("Changes against %1").arg(QString::fromStdString(changeBaseline().what)));
        fill();
    }

    // The changes of the chosen rows; a stage's row stands for all of its changes.
    std::vector<ChangeItem> chosen() const
    {
        std::vector<ChangeItem> items;
        std::vector<bool> taken(counted.items.size());
        for (QTreeWidgetItem* row : list_->selectedItems()) {
            const auto take = [&](QTreeWidgetItem* item) {
                const int index = item->data(0, kItemRole).toInt();
                if (index >= 0 && std::size_t(index) < taken.size() && !taken[std::size_t(index)]) {
                    taken[std::size_t(index)] = true;
                    items.push_back(counted.items[std::size_t(index)]);
                }
            };
            if (row->childCount() == 0)
                take(row);
            for (int c = 0; c < row->childCount(); ++c)
                take(row->child(c));
        }
        return items;
    }

    QTreeWidget* list() const { return list_; }
    QPushButton* revert() const { return revert_; }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == list_ && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                goTo(list_->currentItem());
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

private:
    void retranslate()
    {
        setWindowTitle(tr("Changes"));
        revert_->setText(tr("Revert"));
        if (counted.valid)
            follow(true);
    }

    void goTo(QTreeWidgetItem* row)
    {
        if (!row || row->childCount() > 0)
            return;
        const int index = row->data(0, kItemRole).toInt();
        if (index < 0 || std::size_t(index) >= counted.items.size())
            return;
        goToChange(theEditor, counted.items[std::size_t(index)]);
        followUpUserInput();
        theEditor.refresh(0);
    }

    // One row per stage that changed, "Stage 3: 5 changes (map sets 3, pages 2)",
    // holding its changes.
    void fill()
    {
        list_->clear();
        const std::span<const EditableTable> tables = editableTableList();
        std::size_t at = 0;
        while (at < counted.items.size()) {
            const int stage = counted.items[at].stage;
            std::map<int, int> perTable;
            auto* stageRow = new QTreeWidgetItem(list_);
            stageRow->setData(0, kItemRole, -1);
            std::size_t count = 0;
            for (; at < counted.items.size() && counted.items[at].stage == stage; ++at, ++count) {
                const ChangeItem& item = counted.items[at];
                ++perTable[item.table];
                auto* row = new QTreeWidgetItem(stageRow, {QString::fromStdString(item.text)});
                row->setData(0, kItemRole, int(at));
            }
            QStringList counts;
            for (const auto& [table, n] : perTable)
                counts << QStringLiteral("%1 %2").arg(
                    QString::fromStdString(translated("editable_tables", tables[std::size_t(table)].name)),
                    QString::number(n));
            const QString digit = QString::number(stage, 16).toUpper();
            stageRow->setText(
                0,
                count == 1 ? tr("Stage %1: 1 change (%2)").arg(digit, counts.join(", "))
                           : tr("Stage %1: %2 changes (%3)").arg(digit, QString::number(count), counts.join(", ")));
        }
        list_->expandAll();
        // The keyboard starts on the first row.
        if (list_->topLevelItemCount() > 0)
            list_->setCurrentItem(list_->topLevelItem(0));
        revert_->setEnabled(!counted.items.empty());
    }

    QLabel* baseline_;
    QTreeWidget* list_;
    QPushButton* revert_;
    std::uint64_t shownGeneration_ = 0;
};

}  // namespace

QWidget* makeChangesPanel(QWidget* parent)
{
    return new ChangesWindow(parent);
}

void openedChangesPanel(QWidget& panel)
{
    changeBaseline(true);  // Ctrl+E may have remembered an original since
    static_cast<ChangesWindow&>(panel).follow(true);
}

void followChangesPanel(QWidget& panel)
{
    static_cast<ChangesWindow&>(panel).follow(false);
}

void countShownChanges()
{
    if (theEditor.changeMarks.shown || shownPanel<ChangesWindow>())
        countChanges();
}

void toggleChangeFrames()
{
    theEditor.changeMarks.shown = !theEditor.changeMarks.shown;
    if (theEditor.changeMarks.shown)
        countChanges();
    theEditor.refresh(0);
}

QTreeWidget* changesList()
{
    ChangesWindow* window = shownPanel<ChangesWindow>();
    return window ? window->list() : nullptr;
}

QPushButton* revertButton()
{
    ChangesWindow* window = shownPanel<ChangesWindow>();
    return window ? window->revert() : nullptr;
}

void revertChosenChanges()
{
    ChangesWindow* window = shownPanel<ChangesWindow>();
    if (!window)
        return;
    const std::vector<ChangeItem> items = window->chosen();
    if (items.empty())
        return;
    if (revertsSharedTile(items)) {
        // Asked with its own buttons: a plain message box offers only OK.
        const int answer = QuestionBoxA(
            boxOwner(),
            ChangesWindow::tr("A tile among these is loaded by several stages: it is put back in "
                              "every stage that loads it. Revert?")
                .toStdString()
                .c_str(),
            ChangesWindow::tr("Revert").toStdString().c_str(), ChangesWindow::tr("Revert").toStdString().c_str(),
            ChangesWindow::tr("Cancel").toStdString().c_str());
        if (answer != IDYES)
            return;
    }
    theEditor.history.labelAction(ChangesWindow::tr("Revert").toStdString());
    revertChanges(theEditor, counted.baseline, items);
    followUpUserInput();
    theEditor.drawChips();
    theEditor.refresh(0);
}

#include "changes_window.moc"
