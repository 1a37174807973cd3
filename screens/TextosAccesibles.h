// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

// What a screen reader says for things that are only seen: the pictures and the arrows of the
// direction buttons.

// Each place's picture, in place order (Entrada, Cuarto, Comedor, Jardín, Parque, Cercanías).
inline constexpr std::array<const char *, 6> DescripcionesDibujos = {
    "La calle ante la casa der Bolco: una casa morada de tejado rojo con el número 13 en la "
    "puerta, una camioneta roja aparcada delante y un árbol viejo con un agujero en el tronco.",
    "Un cuarto con un póster de los Rockalitos y otro de Trombix, una mesa de madera con un "
    "cajón y, encima, un teléfono y una pistola; al lado, una lámpara encendida y una silla.",
    "Un comedor: una televisión con la pantalla rota sobre un mueble, un cuadro con un retrato, "
    "una mesa con un emparedado y una agenda roja, una silla azul y una lámpara de pie rosa.",
    "Un patio lleno de plantas: tres macetas con arena seca, un pequeño cactus, un árbol con "
    "frutos y una pelota de playa al fondo.",
    "El fondo del patio: un banco de madera y una bicicleta rosa con el sillín suelto.",
    "Una calle con casas de colores, una farola y una paloma; en medio, er monumento: una "
    "escultura rara de bolas, un cubo torcido y un cono con espiral sobre un pedestal de piedra "
    "con una pantallita apagada y un hueco redondo.",
};

inline constexpr const char *DescripcionLogo =
    "El título, Las rozozerad der Jubo, sobre un estallido de tebeo amarillo y rojo, con una "
    "gorra de policía y una bomba con la mecha encendida.";

inline constexpr const char *DescripcionRetrato =
    "Er Jubo, poli novato con gorra, guiña un ojo con sonrisa de pillo; debajo, su mote.";

// The direction buttons as a listener understands them; on screen they keep their captions.
inline constexpr const char *NombrePaLante = "Pa' Lante";
inline constexpr const char *NombrePatras = "Pa' Tras";
inline constexpr const char *NombreDerecha = "Pa' ya, a la derecha";
inline constexpr const char *NombreIzquierda = "Pa' Ca, a la izquierda";
