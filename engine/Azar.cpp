#include "Azar.h"

#include <chrono>

double sorteoDelReloj() {
    const auto ahora = std::chrono::system_clock::now().time_since_epoch();
    const auto ns = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(ahora).count());
    std::mt19937 generador(static_cast<std::uint32_t>(ns ^ (ns >> 32)));
    // mt19937 yields 32 bits; dividing by 2^32 keeps the result below 1.
    return generador() / 4294967296.0;
}
