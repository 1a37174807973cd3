// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// The little of Unicode the matcher needs. Lone surrogates pass through unchanged.

// NFC, then full upper-casing (ß becomes SS).
std::u16string mayusculasNfc(std::u16string_view texto);
// Full upper-casing alone.
std::u16string mayusculas(std::u16string_view texto);
// The canonical combining class of a code point; 0 outside Unicode.
int claseCombinacion(char32_t c);
