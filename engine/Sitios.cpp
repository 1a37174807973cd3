// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sitios.h"

#include "Reglas.h"
#include "Textos.h"

// The map is a line: Cercanías - Entrada - Cuarto - Comedor - Jardín - Parque.
const std::array<Sitio, 6> Sitios = {{
    {Entrada,
     "Entrada",
     "Entrada.jpg",
     "La calle ante la casa der Bolco: una casa morada de tejado rojo con el número 13 en la "
     "puerta, una camioneta roja aparcada delante y un árbol viejo con un agujero en el tronco.",
     {{Boton::PaLante, Cuarto}, {Boton::Patras, Cercanias}},
     {"Es la  entrada a la casa der Gorvil, alias 'Er Bolco'. Por esta zona tié que haber una "
      "bomba escondia"},
     ReglasEntrada},
    {Cuarto,
     "Cuarto",
     "cuarto.jpg",
     "Un cuarto con un póster de los Rockalitos y otro de Trombix, una mesa de madera con un "
     "cajón y, encima, un teléfono y una pistola; al lado, una lámpara encendida y una silla.",
     {{Boton::Patras, Entrada}, {Boton::Izquierda, Comedor}},
     {"Guau ... Er Bolco tenía una casa mu bonita chaval ...",
      "¡Coño!, ¡¡un poster de los Rockalitos y otro de Trombix!!",
      "Tambié veo un tiléfono, una pistola y una lámpara. Joé, la mesa ta hecha de madera cara "
      "..."},
     ReglasCuarto},
    {Comedor,
     "Comedor",
     "comedor.jpg",
     "Un comedor: una televisión con la pantalla rota sobre un mueble, un cuadro con un retrato, "
     "una mesa con un emparedado y una agenda roja, una silla azul y una lámpara de pie rosa.",
     {{Boton::Izquierda, Jardin}, {Boton::Derecha, Cuarto}},
     {"Puedo vel, una televisión que aparentemente no funciona ... ¿Otra lámpara?, joé ...",
      "Tamié veo, un emparedado de garbanzos y jamón, una agenda, y un poster de la 'Bioconda' "
      "esa ..."},
     ReglasComedor},
    {Jardin,
     "Jardín",
     "jardin.jpg",
     "Un patio lleno de plantas: tres macetas con arena seca, un pequeño cactus, un árbol con "
     "frutos y una pelota de playa al fondo.",
     {{Boton::Izquierda, Parque}, {Boton::Derecha, Comedor}},
     {"Estoy en er patio, está to lleno de plantas, entre ellas pueo destacá:",
      "Unas macetas, que parecen no estar mu regás desde hase mucho tiempo, un pequeño cactus, un "
      "árbol, y",
      "una pelota ar fondo, desas que se usas pa la playa ..."},
     ReglasJardin},
    {Parque,
     "Parque",
     "Parque.jpg",
     "El fondo del patio: un banco de madera y una bicicleta rosa con el sillín suelto.",
     {{Boton::Derecha, Jardin}},
     {"Sigue siendo er patio, en esta sona hay poca cosa:", "Un banco, y una bicicleta ..."},
     ReglasParque},
    {Cercanias,
     "Cercanías",
     "Cercanias.gif",
     "Una calle con casas de colores, una farola y una paloma; en medio, er monumento: una "
     "escultura rara de bolas, un cubo torcido y un cono con espiral sobre un pedestal de piedra "
     "con una pantallita apagada y un hueco redondo.",
     {{Boton::Patras, Entrada}},
     {"Aquí sólo está er monumento que er 'Bolco' mandó poné el año pasao",
      "Sinseramente, es un monumento un poco raro, ¿no?"},
     ReglasCercanias},
}};

Botones botonesDe(const Sitio &sitio) {
    Botones b;
    for (const Camino &s : sitio.salidas) {
        switch (s.boton) {
        case Boton::Derecha: b.Derecha = true; break;
        case Boton::Izquierda: b.Izquierda = true; break;
        case Boton::PaLante: b.PaLante = true; break;
        case Boton::Patras: b.Patras = true; break;
        }
    }
    return b;
}

bool usable(const Botones &b, Boton boton) {
    switch (boton) {
    case Boton::Derecha: return b.Derecha;
    case Boton::Izquierda: return b.Izquierda;
    case Boton::PaLante: return b.PaLante;
    case Boton::Patras: return b.Patras;
    }
    return false;
}

std::string dondeEstoy(const Sitio &sitio) {
    const Botones b = botonesDe(sitio);
    const std::pair<bool, const char *> salidas[] = {{b.PaLante, NombrePaLante},
                                                     {b.Patras, NombrePatras},
                                                     {b.Derecha, NombreDerecha},
                                                     {b.Izquierda, NombreIzquierda}};
    std::string texto = std::string(sitio.nombre) + ". Salidas: ";
    const char *separador = "";
    for (const auto &[usable, nombre] : salidas) {
        if (usable) {
            texto += separador;
            texto += nombre;
            separador = "; ";
        }
    }
    return texto + ".";
}

const Sitio *destino(std::int16_t desde, Boton boton) {
    if (!lugarValido(desde))
        return nullptr;
    for (const Camino &s : Sitios[desde].salidas)
        if (s.boton == boton)
            return &Sitios[s.hasta];
    return nullptr;
}

std::span<const Regla> reglasDe(std::int16_t lugar) {
    return lugarValido(lugar) ? Sitios[lugar].reglas : std::span<const Regla>();
}
