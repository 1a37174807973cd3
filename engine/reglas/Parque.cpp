// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The far end of the garden: the bicycle's saddle screw comes out only with the screwdriver.
// "BANCO" has no trailing space, so any order with those letters fires it.
#include "../Reglas.h"

static constexpr Regla tabla[] = {
    {.patrones = {"USAR DESTORNILLADOR TORNILLO"},
     .condicion = {Si(&Estado::TieneDestornillador)},
     .respuesta = {"Perfesto, ya tengo el tornillo"},
     .efectos = {Pon(&Estado::TieneTornillo)}},
    {.patrones = {"BANCO"},
     .respuesta =
         {"Dejemos er banco ahí ande tá, prefiero que la tentasión de sentarme no me agarre"}},
    {.patrones = {"MIRAR BICI"}, .respuesta = {"Parece quer sillín tiene un tornillo flojo"}},
    {.patrones = {"MIRAR SILLIN"}, .respuesta = {"Ya de digo que tié un tornillo suerto"}},
    {.patrones = {"USAR BICI", "MONTAR BICI", "COGER BICI", "MONTA BICI"},
     .respuesta = {"Mejol la dejo ahí ande está, ademá tiene er sillín flojo"}},
    {.patrones = {"MIRAR TORNILLO"}, .respuesta = {"Está casi suelto ... "}},
    {.patrones = {"USAR TORNILLO", "COGER TORNILLO", "AFLOJAR TORNILLO", "QUITAR TORNILLO",
                  "SACAR TORNILLO", "DESENROSCA TORNILLO", "DESENROSCAR TORNILLO", "MUEVE TORNILLO",
                  "DESATORNILLA TORNILLO", "DESATORNILLAR TORNILLO"},
     .respuesta = {"Sólo con los deos no puedo, nesesito algo para sacarlo"}},
};

const std::span<const Regla> ReglasParque = tabla;
