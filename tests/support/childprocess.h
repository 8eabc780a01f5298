#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

// Parts of a test that must run in another process (another program on the same book): the
// test program started again with a role instead of its tests. A role reads one command a line
// from its input and answers each with one line.
namespace testing {

using Role = std::function<int(const QStringList& arguments)>;
struct RoleRegistrar {
    RoleRegistrar(const char* name, Role role);
};
// The role this program was started for, run; -1 when it was started for its tests.
int runRoleIfAsked(int argc, char** argv);

// Answers commands until the input ends; answer gives the reply line of each.
int serveCommands(const std::function<QString(const QString& command)>& answer);

// A role of this test program running in a child process.
class Child {
public:
    Child(const QString& role, const QStringList& arguments = {});
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Sends a command and waits for its reply line (a failed wait fails the test).
    QString ask(const QString& command, int seconds = 60);
    qint64 pid() const { return process_.processId(); }
    // Ends the child at once, as kill -9 does.
    void kill();
    // Closes its input and waits for it to end; its exit code (-1 when it did not end well).
    int finish();

private:
    QProcess process_;
};

// Runs a role to its end with no commands; its exit code.
int runRole(const QString& role, const QStringList& arguments);

} // namespace testing

#define TABULOX_TEST_ROLE(name, function)                                                          \
    static testing::RoleRegistrar role_registrar_##function(name, function);
