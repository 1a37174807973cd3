// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The street before the villain's house. The car is the goal: mallet, nail and the monument's
// message together win the game; the first two alone only get the near miss.
#include "../Reglas.h"

static constexpr Regla tabla[] = {
    {.patrones = {"USAR MAZO CLAVO COCHE"},
     .condicion = {Si(&Estado::MensajeLeido), Si(&Estado::TieneMazo), Si(&Estado::TieneClavo)},
     .efectos = {Suena(Sonido::Ayuda), Gana}},
    {.patrones = {"USAR MAZO CLAVO COCHE"},
     .condicion = {Si(&Estado::TieneMazo), Si(&Estado::TieneClavo)},
     .respuesta = {"Ché, podría abrí la puerta con eso, pero ... ¿Pa qué destrosá un coche tan "
                   "bonito ...?, ¿¿Pa na??"}},
    {.patrones = {"MIRAR COCHE"},
     .respuesta = {"Joé, tiene las puertas soldadas, y los cristales son anti-robos"}},
    {.patrones = {"MIRAR CASA"},
     .respuesta = {"Unas ventanas mu bonitas, a lo mejor las robo más tarde y me las quedo"}},
    {.patrones = {"ABRIR CASA"}, .respuesta = {"¿¿No sería mejó entrá en ella??"}},
    {.patrones = {"ENTRAR CASA"}, .respuesta = {"Mejó usa los botones que hay a tu derecha ..."}},
    {.patrones = {"ABRIR COCHE"},
     .respuesta = {"Si las puertas nos tubieran soldá, lo podría abrí"}},
    {.patrones = {"MIRAR ARBOL"}, .respuesta = {"¡¡Coño, tendrá pol lomenos ... 1000 años!!"}},
};

const std::span<const Regla> ReglasEntrada = tabla;
