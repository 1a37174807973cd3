// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The first room. The drawer ladder gives the mallet first and the nail only once the mallet is
// held.
#include "../Reglas.h"

static constexpr Regla tabla[] = {
    {.patrones = {"LLAMAR TELEFONO"},
     .respuesta = {"Andispué llamaré a mi tía Rufelinda, a vel que se cuenta ..."}},
    {.patrones = {"USAR TELEFONO"},
     .respuesta = {"Andispué llamaré a mi tía Rufelinda, a vel que se cuenta ..."}},
    {.patrones = {"MIRAR TELEFONO"},
     .respuesta = {"¿A quién se locurre comprá un teléfono blanco?"}},
    {.patrones = {"COGER TELEFONO"},
     .respuesta = {"¿A quién se locurre comprá un teléfono blanco?"}},
    {.patrones = {"MIRAR PISTOLA", "MIRAR ARMA"},
     .respuesta = {"Está descargá, y mu oxidá, seguramente ni disparará siquiera."}},
    {.patrones = {"USAR PISTOLA", "USAR ARMA"},
     .respuesta =
         {"¿¿Si no tié bala, como la uso??, ademá, yo toy buscando una bomba y no una pistola",
          "De toas maneras, si no tubiera tan oxidá, la cogería, seguro que no sirve pa na "
          "siquiera"}},
    {.patrones = {"COGER PISTOLA", "COGER ARMA"},
     .respuesta = {"Si tubiera cargá la cogería, pero así, ¿¿pa que??", "Ademá, ta mu oxidá ..."}},
    {.patrones = {"MIRAR LAMPARA"}, .respuesta = {"Tan cendia ..."}},
    {.patrones = {"USAR LAMPARA", "APAGAR LAMPARA"},
     .respuesta = {"Yas tan cendia, y no la via pagar"}},
    {.patrones = {"COGER LAMPARA"}, .respuesta = {"No la necesito pa na, entodavía"}},
    {.patrones = {"MIRAR MESA"},
     .condicion = {Si(&Estado::MazoCogido)},
     .respuesta = {"Parese que la mesa está hecha de madera de la buena ..."}},
    {.patrones = {"MIRAR MESA"}, .respuesta = {"Hay un cajón que llama la atensión ..."}},
    {.patrones = {"MIRAR CAJON", "USAR CAJON"},
     .condicion = {Si(&Estado::ClavoEncontrado)},
     .respuesta = {"No hay nada má que interesé ..."}},
    {.patrones = {"MIRAR CAJON", "USAR CAJON"},
     .condicion = {Si(&Estado::TieneMazo)},
     .respuesta = {"¡Coño!, no había visto que aparte del mazo, había un clavo, lo cogeré ..."},
     .efectos = {Pon(&Estado::ClavoEncontrado), Pon(&Estado::TieneClavo)}},
    {.patrones = {"MIRAR CAJON", "USAR CAJON"},
     .respuesta = {"¡Hay un mazo! ... Pos mu bién, ¿no?"}},
    {.patrones = {"COGER MAZO"},
     .respuesta = {"Vale, ya tengo el mazo"},
     .efectos = {Pon(&Estado::TieneMazo), Pon(&Estado::MazoCogido)}},
    {.patrones = {"COGER CLAVO"},
     .condicion = {Si(&Estado::TieneClavo)},
     .respuesta = {"¡Ya lo tengo pisshhaa! ..."}},
    {.patrones = {"MIRAR POSTER"},
     .respuesta = {"Hay dos posters, uno de Trombix y otro de los Rockalitos.",
                   "Dos grandes grupos musicales ..."}},
    {.patrones = {"MIRAR SILLA"}, .respuesta = {"Mu bonita, seguro que vale mu cara"}},
    {.patrones = {"USAR SILLA", "SENTAR SILLA", "SENTARSE SILLA"},
     .respuesta = {"Este no es er momento de descansal"}},
};

const std::span<const Regla> ReglasCuarto = tabla;
