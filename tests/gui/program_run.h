#pragma once

// Runs the program itself as a separate process, as a user would from a shell.

#include <functional>

#include <QProcess>
#include <QStringList>

struct ProgramRun {
    int exitCode = -1;  // -1 when it crashed or did not end within 20 s
    QString out;
    QString err;
};

// Runs the program (or another that starts it) with arguments in folder on the
// offscreen platform, with the environment changed by edit.
inline ProgramRun runProgram(const QStringList& arguments, const QString& folder,
                             const std::function<void(QProcessEnvironment&)>& edit = {},
                             const QString& program = QUARRIX_EDITOR_EXE)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    if (edit)
        edit(environment);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
