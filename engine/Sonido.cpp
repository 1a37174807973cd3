// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sonido.h"

const char *nombreSonido(Sonido s) {
    switch (s) {
    case Sonido::Cagonto: return "Cagonto";
    case Sonido::Empieza: return "Empieza";
    case Sonido::Direccion: return "Direccion";
    case Sonido::Ayuda: return "Ayuda";
    case Sonido::Objeto: return "Objeto";
    case Sonido::Ver: return "Ver";
    }
    return "";
}
