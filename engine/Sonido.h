// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The six sound cues, named after their WAV files.
enum class Sonido { Cagonto, Empieza, Direccion, Ayuda, Objeto, Ver };

inline constexpr Sonido TodosLosSonidos[] = {Sonido::Cagonto, Sonido::Empieza, Sonido::Direccion,
                                             Sonido::Ayuda,   Sonido::Objeto,  Sonido::Ver};

// "Cagonto", "Empieza", ...: the file is this name plus ".wav".
const char *nombreSonido(Sonido s);
