#include "simulator/Simulation.h"

#include <array>
#include <cstddef>
#include <new>

namespace sim {

void Simulation::Reset() {
    unit.Reset();
    log.Clear();
    failures.Clear();
}

Simulation& TheSimulation() {
    // Built in static storage on first use; nothing ever runs its destructor.
    alignas(Simulation) static std::array<std::byte, sizeof(Simulation)> storage;
    static Simulation* const simulation = new (storage.data()) Simulation();
    return *simulation;
}

} // namespace sim
