#include "shell/session/image_lock.h"

#include <exception>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "file/file_name.h"
#include "jcode/readable_name.h"
#include "state/state_folder.h"
#include "text/translation.h"

namespace {

std::unique_ptr<QLockFile> heldLock;

std::string lockFolder()
{
    return stateFolder() + "/locks";
}

}  // namespace

std::optional<ImageLockHolder> lockImage(const std::string& imagePath)
{
    unlockImage();
    try {
        makeStateFolder(lockFolder());
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const QString path = QFile::decodeName((lockFolder() + "/" + imageStateKey(imagePath) + ".lock").c_str());
    auto lock = std::make_unique<QLockFile>(path);
    // Only a lock whose process has died is stale, however old it is.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        heldLock = std::move(lock);
        return std::nullopt;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return std::nullopt;
    ImageLockHolder holder;
    QString host;
    QString application;
    if (!lock->getLockInfo(&holder.process, &host, &application))
        return std::nullopt;  // released between the two looks
    holder.since = QFileInfo(path).lastModified();
    return holder;
}

std::string alreadyOpenQuestion(const std::string& imagePath, const ImageLockHolder& holder)
{
    return fillIn(
        QCoreApplication::translate(
            "image_lock", "%1 is already open in another Quarrix Editor (process %2, since %3). Open it anyway?")
            .toStdString(),
        {readableName(fileNameOf(imagePath)), std::to_string(holder.process),
         holder.since.toLocalTime().toString("yyyy-MM-dd HH:mm:ss").toStdString()});
}

void unlockImage()
{
    heldLock.reset();
}
