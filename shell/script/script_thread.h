#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QThread>

class EDITOR;
class ScriptSession;

// A ScriptSession on a thread of its own, so that the window stays drawn and can offer
// to stop a script that runs too long. The engine is made, used and destroyed on that
// thread only. While a task runs the application leaves the editor's tables alone.
class ScriptThread {
public:
    explicit ScriptThread(EDITOR& editor);
    ~ScriptThread();
    ScriptThread(const ScriptThread&) = delete;
    ScriptThread& operator=(const ScriptThread&) = delete;

    // Runs task with the session on the thread, then done on the thread of `context`.
    void post(std::function<void(ScriptSession&)> task, QObject* context, std::function<void()> done);
    // Stops the task under way; safe from any thread.
    void interrupt();

private:
    QThread thread_;
    QObject* worker_;  // lives on thread_
    std::unique_ptr<ScriptSession> session_;
};
