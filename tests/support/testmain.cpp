#include "support/testmain.h"

#include "platform/fakeplatform.h"
#include "ui/dialogs.h"
#include "ui/guardedapplication.h"

#include <QApplication>
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
} // namespace testing

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication app(argc, argv);
    testing::freshPlatform();
    Dialogs::setTestMode(true);
    int failures = 0;
    for (const testing::Factory& factory : testing::registry()) {
        std::unique_ptr<QObject> test(factory());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    Platform::install(nullptr);
    return failures == 0 ? 0 : 1;
}
