// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sitios.h"

// The map is a line: Cercanías - Entrada - Cuarto - Comedor - Jardín - Parque.
const std::array<Sitio, 6> Sitios = {{
    {"Entrada",
     "Entrada.jpg",
     {.PaLante = true, .Patras = true},
     {"Es la  entrada a la casa der Gorvil, alias 'Er Bolco'. Por esta zona tié que haber una "
      "bomba escondia"}},
    {"Cuarto",
     "cuarto.jpg",
     {.Izquierda = true, .Patras = true},
     {"Guau ... Er Bolco tenía una casa mu bonita chaval ...",
      "¡Coño!, ¡¡un poster de los Rockalitos y otro de Trombix!!",
      "Tambié veo un tiléfono, una pistola y una lámpara. Joé, la mesa ta hecha de madera cara "
      "..."}},
    {"Comedor",
     "comedor.jpg",
     {.Derecha = true, .Izquierda = true},
     {"Puedo vel, una televisión que aparentemente no funciona ... ¿Otra lámpara?, joé ...",
      "Tamié veo, un emparedado de garbanzos y jamón, una agenda, y un poster de la 'Bioconda' "
      "esa ..."}},
    {"Jardín",
     "jardin.jpg",
     {.Derecha = true, .Izquierda = true},
     {"Estoy en er patio, está to lleno de plantas, entre ellas pueo destacá:",
      "Unas macetas, que parecen no estar mu regás desde hase mucho tiempo, un pequeño cactus, un "
      "árbol, y",
      "una pelota ar fondo, desas que se usas pa la playa ..."}},
    {"Parque",
     "Parque.jpg",
     {.Derecha = true},
     {"Sigue siendo er patio, en esta sona hay poca cosa:", "Un banco, y una bicicleta ..."}},
    {"Cercanías",
     "Cercanias.gif",
     {.Patras = true},
     {"Aquí sólo está er monumento que er 'Bolco' mandó poné el año pasao",
      "Sinseramente, es un monumento un poco raro, ¿no?"}},
}};

static constexpr Movimiento tablaMovimientos[] = {
    {Boton::PaLante, Entrada, Cuarto},   {Boton::Patras, Entrada, Cercanias},
    {Boton::Patras, Cuarto, Entrada},    {Boton::Patras, Cercanias, Entrada},
    {Boton::Izquierda, Cuarto, Comedor}, {Boton::Izquierda, Comedor, Jardin},
    {Boton::Izquierda, Jardin, Parque},  {Boton::Derecha, Comedor, Cuarto},
    {Boton::Derecha, Jardin, Comedor},   {Boton::Derecha, Parque, Jardin},
};

const std::span<const Movimiento> Movimientos = tablaMovimientos;
