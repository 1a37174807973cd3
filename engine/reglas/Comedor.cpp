// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The dining room: scenery only; the diary points the player to the screw, screwdriver and street.
#include "../Reglas.h"

static constexpr Regla tabla[] = {
    {.patrones = {"USAR SILLA", "SENTAR SILLA"},
     .respuesta = {"¡No es el momento de descansal, hay que buscal la bomba!"}},
    {.patrones = {"MIRAR LAMPARA"},
     .respuesta =
         {"Un istilo de lampara mu de moda en el siglo XIX ... Je, je, que listo soy coño"}},
    {.patrones = {"MIRAR TELE", "USAR TELE", "ENCENDER TELE", "APAGAR TELE"},
     .respuesta = {"Está rota ... o simplemente no tengo ganas de ponel-la.",
                   "Ademá, si quieres vel la tele, enciende la de tu casa, cohone ..."}},
    {.patrones = {"MIRAR AGENDA"},
     .respuesta =
         {"Parese quel Bolco ha dejao una pequeña pista sobre ande andará la bomba, pone así:",
          "'Con el tornillo, y el destornillador, a la calle y tendrás la respuesta.'",
          "¿Que conojes querrá dicil eso?"}},
    {.patrones = {"MIRAR POSTER"},
     .respuesta = {"Un retrato de Varuzzi, se llama la Bioconda ... je, je, que listo soy"}},
    {.patrones = {"COGER POSTER"},
     .respuesta = {"¿pa que?, si yo pinto mejores retratos que ese?"}},
    {.patrones = {"MIRAR EMPAREDADO"},
     .respuesta = {"Es de jamón y garbanzos, ¡bag!, odio er jamón ..."}},
    {.patrones = {"MIRAR SANDWICH"},
     .respuesta = {"Es de jamón y garbanzos, ¡bag!, odio er jamón ..."}},
    {.patrones = {"COGER EMPAREDADO", "COMER EMPAREDADO"},
     .respuesta = {"¿Pa qué?, si no tengo ganas de comel, y menos algo que tenga jamón"}},
};

const std::span<const Regla> ReglasComedor = tabla;
