#include "desktop_process.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

ProcessResult RunProcess(const QString& program, const QStringList& args,
                         const QStringList& environment) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const QString& entry : environment)
        env.insert(entry.section('=', 0, 0), entry.section('=', 1));
    p.setProcessEnvironment(env);
    p.start(program, args);
    ProcessResult result;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return result;
    result.exitCode = p.exitCode();
    result.out = QString::fromUtf8(p.readAllStandardOutput());
    result.err = QString::fromUtf8(p.readAllStandardError());
    return result;
}

bool HaveTool(const QString& name) {
    return !QStandardPaths::findExecutable(name).isEmpty();
}

QString CorpusFile(const QString& relative) {
    const QFileInfo file(QStringLiteral(KORVEL_CORPUS_DIR "/") + relative);
    return file.isFile() ? file.absoluteFilePath() : QString();
}
