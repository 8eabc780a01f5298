#pragma once

#include <QObject>
#include <QTest>
#include <functional>
#include <vector>

// Every test class of an area registers itself; the area's program runs them all.
namespace testing {
using Factory = std::function<QObject*()>;
std::vector<Factory>& registry();
struct Registrar {
    explicit Registrar(Factory factory) { registry().push_back(std::move(factory)); }
};
} // namespace testing

#define TABULOX_TEST(Class)                                                                        \
    static testing::Registrar registrar_##Class([]() -> QObject* { return new Class; });

class FakePlatform;
namespace testing {
// The platform every test runs on, put back to its starting answers.
FakePlatform& freshPlatform();
} // namespace testing
