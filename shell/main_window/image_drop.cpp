#include "shell/main_window/image_drop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "shell/main_window/open_image.h"
#include "shell/session/error_report.h"

namespace {

// The one local file of the drop, if that is what it carries.
QString droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

class DropFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::DragEnter) {
            auto* enter = static_cast<QDragEnterEvent*>(event);
            if (!droppedFile(enter->mimeData()).isEmpty())
                enter->acceptProposedAction();
            return true;
        }
        if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            const QString file = droppedFile(drop->mimeData());
            if (file.isEmpty())
                return true;
            drop->acceptProposedAction();
            // After the drop has ended: opening may ask questions in boxes of its own.
            const std::string path = QFile::encodeName(file).toStdString();
            QTimer::singleShot(0, [path] {
                try {
                    openAnotherImage(path);
                } catch (...) {
                    deferFatalError(std::current_exception());
                }
            });
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void acceptDroppedImages(QWidget& window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(new DropFilter(&window));
}
