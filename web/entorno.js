// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// jubo-texto.js sees node's environment (HOME, XDG_DATA_HOME), as the native program sees its own:
// emscripten gives a program a made-up one otherwise.
Module["preRun"] = [function () { Object.assign(ENV, process.env); }];
