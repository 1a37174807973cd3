// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A saved game is one short line: "jubo1-" then the place, the eight flags and the hint as
// digits, then a check of four hex digits, e.g. "jubo1-3110000000-5c2e". The check catches a
// token mangled in a file or a browser's storage; a token that reads well but describes a game
// no player could be in is refused all the same.

#include "Guardado.h"

#include "Partida.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

constexpr std::string_view Prefijo = "jubo";
constexpr char Version = '1';
constexpr std::size_t Digitos = 1 + std::size(TodasLasBanderas) + 1;
// "jubo1-" + digits + "-" + four hex digits.
constexpr std::size_t Largo = Prefijo.size() + 2 + Digitos + 1 + 4;

std::uint16_t comprobacion(std::string_view texto) {
    std::uint32_t h = 2166136261u; // FNV-1a
    for (unsigned char c : texto)
        h = (h ^ c) * 16777619u;
    return std::uint16_t(h ^ (h >> 16));
}

std::string_view sinEspacios(std::string_view t) {
    const auto espacio = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!t.empty() && espacio(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && espacio(t.back()))
        t.remove_suffix(1);
    return t;
}

} // namespace

bool partidaPosible(const Estado &e, bool pista) {
    if (!lugarValido(e.Lugar))
        return false;
    for (Bandera b : TodasLasBanderas)
        if (e.*b != 0 && e.*b != 1)
            return false;
    const auto implica = [](std::int16_t a, std::int16_t b) { return a != 1 || b == 1; };
    // The mallet is taken and held at once, and so is the nail, found only with the mallet in
    // hand; the screwdriver, the screw and the message come one after the other; the hint is up
    // only where the message was just read.
    return e.TieneMazo == e.MazoCogido && e.TieneClavo == e.ClavoEncontrado &&
           implica(e.ClavoEncontrado, e.TieneMazo) &&
           implica(e.TieneDestornillador, e.DestornilladorVisto) &&
           implica(e.TieneTornillo, e.TieneDestornillador) &&
           implica(e.MensajeLeido, e.TieneTornillo) &&
           (!pista || (e.Lugar == Cercanias && e.MensajeLeido == 1));
}

std::string escribirFicha(const Estado &e, bool pista) {
    std::string t(Prefijo);
    t += Version;
    t += '-';
    t += char('0' + e.Lugar);
    for (Bandera b : TodasLasBanderas)
        t += char('0' + e.*b);
    t += pista ? '1' : '0';
    char cola[8];
    std::snprintf(cola, sizeof cola, "-%04x", unsigned(comprobacion(t)));
    return t + cola;
}

const char *leerFicha(std::string_view ficha, Estado &e, bool &pista) {
    ficha = sinEspacios(ficha);
    if (ficha.size() < Prefijo.size() + 2 || !ficha.starts_with(Prefijo))
        return "no es una partida guardada de este juego";
    if (ficha[Prefijo.size()] != Version || ficha[Prefijo.size() + 1] != '-') {
        // "jubo2-..." is a game saved by a later version, anything else is not one of ours.
        const char v = ficha[Prefijo.size()];
        return v >= '0' && v <= '9' ? "es de otra versión del juego"
                                    : "no es una partida guardada de este juego";
    }
    if (ficha.size() != Largo || ficha[Largo - 5] != '-')
        return "está dañada";
    const std::string_view cuerpo = ficha.substr(0, Largo - 5);
    const std::string_view digitos = cuerpo.substr(Prefijo.size() + 2);
    if (!std::all_of(digitos.begin(), digitos.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return "está dañada";
    char esperada[8];
    std::snprintf(esperada, sizeof esperada, "%04x", unsigned(comprobacion(cuerpo)));
    if (ficha.substr(Largo - 4) != esperada)
        return "está dañada";

    Estado leido;
    leido.Lugar = std::int16_t(digitos[0] - '0');
    std::size_t i = 1;
    for (Bandera b : TodasLasBanderas)
        leido.*b = std::int16_t(digitos[i++] - '0');
    const bool pistaLeida = digitos[i] == '1';
    if (digitos[i] > '1' || !partidaPosible(leido, pistaLeida))
        return "describe una partida a la que no se puede llegar";
    e = leido;
    pista = pistaLeida;
    return nullptr;
}

std::string Partida::guardar() const {
    return escribirFicha(estado_, pista_);
}

const char *Partida::restaurar(std::string_view token) {
    Estado e;
    bool pista = false;
    if (const char *motivo = leerFicha(token, e, pista))
        return motivo;
    estado_ = e;
    // As after a move: the place's picture, buttons and cue, an empty screen; then the hint.
    pantalla_.cargarDibujo(Sitios[estado_.Lugar].dibujo);
    EntrarLugar();
    LimpiarPantalla();
    if (pista)
        ponerPista(true);
    return nullptr;
}
