#include "shell/windows/key_reference_window.h"

#include <optional>

#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "edit/key_reference.h"
#include "shell/session/app_state.h"
#include "shell/windows/panel_dock.h"

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 520;

class KeyReferenceWindow : public QWidget {
    Q_OBJECT

public:
    explicit KeyReferenceWindow(QWidget* owner) : QWidget(owner)
    {
        // Shown beside the main window, which keeps the keys: the user reads and edits
        // at once.
        setAttribute(Qt::WA_ShowWithoutActivating);
        list_ = new QTreeWidget(this);
        list_->setColumnCount(2);
        list_->setRootIsDecorated(false);
        list_->setSelectionMode(QAbstractItemView::NoSelection);
        list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(list_);
        resize(kWidth, kHeight);
        retranslate();
    }

    void showView(int view)
    {
        view_ = view;
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
    std::optional<int> shownView() const { return view_; }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_F1 || event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(event);
    }

private:
    // The key tables' texts are put into the language as the list is made: it is made again.
    void retranslate()
    {
        setWindowTitle(tr("Keys and mouse"));
        list_->setHeaderLabels({tr("Key or mouse"), tr("Does")});
        if (view_)
            showView(*view_);
    }

    QTreeWidget* list_;
    std::optional<int> view_;
};

}  // namespace

QWidget* makeKeyReference(QWidget* parent)
{
    return new KeyReferenceWindow(parent);
}

void followKeyReference(QWidget& panel)
{
    auto& window = static_cast<KeyReferenceWindow&>(panel);
    if (window.shownView() != theEditor.curTab)
        window.showView(theEditor.curTab);
}

QTreeWidget* keyReferenceList()
{
    KeyReferenceWindow* window = shownPanel<KeyReferenceWindow>();
    return window ? window->list() : nullptr;
}

#include "key_reference_window.moc"
