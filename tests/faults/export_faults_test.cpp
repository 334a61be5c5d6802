// The picture export of one stage, run once for each file system call it makes with
// that call failing (ENOSPC, EIO, and EINTR where the call can be interrupted): the
// picture is the old file or the complete new one, no temporary file is left, and a
// run that did not write the new picture ends with code 1.

#include <cerrno>
#include <cstring>
#include <fstream>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "demo/demo_image.h"
#include "faults/fault_injection.h"
#include "shell/cli/command_line.h"
#include "shell/cli/stage_export.h"

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putOldPicture(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("an older picture");
}

}  // namespace

class ExportFaultsTest : public QObject {
    Q_OBJECT

private slots:
    void everyFailingCallLeavesTheOldPictureOrTheNewOne()
    {
        QTemporaryDir dir;
        const std::string image = dir.filePath("demo.nes").toStdString();
        writeDemoImage(image);
        const QString picture = dir.filePath("stage-3.png");
        StartOptions options;
        options.romPath = image;
        options.exportPictures = ExportOptions{"3", picture.toStdString(), "0", false};

        // The first run loads fonts and plug-ins, which later runs find loaded.
        QCOMPARE(exportPictures(options), 0);
        const QByteArray newPicture = contents(picture);
        putOldPicture(picture);
        faults::start();
        QCOMPARE(exportPictures(options), 0);
        const std::vector<faults::Call> calls = faults::stop();
        QVERIFY(!calls.empty());
        QCOMPARE(contents(picture), newPicture);

        for (std::size_t k = 1; k <= calls.size(); ++k) {
            std::vector<int> errors{ENOSPC, EIO};
            if (calls[k - 1].interruptible)
                errors.push_back(EINTR);
            for (const int error : errors) {
                const QByteArray where = QByteArray("call ") + QByteArray::number(qulonglong(k)) + " (" +
                    calls[k - 1].function.c_str() + ") failing with " + std::strerror(error);
                putOldPicture(picture);
                faults::start(int(k), error);
                const int exitCode = exportPictures(options);
                faults::stop();
                const QByteArray now = contents(picture);
                QVERIFY2(now == "an older picture" || now == newPicture, where + ": a mixture");
                QVERIFY2(exitCode == 1 || now == newPicture, where + ": failed without a word");
                if (error == EINTR)
                    QVERIFY2(exitCode == 0, where + ": an interrupted call was not tried again");
                const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
                QVERIFY2(left == QStringList({"demo.nes", "stage-3.png"}), where + ": " + left.join(' ').toUtf8());
            }
        }
    }
};

QTEST_MAIN(ExportFaultsTest)
#include "export_faults_test.moc"
