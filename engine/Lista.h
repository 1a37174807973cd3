// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

// A short list of fixed capacity that can be built from a braced list at compile time, so the
// rule tables stay constant data. Overflowing the capacity is a compile error in a constexpr table.
template <typename T, std::size_t N> class Lista {
  public:
    constexpr Lista() = default;
    constexpr Lista(std::initializer_list<T> valores) {
        for (const T &v : valores)
            elementos_.at(n_++) = v;
    }
    constexpr const T *begin() const { return elementos_.data(); }
    constexpr const T *end() const { return elementos_.data() + n_; }
    constexpr std::size_t size() const { return n_; }
    constexpr bool empty() const { return n_ == 0; }
    constexpr const T &operator[](std::size_t i) const { return elementos_.at(i); }

  private:
    std::array<T, N> elementos_{};
    std::size_t n_ = 0;
};
