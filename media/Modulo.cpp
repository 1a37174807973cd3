// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The entry point of the jubo_altavoz module, found by name when Module1 loads it.
#include "Altavoz.h"
#include "Module1.h"

// A player for the cues of the program in carpetaPrograma. It lives as long as the process: the
// module is never unloaded, and a teardown at exit could only wait on the audio system.
extern "C" Q_DECL_EXPORT Module1::Salida *jubo_altavoz_crear(const QString &carpetaPrograma) {
    auto *altavoz = new Altavoz(carpetaPrograma);
    return new Module1::Salida([altavoz](Sonido s) { altavoz->tocar(s); });
}
