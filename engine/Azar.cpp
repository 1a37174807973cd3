// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Azar.h"

#include <chrono>

double sorteoDelReloj() {
    const auto ahora = std::chrono::system_clock::now().time_since_epoch();
    const auto ns = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(ahora).count());
    // One SplitMix64 step from the clock: as good as seeding a fresh mt19937 each time, for a
    // fraction of the cost (that was most of the time spent refusing an order).
    std::uint64_t z = ns + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    // The top 53 bits make a double in [0, 1).
    return double(z >> 11) * 0x1.0p-53;
}
