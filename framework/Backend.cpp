#include "framework/Backend.h"

#include <cstdlib>

namespace fw {
namespace {
Backend* currentBackend = nullptr;
} // namespace

Backend& CurrentBackend() {
    if (currentBackend == nullptr) {
        // A window operation before the backend started is a programming error.
        std::abort();
    }
    return *currentBackend;
}

void SetCurrentBackend(Backend* backend) {
    currentBackend = backend;
}

} // namespace fw
