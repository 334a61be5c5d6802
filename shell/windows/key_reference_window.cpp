#include "shell/windows/key_reference_window.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "edit/key_reference.h"
#include "shell/session/app_state.h"
#include "shell/windows/side_window_place.h"

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 520;

class KeyReferenceWindow : public QWidget {
public:
    explicit KeyReferenceWindow(QWidget* owner) : QWidget(owner, Qt::Window)
    {
        setWindowTitle("Keys and mouse");
        // Shown beside the main window, which keeps the keys: the user reads and edits
        // at once.
        setAttribute(Qt::WA_ShowWithoutActivating);
        list_ = new QTreeWidget(this);
        list_->setColumnCount(2);
        list_->setHeaderLabels({"Key or mouse", "Does"});
        list_->setRootIsDecorated(false);
        list_->setSelectionMode(QAbstractItemView::NoSelection);
        list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(list_);
        resize(kWidth, kHeight);
    }

    void showView(int view)
    {
        list_->clear();
        for (const ReferenceSection& section : keyReference(view)) {
            auto* title = new QTreeWidgetItem(list_, {QString::fromStdString(section.title)});
            title->setFirstColumnSpanned(true);
            QFont bold = title->font(0);
            bold.setBold(true);
            title->setFont(0, bold);
            for (const ReferenceEntry& entry : section.entries)
                new QTreeWidgetItem(title, {QString::fromStdString(entry.input), QString::fromStdString(entry.does)});
        }
        list_->expandAll();
    }

    QTreeWidget* list() const { return list_; }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(event);
    }

private:
    QTreeWidget* list_;
};

constexpr const char* kSideWindowName = "keys";

// Owned by the main window, so it goes with it at the latest.
QPointer<KeyReferenceWindow> window;

}  // namespace

void toggleKeyReference(int view)
{
    if (window && window->isVisible()) {
        window->close();
        return;
    }
    if (!window) {
        QWidget* owner = mainWindow ? mainWindow->handle() : nullptr;
        window = new KeyReferenceWindow(owner);
        // Beside the main window rather than over the view it explains.
        placeSideWindow(*window, kSideWindowName);
    }
    window->showView(view);
    window->show();
}

void followViewInKeyReference(int view)
{
    if (window && window->isVisible())
        window->showView(view);
}

QTreeWidget* keyReferenceList()
{
    return window && window->isVisible() ? window->list() : nullptr;
}

void closeKeyReference()
{
    if (window)
        releaseSideWindow(*window, kSideWindowName);
    delete window.data();
}
