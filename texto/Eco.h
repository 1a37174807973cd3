// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// The echo "> line" of an input line, made harmless for a terminal: written raw, an escape
// sequence in piped input would clear the screen, move the cursor or retitle the window. Control
// characters are shown as ^X (^[ for Escape, ^? for Delete; a tab stays a tab), and C1 controls and
// bytes that are not UTF-8 as U+FFFD. A carriage return ending the line is dropped, as in the
// transcript's echo.
std::string ecoParaTerminal(std::string_view linea);
