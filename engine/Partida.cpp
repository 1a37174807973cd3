// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Partida.h"

#include "Coincide.h"
#include "Reglas.h"
#include "Sitios.h"

#include <algorithm>

Partida::Partida(Pantalla &pantalla, Sorteo sorteo)
    : pantalla_(pantalla), sorteo_(std::move(sorteo)) {}

void Partida::Cargar() {
    // Like any other place, the entrance sends its picture; a screen that already shows it may
    // keep the one it has.
    if (lugarValido(estado_.Lugar))
        pantalla_.cargarDibujo(Sitios[estado_.Lugar].dibujo);
    EntrarLugar();
}

void Partida::EntrarLugar() {
    if (!lugarValido(estado_.Lugar))
        return;
    const Sitio &sitio = Sitios[estado_.Lugar];
    pantalla_.entrarLugar(sitio);
    pantalla_.ponerBotones(botonesDe(sitio));
    ponerPista(false);
    pantalla_.sonar(Sonido::Direccion);
}

void Partida::ponerPista(bool visible) {
    pista_ = visible;
    pantalla_.mostrarPista(visible);
}

void Partida::LimpiarPantalla() {
    pantalla_.vaciar();
}

void Partida::anadir(const char *utf8) {
    pantalla_.anadirLinea(utf8);
}

void Partida::pulsar(Boton boton) {
    const Sitio *hasta = destino(estado_.Lugar, boton);
    if (!hasta)
        return;
    estado_.Lugar = hasta->numero;
    pantalla_.cargarDibujo(hasta->dibujo);
    EntrarLugar();
    LimpiarPantalla();
}

void Partida::Ver() {
    if (!lugarValido(estado_.Lugar))
        return;
    pantalla_.sonar(Sonido::Ver);
    LimpiarPantalla();
    for (const char *linea : Sitios[estado_.Lugar].vista)
        anadir(linea);
}

void Partida::Inventario() {
    pantalla_.sonar(Sonido::Objeto);
    LimpiarPantalla();
    anadir("Inventario: ");
    const std::pair<Bandera, const char *> objetos[] = {
        {&Estado::TieneDestornillador, "- Destornillador"},
        {&Estado::TieneTornillo, "- Tornillo"},
        {&Estado::TieneClavo, "- Clavo"},
        {&Estado::TieneMazo, "- Mazo"},
    };
    for (const auto &[bandera, linea] : objetos)
        if (estado_.*bandera == 1)
            anadir(linea);
}

bool Partida::cumple(const Regla &regla) const {
    return std::all_of(regla.condicion.begin(), regla.condicion.end(),
                       [this](const Condicion &c) { return (estado_.*c.bandera == 1) == c.uno; });
}

void Partida::ProcesarOrden(std::u16string_view orden) {
    // The order is normalised once; matching it against each pattern is then a plain search.
    const std::u16string texto = normalizarOrden(orden);
    auto dispara = [&](const Regla &regla) {
        if (!cumple(regla))
            return false;
        return std::any_of(regla.patrones.begin(), regla.patrones.end(), [&](const char *p) {
            return coincideNormalizada(std::string_view(p), texto);
        });
    };
    for (const auto &tabla : {reglasDe(estado_.Lugar), ReglasGenerales}) {
        for (const Regla &regla : tabla) {
            if (dispara(regla)) {
                disparar(regla);
                return;
            }
        }
    }
    LimpiarPantalla();
    RespuestaPorDefecto();
}

void Partida::disparar(const Regla &regla) {
    auto efectos = [&] {
        for (const Efecto &e : regla.efectos) {
            switch (e.tipo) {
            case TipoEfecto::Poner: estado_.*e.bandera = 1; break;
            case TipoEfecto::MostrarPista: ponerPista(true); break;
            case TipoEfecto::Sonar: pantalla_.sonar(e.sonido); break;
            case TipoEfecto::Ganar: pantalla_.ganar(); break;
            case TipoEfecto::Vacilar: Vacilar(); break;
            case TipoEfecto::Terminar: pantalla_.terminar(); return;
            }
        }
    };
    auto lineas = [&] {
        for (const char *linea : regla.respuesta)
            anadir(linea);
    };
    switch (regla.disparo) {
    case Disparo::SinLimpiar: efectos(); break;
    case Disparo::EfectosYLineas:
        LimpiarPantalla();
        efectos();
        lineas();
        break;
    case Disparo::LineasYEfectos:
        LimpiarPantalla();
        lineas();
        efectos();
        break;
    }
}

int Partida::sortear(int casos) {
    // Guard against a draw source that strays outside [0, 1).
    double u = sorteo_();
    if (!(u >= 0.0 && u < 1.0))
        u = 0.0;
    return std::min(static_cast<int>(u * casos), casos - 1);
}

void Partida::RespuestaPorDefecto() {
    anadir(Negativas[sortear(int(Negativas.size()))]);
}

void Partida::Vacilar() {
    for (const char *linea : Vaciles[sortear(int(Vaciles.size()))])
        anadir(linea);
}
