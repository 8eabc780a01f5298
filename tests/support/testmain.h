#pragma once

#include <QObject>
#include <QTest>
#include <functional>
#include <vector>

// The test class of a program registers itself; the program runs it.
namespace testing {
using Factory = std::function<QObject*()>;
std::vector<Factory>& registry();
struct Registrar {
    explicit Registrar(Factory factory) { registry().push_back(std::move(factory)); }
};

// Every test class derives from this. Each test starts with no dialog answer queued, and
// fails when it leaves a queued answer unused or when a question, input box or file dialog
// was asked that it did not answer; it starts with no report shown (ReportPreview::shown()).
// A class with its own init() or cleanup() calls these.
class Test : public QObject {
    Q_OBJECT
protected slots:
    void init();
    void cleanup();
};
} // namespace testing

#define TABULOX_TEST(Class)                                                                        \
    static testing::Registrar registrar_##Class([]() -> QObject* { return new Class; });

class FakePlatform;
namespace testing {
// The platform every test runs on, put back to its starting answers.
FakePlatform& freshPlatform();
} // namespace testing
