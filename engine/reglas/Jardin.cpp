// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The garden: digging in the pots finds the screwdriver, which can be taken only after that.
#include "../Reglas.h"

static constexpr Regla tabla[] = {
    {.patrones = {"SACAR ARENA", "COGER ARENA", "QUITAR ARENA", "EXTRAER ARENA"},
     .respuesta = {"¡Coño!, hay enterrao un destornillador aquí, joé, que sitio más extraño para "
                   "guardar algo, ¿no?"},
     .efectos = {Pon(&Estado::DestornilladorVisto)}},
    {.patrones = {"MIRAR MACETA", "MIRAR MACETAS"},
     .respuesta = {"Tienen mucha arena, ¿no será eso malo pa las macetas?"}},
    {.patrones = {"COGER DESTORNILLADOR"},
     .condicion = {Si(&Estado::DestornilladorVisto)},
     .respuesta = {"Pos vale, ya tengo el destornillador"},
     .efectos = {Pon(&Estado::TieneDestornillador)}},
    {.patrones = {"MIRAR ARENA"},
     .respuesta = {"Hay demasiá arena en estas macetas, ¿por qué será?"}},
    {.patrones = {"COGER MACETA", "COGER MACETAS"},
     .respuesta = {"¡Tiiio, eso pesa mucho pa guardarlo en er borsillo!"}},
    {.patrones = {"SACAR TIERRA", "COGER TIERRA", "QUITAR TIERRA", "EXTRAER TIERRA"},
     .respuesta = {"¡Coño!, hay enterrao un destornillador aquí, joé, que sitio más extraño para "
                   "guardar algo, ¿no?"},
     .efectos = {Pon(&Estado::DestornilladorVisto)}},
    {.patrones = {"MIRAR PELOTA"},
     .respuesta = {"Pué una simple pelota desas de jugá en la playa"}},
    {.patrones = {"MIRAR PELOTITA"},
     .respuesta = {"Pué una simple pelota desas de jugá en la playa"}},
    {.patrones = {"COGER PELOTA", "COGER PELOTITA"},
     .respuesta = {"No me hase farta una pelota desas, yo ya tengo muchas en mi casa"}},
    {.patrones = {"MIRAR CACTUS", "COGER CACTUS"},
     .respuesta = {"Joé, tiene que pinchá como er demonio, mejol ni lo toco ..."}},
    {.patrones = {"MIRAR ARBOL"}, .respuesta = {"¡¡¡Este pol-lomeno tiene ... 2000 años!!!"}},
};

const std::span<const Regla> ReglasJardin = tabla;
