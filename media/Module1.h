// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Sonido.h"

#include <QString>
#include <QStringList>
#include <functional>

// The six sound cues. Each starts its WAV file and returns at once; a new cue cuts off the one
// still playing; a missing or unplayable file, or no audio device, is simply silence.
namespace Module1 {

void Cagonto();
void Empieza();
void Direccion();
void Ayuda();
void Objeto();
void Ver();

// Plays the cue named by s (the six functions above all come here).
void tocar(Sonido s);

// Where cues go. Empty means the real loudspeaker: the sound plug-in, played on a thread of its
// own (HiloSonido.h) that is started, and the plug-in loaded, on the first cue, so that starting
// the program loads no audio library and opens no device. Tests put a recorder here. Returns the
// previous one.
using Salida = std::function<void(Sonido)>;
Salida ponerSalida(Salida nueva);

// The WAV file of a cue: Archivos/Sonidos beside the executable, else in the installed data
// folder (<prefix>/share/jubo beside <prefix>/bin). Empty when neither exists.
QString ficheroSonido(Sonido s, const QString &carpetaPrograma);

// Where the sound plug-in is looked for, in order: beside the executable (the build tree), then
// in the installed <libdir>/jubo.
QStringList sitiosAltavoz(const QString &carpetaPrograma);

// Waits up to `ms` milliseconds for the newest cue to reach the real loudspeaker (loading the
// plug-in on the way); whether it has.
bool esperar(int ms);

} // namespace Module1
