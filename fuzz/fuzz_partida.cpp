// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes whole games from the first state. The input is a jubo-texto script (one button line or
// order per line), so any input the fuzzer keeps replays with `jubo-texto --semilla 0 < input`.
// The script drives the terminal front end and, beside it, a bare game whose every step must keep
// the rules of every game (Invariantes.h), show the place's own buttons and picture, answer every
// order with non-empty lines, win only when it may, and do nothing once over.

#include "Atajos.h"
#include "Consola.h"
#include "Grabadora.h"
#include "Invariantes.h"
#include "Sitios.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

std::string accionActual;

void exige(bool condicion, const char *que) {
    if (condicion)
        return;
    std::fprintf(stderr, "fuzz_partida: %s\n  tras la acción: %s\n", que, accionActual.c_str());
    std::abort();
}

// Checks what the game did to the screen since the last call; false once the game is over.
bool comprobar(const Estado &ahora, Grabadora &g, bool esOrden) {
    const QStringList hechos = g.tomar();
    const Sitio &sitio = Sitios[ahora.Lugar];
    for (const QString &h : hechos) {
        exige(h != QLatin1String("linea "), "línea vacía en la lista");
        exige(!h.startsWith(QLatin1String("dibujo ")) ||
                  h.mid(7) == QString::fromUtf8(sitio.dibujo),
              "dibujo que no es el del sitio");
    }
    if (hechos.contains(QLatin1String("botones")))
        exige(g.botones == botonesDe(sitio), "botones que no son los del sitio");
    const auto fin = std::find_if(hechos.begin(), hechos.end(), [](const QString &h) {
        return h == QLatin1String("ganar") || h == QLatin1String("terminar");
    });
    const bool acaba = fin != hechos.end();
    exige(!acaba || fin + 1 == hechos.end(), "la partida sigue tras acabar");
    exige(!acaba || *fin != QLatin1String("ganar") || puedeGanar(ahora),
          "ganado sin mazo, clavo y mensaje, o fuera de la entrada");
    exige(!esOrden || acaba || !g.lista.isEmpty(), "orden sin respuesta");
    return !acaba;
}

bool jugar(Partida &partida, Grabadora &g, const QString &linea) {
    const Estado antes = partida.estado();
    jugarLinea(partida, linea);
    const char *rota = reglaRota(antes, partida.estado());
    exige(!rota, rota);
    return comprobar(partida.estado(), g, !buscarAtajo(linea));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tam) {
    std::string_view resto(reinterpret_cast<const char *>(datos), tam);

    std::ostringstream salida;
    Consola consola(salida, SorteoFijo(0), true);
    consola.empezar();

    Grabadora grabadora;
    Partida partida(grabadora, SorteoFijo(0));
    partida.Cargar();
    comprobar(partida.estado(), grabadora, false);

    for (bool sigue = true; sigue && !resto.empty();) {
        // Lines as std::getline gives them to jubo-texto; the console drops a final CR itself.
        const std::size_t fin = resto.find('\n');
        std::string bytes(resto.substr(0, fin));
        resto = fin == std::string_view::npos ? std::string_view() : resto.substr(fin + 1);
        accionActual = bytes;
        // Saved games are the console's own business, and touch files: not fuzzed here.
        if (bytes.starts_with("/guardar") || bytes.starts_with("/cargar"))
            continue;

        const bool sigueConsola = consola.accion(bytes);
        if (!bytes.empty() && bytes.back() == '\r')
            bytes.pop_back();
        sigue = jugar(partida, grabadora, QString::fromUtf8(bytes));
        exige(sigueConsola == sigue, "la consola y la partida no acaban a la vez");
    }
    return 0;
}
