// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The monument street: screw and screwdriver together reveal the message and show the hint.
#include "../Reglas.h"

static constexpr Regla tabla[] = {
    {.patrones = {"USAR TORNILLO DESTORNILLADOR MONUMENTO",
                  "USANDO TORNILLO DESTORNILLADOR MONUMENTO"},
     .condicion = {Si(&Estado::TieneTornillo), Si(&Estado::TieneDestornillador)},
     .respuesta = {"¡Coño!, er 'Bolco' ha dejao un mensaje ..."},
     .efectos = {EnsenaPista, Pon(&Estado::MensajeLeido)},
     .disparo = Disparo::EfectosYLineas},
    {.patrones = {"ACCIONAR MONUMENTO TORNILLO DESTORNILLADOR"},
     .condicion = {Si(&Estado::TieneTornillo), Si(&Estado::TieneDestornillador)},
     .respuesta = {"¡Coño!, er 'Bolco' ha dejao un mensaje ..."},
     .efectos = {EnsenaPista, Pon(&Estado::MensajeLeido)},
     .disparo = Disparo::EfectosYLineas},
    {.patrones = {"USAR TORNILLO MONUMENTO"},
     .condicion = {Si(&Estado::TieneTornillo)},
     .respuesta = {"María falta argo pa apretal el tornillo, si no no hago na."}},
    {.patrones = {"USAR DESTORNILLADOR MONUMENTO"},
     .condicion = {Si(&Estado::TieneDestornillador)},
     .respuesta = {"Tindría que tener argo pa apretar, ¿no crééé?"}},
    {.patrones = {"MIRAR MONUMENTO"},
     .respuesta = {"Es un monumento desos que hay ahora, que accionando a",
                   "un botón, te sale un mensaje de texto. Sólo queste no tie",
                   "botón pa accionarlo"}},
    {.patrones = {"ACCIONAR MONUMENTO", "ENCENDER MONUMENTO", "ENCHUFAR MONUMENTO",
                  "USAR MONUMENTO", "ACCIONA MONUMENTO"},
     .respuesta =
         {"No tiene ningún botón pa accionarlo, se ve quel 'Bolco' se lo ha cargado.",
          "Tal vé, si le pusiéramo un tornillito ande se supone que tendría questá er botón,",
          "se accionaral monumento ... ¿quién sabe?, sería probá ..."}},
    {.patrones = {"ACCIONAR BOTON", "USAR BOTON", "APRETAR BOTON", "APRIETA BOTON"},
     .respuesta =
         {"No tiene ningún botón pa accionarlo, se ve quel 'Bolco' se lo ha cargado.",
          "Tal vé, si le pusiéramo un tornillito ande se supone que tendría questá er botón,",
          "se accionaral monumento ... ¿quién sabe?, sería probá ..."}},
};

const std::span<const Regla> ReglasCercanias = tabla;
