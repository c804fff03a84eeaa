#pragma once

#include "simulator/CallLog.h"
#include "simulator/FailureRules.h"
#include "simulator/InterfaceUnit.h"

namespace sim {

// Everything the library simulates, shared by the D2XX entry points and the control interface.
struct Simulation {
    InterfaceUnit unit;
    CallLog log;
    FailureRules failures;

    void Reset();
};

// The process's one simulation. It is never destroyed: the program closes the device from its
// own exit handlers, which may run after this library's static objects would be gone.
Simulation& TheSimulation();

} // namespace sim
