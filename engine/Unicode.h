// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// NFC, then full upper-casing (ß -> SS): unit for unit what Qt 6.4's
// QString::normalized(QString::NormalizationForm_C).toUpper() gives, slips included. Qt leaves
// the unit after a composed supplementary character out of composition; and once upper-casing has
// begun, at the first character whose case changes, it writes lone surrogates as U+FFFD, except
// trailing high surrogates while no character has grown. Time grows with the length, not its
// square.
std::u16string mayusculasNfc(std::u16string_view texto);

// Full upper-casing alone, as QString::toUpper gives it on a temporary: for patterns, which are
// compared as written.
std::u16string mayusculasSinNfc(std::u16string_view texto);

// Canonical combining class of a code point (0 for anything unassigned or out of range).
int claseCombinacion(char32_t c);
