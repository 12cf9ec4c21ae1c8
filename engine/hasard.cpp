#include "engine/hasard.h"

#include <chrono>
#include <memory>

void reamorcer(Hasard& h) { h.graine = h.horloge(); }

std::uint32_t horlogeSysteme() {
    using namespace std::chrono;
    const auto maintenant = system_clock::now().time_since_epoch();
    const auto ms = duration_cast<milliseconds>(maintenant).count() % (24LL * 3600 * 1000);
    return static_cast<std::uint32_t>(ms);
}

Horloge horlogeDeterministe(std::uint64_t graine) {
    constexpr std::uint32_t jour = 24u * 3600u * 1000u;
    auto instant = std::make_shared<std::uint32_t>(static_cast<std::uint32_t>((graine * 2654435761u) % jour));
    return [instant]() {
        // Each reading moves the clock on by 1 to 7 ms, wrapping at midnight.
        const std::uint32_t t = *instant;
        *instant = (t + 1u + (t * 2246822519u >> 29)) % jour;
        return t;
    };
}
