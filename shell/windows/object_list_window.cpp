#include "shell/windows/object_list_window.h"

#include <array>
#include <cstring>
#include <exception>
#include <optional>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "edit/object_table.h"
#include "edit/refusal.h"
#include "names/object_names_file.h"
#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "shell/session/settings.h"
#include "shell/windows/object_list_model.h"
#include "shell/windows/object_names_in_use.h"
#include "shell/windows/panel_dock.h"
#include "shell/windows/user_input_follow_up.h"
#include "swc/virtual_key.h"

namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 560;
// Beside the main window, clear of the F1 and F2 windows that open at its right edge.
constexpr int kBesideOtherWindows = 562;

// What the table was last made from.
struct ShownKey {
    int stage = -1;
    int current = -1;
    std::array<std::uint8_t, sizeof(ObjectRecord) * kObjectSlots> objects{};
    std::uint64_t namesRevision = 0;
    bool withNames = false;

    bool operator==(const ShownKey&) const = default;
};

ShownKey keyOf(const EDITOR& editor)
{
    ShownKey key{editor.curStage, editor.curObject, {}, editor.objectNames.revision, editor.objectNames.loaded};
    if (editor.curStage >= 0 && editor.curStage < kStageCount)
        std::memcpy(key.objects.data(), editor.object[editor.curStage], key.objects.size());
    return key;
}

// A value is two hexadecimal digits: the editor takes no more.
class TwoDigitDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(2);
        return editor;
    }
};

// What every change made from this window is followed by, as a change made in the
// main window is: one step of the history, the unsaved work kept, the other windows
// and the view brought up to date. The main window is inactive while this one has the
// keyboard, and its frame clock stands still, so the view is shown at once.
// The main window is inactive while this one has the keyboard, and its frame clock
// stands still: the action is shown at once.
void afterAction()
{
    followUpUserInput();
    theEditor.refresh(0);
}

class ObjectListWindow : public QWidget {
    Q_OBJECT

public:
    explicit ObjectListWindow(QWidget* owner) : QWidget(owner)
    {
        model_ = new ObjectListModel(
            [this](int slot, ObjectColumn column, const QString& text) { return typed(slot, column, text); }, this);
        proxy_ = new QSortFilterProxyModel(this);
        proxy_->setSourceModel(model_);
        proxy_->setSortRole(ObjectListModel::kSortRole);
        proxy_->setSortCaseSensitivity(Qt::CaseInsensitive);
        table_ = new QTableView(this);
        table_->setModel(proxy_);
        table_->setItemDelegate(new TwoDigitDelegate(table_));
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->setSelectionMode(QAbstractItemView::SingleSelection);
        // Typing, Enter or a double-click start an edit; F2 stays the usage window's key.
        table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked);
        table_->setTabKeyNavigation(false);
        table_->verticalHeader()->hide();
        table_->horizontalHeader()->setStretchLastSection(true);
        table_->setSortingEnabled(true);
        table_->sortByColumn(0, Qt::AscendingOrder);
        table_->installEventFilter(this);
        connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) { chosen(current); });

        names_ = new QLabel(this);
        load_ = new QPushButton(this);
        connect(load_, &QPushButton::clicked, [] { loadObjectNamesFromDialog(); });
        auto* bar = new QHBoxLayout;
        bar->addWidget(names_, 1);
        bar->addWidget(load_);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addWidget(table_);
        layout->addLayout(bar);
        resize(kWidth, kHeight);
        retranslate();
    }

    // Makes the table again when what it shows has changed, and marks the current
    // object's row.
    void follow(const EDITOR& editor)
    {
        const ShownKey key = keyOf(editor);
        if (shown_ && *shown_ == key)
            return;
        shown_ = key;
        following_ = true;
        const int column = table_->currentIndex().isValid() ? table_->currentIndex().column() : 1;
        model_->setRows(objectRows(editor), editor.objectNames.loaded);
        for (int c = 0; c < model_->columnCount() - 1; ++c)
            table_->setColumnWidth(c, table_->fontMetrics().horizontalAdvance("MMMMM"));
        const int row = model_->rowOfSlot(editor.curObject);
        if (row >= 0) {
            const QModelIndex current =
                proxy_->mapFromSource(model_->index(row, std::min(column, model_->columnCount() - 1)));
            if (table_->currentIndex() != current)
                table_->setCurrentIndex(current);
            table_->scrollTo(current);
        } else {
            table_->selectionModel()->clearCurrentIndex();
            table_->clearSelection();
        }
        following_ = false;
        names_->setText(namesText(editor.objectNames));
    }

    void forget() { shown_.reset(); }
    QTableView* table() const { return table_; }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_F7 || event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(event);
    }

    // Keys of the table itself. While a cell is edited its editor has the focus, and
    // the keys it leaves (Enter among them) pass on to the table: they are the cell's.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QWidget* focus = QApplication::focusWidget();
        const bool cellEdited = focus && focus != table_ && table_->isAncestorOf(focus);
        if (watched != table_ || event->type() != QEvent::KeyPress || cellEdited)
            return QWidget::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::AltModifier)
            return QWidget::eventFilter(watched, event);
        // The editor's keys that mean the same in every view (undo and redo, Save,
        // the stage, the other windows) work from here as from the main window.
        const bool editorKey = (key->modifiers() & Qt::ControlModifier) || key->key() == Qt::Key_F1 ||
            key->key() == Qt::Key_F2 || key->key() == Qt::Key_F5;
        if (editorKey) {
            // Through the main window, which runs the application's commands too.
            if (const int code = swc::virtualKeyOf(*key); code && mainWindow) {
                mainWindow->sendMessage(WM_KEYDOWN, WPARAM(code), LPARAM(swc::keyDataOf(*key)));
                theEditor.refresh(0);
            }
            return true;
        }
        switch (key->key()) {
        case Qt::Key_F7:
        case Qt::Key_Escape: close(); return true;
        case Qt::Key_Insert:
            theEditor.insertObject();
            afterAction();
            return true;
        case Qt::Key_Delete:
            theEditor.eraseObject();
            afterAction();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (table_->currentIndex().flags() & Qt::ItemIsEditable)
                table_->edit(table_->currentIndex());
            return true;
        default: return QWidget::eventFilter(watched, event);
        }
    }

private:
    void retranslate()
    {
        setWindowTitle(tr("Objects"));
        load_->setText(tr("Load names..."));
        model_->retranslateHeaders();
        names_->setText(namesText(theEditor.objectNames));
    }

    static QString namesText(const ObjectNames& names)
    {
        if (!names.loaded)
            return tr("No names loaded");
        const QString title = QString::fromStdString(names.title.empty() ? names.file : names.title);
        return tr("Names: %1").arg(title);
    }

    void chosen(const QModelIndex& current)
    {
        if (following_ || !current.isValid())
            return;
        const int slot = model_->slotAt(proxy_->mapToSource(current).row());
        if (slot < 0 || slot == theEditor.curObject)
            return;
        chooseObject(theEditor, slot);
        afterAction();
    }

    bool typed(int slot, ObjectColumn column, const QString& text)
    {
        const std::optional<std::string> refusal = typeObjectValue(theEditor, slot, column, text.toStdString());
        if (refusal) {
            // Not from inside the cell's commit: the box would take the focus from the
            // editor that is closing.
            QTimer::singleShot(0, [reason = *refusal] { refuse(theEditor, reason); });
            return false;
        }
        afterAction();
        return true;
    }

    ObjectListModel* model_;
    QSortFilterProxyModel* proxy_;
    QTableView* table_;
    QLabel* names_;
    QPushButton* load_;
    std::optional<ShownKey> shown_;
    bool following_ = false;
};

}  // namespace

QWidget* makeObjectList(QWidget* parent)
{
    return new ObjectListWindow(parent);
}

void openedObjectList(QWidget& panel)
{
    auto& window = static_cast<ObjectListWindow&>(panel);
    window.forget();
    window.follow(theEditor);
    window.table()->setFocus();
}

void followObjectList(QWidget& panel)
{
    static_cast<ObjectListWindow&>(panel).follow(theEditor);
}

QTableView* objectListTable()
{
    ObjectListWindow* window = shownPanel<ObjectListWindow>();
    return window ? window->table() : nullptr;
}

void loadObjectNamesFromDialog()
{
    const QString path =
        QFileDialog::getOpenFileName(shownPanel<ObjectListWindow>(), ObjectListWindow::tr("Load names"), QString(),
                                     ObjectListWindow::tr("Object names (*.json);;All files (*)"));
    if (!path.isEmpty())
        loadObjectNamesFrom(QFile::encodeName(path).toStdString());
}

void loadObjectNamesFrom(const std::string& path)
{
    try {
        useObjectNames(loadObjectNamesFile(path));
        // The list and Where Used show the names.
        followUpUserInput();
        saveObjectNamesFile(path);
    } catch (const std::exception& error) {
        reportError(ObjectListWindow::tr("The object names are not used: %1.")
                        .arg(QString::fromStdString(error.what()))
                        .toStdString()
                        .c_str());
    }
    theEditor.refresh(0);
}

#include "object_list_window.moc"
