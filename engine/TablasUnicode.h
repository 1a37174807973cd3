// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// The data Unicode.cpp works from, generated from Qt by tools/generar_unicode.cpp into
// TablasUnicode.cpp. A step function holds one entry per run of code points with the same value:
// the run's first code point shifted left by 11 bits, then the value; each run lasts until the
// next entry's first code point, and the first one starts at 0.
namespace tablas_unicode {

// Step function: NFC quick check (0 yes, 1 no, 2 maybe) << 8 | canonical combining class.
extern const std::span<const std::uint32_t> propiedades;

// Canonical decompositions one level deep, sorted: code point << 42 | first << 21 | second (0
// when there is none). Hangul syllables are not here: they come apart by arithmetic.
extern const std::span<const std::uint64_t> descomposiciones;

// Indices into descomposiciones of what NFC composes, sorted by the low 42 bits (the two parts).
extern const std::span<const std::uint16_t> composiciones;

// Step function: index into cambios of the upper case of each code point.
extern const std::span<const std::uint32_t> mayusculas;

// Read as int32: the two low bits are the kind, the rest a number. 0: add the number to every
// code point of the run; 1 and 2: only to those that are even, odd; 3: the upper case is more than
// one character, at that offset in especiales.
extern const std::span<const std::uint32_t> cambios;

// Upper cases of more than one character: a length, then that many UTF-16 units.
extern const std::span<const std::uint16_t> especiales;

} // namespace tablas_unicode
