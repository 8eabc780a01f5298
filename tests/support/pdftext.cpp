#include "support/pdftext.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace testing {

QString pdfPageText(const QString& pdf, int page) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                QString::number(page), QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return QString();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

int pdfPageCount(const QString& pdf) {
    int pages = 0;
    while (!pdfPageText(pdf, pages + 1).isEmpty())
        ++pages;
    return pages;
}

bool hasPdfText() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

} // namespace testing
