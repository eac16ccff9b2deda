// PDF checks through poppler-utils (pdfinfo, pdftotext), which the test command installs.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace shelltest {

inline QString runTool(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(30000);
    if (ok) *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page count pdfinfo reads from the file; -1 when it cannot read it.
inline int pdfPageCount(const QString& path) {
    bool ok = false;
    const QString info = runTool(QStringLiteral("pdfinfo"), {path}, &ok);
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return ok && match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The PDF's text in reading order, pages separated by form feeds.
inline QString pdfText(const QString& path) {
    return runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

}  // namespace shelltest
