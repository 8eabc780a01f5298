#include "support/testmain.h"

#include "platform/fakeplatform.h"
#include "printing/gui/reportpreview.h"
#include "support/childprocess.h"
#include "ui/dialogs.h"
#include "ui/guardedapplication.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace testing {
std::vector<Factory>& registry() {
    static std::vector<Factory> factories;
    return factories;
}

namespace {
std::unique_ptr<FakePlatform> platform;
}

FakePlatform& freshPlatform() {
    platform = std::make_unique<FakePlatform>();
    Platform::install(platform.get());
    return *platform;
}

void Test::init() {
    Dialogs::reset();
    printing::ReportPreview::reset();
}

void Test::cleanup() {
    QStringList problems;
    for (const Dialogs::Asked& asked : Dialogs::unanswered())
        problems << QStringLiteral("asked without an answer (%1): %2").arg(asked.kind, asked.text);
    if (Dialogs::queued() > 0)
        problems << QStringLiteral("%1 queued answer(s) never asked for").arg(Dialogs::queued());
    Dialogs::reset();
    if (!problems.isEmpty())
        QFAIL(qPrintable(problems.join(QStringLiteral("; "))));
}
} // namespace testing

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication app(argc, argv);
    // One test class, one program: a single test function can be run on its own.
    if (testing::registry().size() != 1) {
        std::fprintf(stderr, "a test program holds exactly one test class, this one %zu\n",
                     testing::registry().size());
        return 2;
    }
    testing::freshPlatform();
    Dialogs::setTestMode(true);
    printing::ReportPreview::setTestMode(true);
    const int roleEnd = testing::runRoleIfAsked(argc, argv);
    if (roleEnd >= 0) {
        Platform::install(nullptr);
        return roleEnd;
    }
    std::unique_ptr<QObject> test(testing::registry().front()());
    const int failures = QTest::qExec(test.get(), argc, argv);
    test.reset();
    Platform::install(nullptr);
    return failures == 0 ? 0 : 1;
}
