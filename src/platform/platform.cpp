#include "platform/platform.h"

#include "platform/fakeplatform.h"

namespace {
Platform* installed = nullptr;
} // namespace

Platform& Platform::instance() {
    if (installed)
        return *installed;
    // Nothing installed (a core tool, a benchmark): a platform that does nothing.
    static FakePlatform quiet;
    return quiet;
}

void Platform::install(Platform* platform) { installed = platform; }
