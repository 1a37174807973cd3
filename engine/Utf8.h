// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// Text read from outside and written back, the way Qt converts it, so every front end hands the
// game the same order for the same bytes.

// Each byte that does not start a well-formed UTF-8 sequence (overlong forms, surrogates and
// code points past U+10FFFF included) becomes one U+FFFD; a byte order mark at the start is
// dropped.
std::u16string utf16DeUtf8(std::string_view bytes);

// A lone surrogate becomes '?'.
std::string utf8DeUtf16(std::u16string_view texto);
