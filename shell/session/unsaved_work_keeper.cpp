#include "shell/session/unsaved_work_keeper.h"

#include <cstdlib>
#include <memory>

#include <QCoreApplication>
#include <QTimer>

#include "shell/session/app_state.h"
#include "shell/session/error_report.h"
#include "state/unsaved_work.h"

namespace {

std::unique_ptr<UnsavedWork> unsavedWork;
std::unique_ptr<QTimer> keepTimer;

// When the toolkit ends the process itself (the X server went away), whatever is
// not kept yet is written on the way out, without a box no one could see.
void keepOnExit()
{
    if (unsavedWork && unsavedWork->writeDue())
        unsavedWork->keep(theEditor);
}

void keepDue()
{
    if (!unsavedWork)
        return;
    if (const auto problem = unsavedWork->keep(theEditor))
        reportKeepFailure(*problem);
}

void schedule()
{
    const auto due = unsavedWork->writeDue();
    if (!due) {
        keepTimer->stop();
        return;
    }
    if (keepTimer->isActive())
        return;  // the first unkept change sets the time; later ones wait with it
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(*due - UnsavedWork::Clock::now());
    keepTimer->start(std::max<int>(0, int(wait.count())));
}

}  // namespace

void startKeepingUnsavedWork(const std::string& imagePath)
{
    static const bool keptOnExit = std::atexit(keepOnExit) == 0;
    (void)keptOnExit;
    theEditor.history.start(theEditor);
    unsavedWork = std::make_unique<UnsavedWork>(imagePath);
    keepTimer = std::make_unique<QTimer>();
    keepTimer->setSingleShot(true);
    QObject::connect(keepTimer.get(), &QTimer::timeout, [] { keepDue(); });
}

void noteUserAction()
{
    if (!unsavedWork)
        return;
    unsavedWork->afterAction(theEditor, UnsavedWork::Clock::now());
    schedule();
}

void keepUnsavedWorkNow()
{
    if (unsavedWork && unsavedWork->writeDue()) {
        keepTimer->stop();
        keepDue();
    }
}

void offerKeptEdits()
{
    // A run no one watches must not wait for an answer, nor take one: the kept edits
    // stay for the next run that can ask.
    if (!unsavedWork || reportsWithoutBoxes())
        return;
    const RecoveryOffer offer = findRecovery(unsavedWork->imagePath(), theEditor);
    switch (offer.kind) {
    case RecoveryOffer::Kind::None: return;
    case RecoveryOffer::Kind::Unusable: reportError(offer.text.c_str()); return;
    case RecoveryOffer::Kind::Restorable:
        const QByteArray restore = QCoreApplication::translate("unsaved_work_keeper", "Restore").toUtf8();
        const QByteArray discard = QCoreApplication::translate("unsaved_work_keeper", "Discard").toUtf8();
        if (QuestionBoxA(boxOwner(), offer.text.c_str(), "Quarrix Editor", restore.constData(), discard.constData()) ==
            IDYES) {
            restoreRecovery(theEditor, offer.file);
            theEditor.host().applySelections();
            noteUserAction();
        } else {
            discardRecovery(unsavedWork->imagePath());
        }
        return;
    }
}

void setUnsavedWorkAside()
{
    if (!unsavedWork)
        return;
    keepTimer->stop();
    if (const auto problem = unsavedWork->keep(theEditor))
        reportKeepFailure(*problem);
    discardRecovery(unsavedWork->imagePath());
}

void stopKeepingUnsavedWork()
{
    keepTimer.reset();
    unsavedWork.reset();
}
