#include "support/childprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QTest>
#include <cstdio>
#include <iostream>
#include <string>

namespace testing {

namespace {
const char* const kRoleVariable = "TABULOX_TEST_ROLE";

QHash<QString, Role>& roles() {
    static QHash<QString, Role> all;
    return all;
}

void startRole(QProcess& process, const QString& role, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kRoleVariable), role);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(), arguments);
    if (!process.waitForStarted(30000))
        QTest::qFail(qPrintable("the child process did not start: " + process.errorString()),
                     __FILE__, __LINE__);
}

int finishProcess(QProcess& process) {
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}
} // namespace

RoleRegistrar::RoleRegistrar(const char* name, Role role) {
    roles().insert(QString::fromLatin1(name), std::move(role));
}

int runRoleIfAsked(int argc, char** argv) {
    const QString name = qEnvironmentVariable(kRoleVariable);
    if (name.isEmpty())
        return -1;
    const auto found = roles().constFind(name);
    if (found == roles().constEnd()) {
        std::fprintf(stderr, "no role %s in this test program\n", qPrintable(name));
        return 2;
    }
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return found.value()(arguments);
}

int serveCommands(const std::function<QString(const QString&)>& answer) {
    std::string line;
    while (std::getline(std::cin, line)) {
        const QString reply = answer(QString::fromStdString(line).trimmed());
        std::cout << reply.toStdString() << std::endl;
    }
    return 0;
}

Child::Child(const QString& role, const QStringList& arguments) {
    startRole(process_, role, arguments);
}

Child::~Child() {
    if (process_.state() != QProcess::NotRunning)
        kill();
}

QString Child::ask(const QString& command, int seconds) {
    process_.write(command.toUtf8() + '\n');
    QElapsedTimer clock;
    clock.start();
    while (!process_.canReadLine()) {
        const qint64 left = seconds * 1000 - clock.elapsed();
        if (left <= 0 || process_.state() == QProcess::NotRunning ||
            !process_.waitForReadyRead(int(left))) {
            if (!process_.canReadLine()) {
                QTest::qFail(qPrintable("no answer to " + command), __FILE__, __LINE__);
                return QString();
            }
        }
    }
    return QString::fromUtf8(process_.readLine()).trimmed();
}

void Child::kill() {
    process_.kill();
    process_.waitForFinished(30000);
}

int Child::finish() {
    return finishProcess(process_);
}

int runRole(const QString& role, const QStringList& arguments) {
    QProcess process;
    startRole(process, role, arguments);
    return finishProcess(process);
}

} // namespace testing
