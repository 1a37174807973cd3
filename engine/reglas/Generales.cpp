// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Rules that hold in every place, tried after the place's own table.
#include "../Reglas.h"

static constexpr Regla tabla[] = {
    {.patrones = {"VACILAR"}, .efectos = {Vacila}},
    {.patrones = {"SALIR"}, .efectos = {Termina}, .disparo = Disparo::SinLimpiar},
    {.patrones = {"MIRAR MAZO"},
     .condicion = {Si(&Estado::TieneMazo)},
     .respuesta = {"Un mazo bastante gordo y fuelte, joé, si te da esto en er deo, te",
                   "escamocha pa toa la vida"}},
    {.patrones = {"MIRAR TORNILLO"},
     .condicion = {Si(&Estado::TieneTornillo)},
     .respuesta = {"Ahora la bisicleta no tendrá sillín, ya que este tornillo era el que",
                   "taba ahí aguantado ..."}},
    {.patrones = {"MIRAR DESTORNILLADOR"},
     .condicion = {Si(&Estado::TieneDestornillador)},
     .respuesta = {"Es el destornillador que me encontré enterrao en la maseta"}},
    {.patrones = {"MIRAR CLAVO"},
     .condicion = {Si(&Estado::TieneClavo)},
     .respuesta = {"Pocas veces he visto un clavo tan gordo y largo como este ...",
                   "Se parecen a esos que le clavaron al Bertildo aquel en las manos ..."}},
};

const std::span<const Regla> ReglasGenerales = tabla;
