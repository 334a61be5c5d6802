#include "shell/script/script_thread.h"

#include "shell/script/script_session.h"

ScriptThread::ScriptThread(EDITOR& editor) : worker_(new QObject)
{
    worker_->moveToThread(&thread_);
    thread_.start();
    QMetaObject::invokeMethod(
        worker_, [this, &editor] { session_ = makeScriptSession(editor); }, Qt::BlockingQueuedConnection);
}

ScriptThread::~ScriptThread()
{
    interrupt();
    QMetaObject::invokeMethod(
        worker_,
        [this] {
            session_.reset();
            delete worker_;
        },
        Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void ScriptThread::post(std::function<void(ScriptSession&)> task, QObject* context, std::function<void()> done)
{
    QMetaObject::invokeMethod(worker_, [this, task = std::move(task), context, done = std::move(done)] {
        task(*session_);
        QMetaObject::invokeMethod(context, done, Qt::QueuedConnection);
    });
}

void ScriptThread::interrupt()
{
    if (session_)
        session_->interrupt();
}
