#include "shell/windows/script_console_window.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVBoxLayout>

#include "shell/windows/panel_dock.h"
#include "shell/windows/script_runs.h"
#include "shell/windows/user_input_follow_up.h"

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 360;

class ScriptConsoleWindow : public QWidget {
    Q_OBJECT

public:
    explicit ScriptConsoleWindow(QWidget* parent) : QWidget(parent)
    {
        log_ = new QPlainTextEdit(this);
        log_->setReadOnly(true);
        log_->setFont(QFont("monospace"));
        line_ = new QLineEdit(this);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(log_);
        layout->addWidget(line_);
        resize(kWidth, kHeight);
        connect(line_, &QLineEdit::returnPressed, this, &ScriptConsoleWindow::evaluate);
        setScriptOutput([this](const QString& text, bool isError) { append(text, isError); });
        retranslate();
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
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QWidget::changeEvent(event);
    }

private:
    void retranslate()
    {
        setWindowTitle(tr("Script Console"));
        line_->setPlaceholderText(tr("JavaScript, such as editor.stage(0).objects().length"));
    }

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

QPointer<ScriptConsoleWindow> console;

}  // namespace

QWidget* makeScriptConsole(QWidget* parent)
{
    console = new ScriptConsoleWindow(parent);
    // Typing starts at the line whenever the panel gets the focus.
    console->setFocusProxy(console->line());
    return console;
}

QWidget* scriptConsole()
{
    return console && panelShown(console) ? console.data() : nullptr;
}

#include "script_console_window.moc"
