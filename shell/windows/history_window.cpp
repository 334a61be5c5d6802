#include "shell/windows/history_window.h"

#include <optional>
#include <string>
#include <vector>

#include <QEvent>
#include <QListWidget>
#include <QVBoxLayout>

#include "edit/undo_redo.h"
#include "shell/session/app_state.h"
#include "shell/windows/panel_dock.h"
#include "shell/windows/user_input_follow_up.h"

namespace {

constexpr int kWidth = 460;
constexpr int kHeight = 420;

// What the list shows, so that an action that made no step costs a comparison.
struct Shown {
    std::vector<std::string> names;
    std::size_t done = 0;
    std::optional<std::size_t> saved;
    bool operator==(const Shown&) const = default;
};

Shown shownNow()
{
    const EditHistory& history = theEditor.history;
    Shown shown{{}, history.undoSteps(), history.savedStep()};
    shown.names.reserve(history.stepCount());
    for (std::size_t i = 0; i < history.stepCount(); ++i)
        shown.names.push_back(history.stepName(i));
    return shown;
}

class HistoryWindow : public QWidget {
    Q_OBJECT

public:
    explicit HistoryWindow(QWidget* owner) : QWidget(owner)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        list_ = new QListWidget(this);
        list_->setUniformItemSizes(true);
        connect(list_, &QListWidget::itemClicked, [this](QListWidgetItem* item) { goToHistoryStep(list_->row(item)); });
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addWidget(list_);
        resize(kWidth, kHeight);
        retranslate();
    }

    void follow(bool force)
    {
        Shown now = shownNow();
        if (!force && shown_ && *shown_ == now)
            return;
        shown_ = std::move(now);
        fill();
    }

    QListWidget* list() const { return list_; }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

private:
    void retranslate()
    {
        setWindowTitle(tr("History"));
        if (shown_)
            fill();
    }

    void fill()
    {
        const Shown& shown = *shown_;
        list_->clear();
        const QColor greyed = list_->palette().color(QPalette::Disabled, QPalette::Text);
        for (std::size_t row = 0; row <= shown.names.size(); ++row) {
            QString text = row == 0 ? tr("Start") : QString::fromStdString(shown.names[row - 1]);
            if (shown.saved && *shown.saved == row)
                text += "  " + tr("(saved)");
            auto* item = new QListWidgetItem(text, list_);
            if (row > shown.done)
                item->setForeground(greyed);
        }
        list_->setCurrentRow(int(shown.done));
        list_->scrollToItem(list_->currentItem());
    }

    QListWidget* list_;
    std::optional<Shown> shown_;
};

}  // namespace

QWidget* makeHistoryPanel(QWidget* parent)
{
    return new HistoryWindow(parent);
}

void openedHistoryPanel(QWidget& panel)
{
    static_cast<HistoryWindow&>(panel).follow(true);
}

void followHistoryPanel(QWidget& panel)
{
    static_cast<HistoryWindow&>(panel).follow(false);
}

QListWidget* historyList()
{
    HistoryWindow* window = shownPanel<HistoryWindow>();
    return window ? window->list() : nullptr;
}

void goToHistoryStep(int steps)
{
    if (steps < 0)
        return;
    while (theEditor.history.undoSteps() > std::size_t(steps))
        undoEdit(theEditor);
    while (theEditor.history.undoSteps() < std::size_t(steps) && theEditor.history.redoSteps() > 0)
        redoEdit(theEditor);
    followUpUserInput();
    theEditor.refresh(0);
}

#include "history_window.moc"
