#include "shell/windows/command_search_popup.h"

#include <QApplication>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 380;
constexpr int kHeight = 320;
// Below the menu bar, so the search covers the views' tops rather than the menus.
constexpr int kTopMargin = 24;

class CommandSearchPopup : public QFrame {
    Q_OBJECT

public:
    CommandSearchPopup(QWidget* over, std::vector<SearchEntry> entries, std::span<const std::string> recentRuns,
                       std::function<void(const SearchEntry&)> run)
        : QFrame(over, Qt::Popup)
        , entries_(std::move(entries))
        , recent_(recentRuns.begin(), recentRuns.end())
        , run_(std::move(run))
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        field_ = new QLineEdit(this);
        list_ = new QTreeWidget(this);
        list_->setColumnCount(2);
        list_->setHeaderHidden(true);
        list_->setRootIsDecorated(false);
        list_->setFocusPolicy(Qt::NoFocus);
        list_->header()->setStretchLastSection(false);
        list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addWidget(field_);
        layout->addWidget(list_);
        field_->installEventFilter(this);
        connect(field_, &QLineEdit::textChanged, this, &CommandSearchPopup::fill);
        connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { choose(item); });
        retranslate();
        fill();

        resize(std::min(kWidth, over->width()), kHeight);
        const QPoint top = over->mapToGlobal(QPoint((over->width() - width()) / 2, kTopMargin));
        move(top);
    }

    void open()
    {
        show();
        field_->setFocus();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QFrame::changeEvent(event);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != field_ || event->type() != QEvent::KeyPress)
            return QFrame::eventFilter(watched, event);
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            // The field keeps the keyboard; the list moves its choice.
            QApplication::sendEvent(list_, event);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: choose(list_->currentItem()); return true;
        case Qt::Key_Escape: close(); return true;
        default: return QFrame::eventFilter(watched, event);
        }
    }

private:
    void retranslate()
    {
        setAccessibleName(tr("Find Command"));
        field_->setPlaceholderText(tr("Type a command, a stage or an object's name"));
    }

    void fill()
    {
        list_->clear();
        QTreeWidgetItem* first = nullptr;
        for (std::size_t place : rankEntries(entries_, field_->text().toStdString(), recent_)) {
            const SearchEntry& entry = entries_[place];
            auto* item =
                new QTreeWidgetItem(list_, {QString::fromStdString(entry.label), QString::fromStdString(entry.key)});
            item->setData(0, Qt::UserRole, qulonglong(place));
            if (!entry.enabled)
                item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
            else if (!first)
                first = item;
        }
        list_->setCurrentItem(first);
    }

    void choose(QTreeWidgetItem* item)
    {
        if (!item || !(item->flags() & Qt::ItemIsEnabled))
            return;
        const SearchEntry chosen = entries_[item->data(0, Qt::UserRole).toULongLong()];
        const auto run = run_;
        close();
        run(chosen);
    }

    std::vector<SearchEntry> entries_;
    std::vector<std::string> recent_;
    std::function<void(const SearchEntry&)> run_;
    QLineEdit* field_;
    QTreeWidget* list_;
};

QPointer<CommandSearchPopup> openPopup;

}  // namespace

void openCommandSearch(QWidget* over, std::vector<SearchEntry> entries, std::span<const std::string> recentRuns,
                       std::function<void(const SearchEntry&)> run)
{
    if (openPopup)
        openPopup->close();
    if (!over)
        return;
    openPopup = new CommandSearchPopup(over, std::move(entries), recentRuns, std::move(run));
    openPopup->open();
}

QWidget* openCommandSearchWidget()
{
    // A closed search lingers until the event loop deletes it.
    return openPopup && openPopup->isVisible() ? openPopup.data() : nullptr;
}

#include "command_search_popup.moc"
