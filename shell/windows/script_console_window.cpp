#include "shell/windows/script_console_window.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "shell/windows/script_runs.h"
#include "shell/windows/side_window_slot.h"
#include "shell/windows/user_input_follow_up.h"

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 360;

class ScriptConsoleWindow : public QWidget {
public:
    explicit ScriptConsoleWindow(QWidget* owner) : QWidget(owner, Qt::Window)
    {
        setWindowTitle(tr("Script Console"));
        log_ = new QPlainTextEdit(this);
        log_->setReadOnly(true);
        log_->setFont(QFont("monospace"));
        line_ = new QLineEdit(this);
        line_->setPlaceholderText(tr("JavaScript, such as editor.stage(0).objects().length"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(log_);
        layout->addWidget(line_);
        resize(kWidth, kHeight);
        connect(line_, &QLineEdit::returnPressed, this, &ScriptConsoleWindow::evaluate);
        setScriptOutput([this](const QString& text, bool isError) { append(text, isError); });
    }
    ~ScriptConsoleWindow() override { setScriptOutput({}); }

    void append(const QString& text, bool isError)
    {
        log_->appendHtml(QStringLiteral("<span style=\"color:%1\">%2</span>")
                             .arg(isError ? QStringLiteral("#c00000") : palette().text().color().name(),
                                  text.toHtmlEscaped().replace('\n', "<br>")));
    }

    QLineEdit* line() const { return line_; }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(event);
    }

private:
    void evaluate()
    {
        const QString text = line_->text();
        if (text.trimmed().isEmpty())
            return;
        line_->clear();
        append("> " + text, false);
        const ScriptOutcome outcome = evaluateScriptLine(text);
        if (outcome.succeeded() && !outcome.value.isEmpty())
            append(outcome.value, false);
        followUpUserInput();
    }

    QPlainTextEdit* log_;
    QLineEdit* line_;
};

SideWindowSlot<ScriptConsoleWindow> slot("scriptConsole");

}  // namespace

void toggleScriptConsole()
{
    ScriptConsoleWindow* window = slot.toggle();
    if (!window)
        return;
    window->show();
    window->activateWindow();
    window->line()->setFocus();
}

QWidget* scriptConsole()
{
    return slot.shown();
}

void closeScriptConsole()
{
    slot.release();
}
