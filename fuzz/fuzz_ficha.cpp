// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the reader of saved games. Whatever the bytes, a game in progress either takes them as a
// game a player could be in, saved again to a token that reads back the same, or refuses them
// with a reason and stays exactly as it was, having told the screen nothing.

#include "Grabadora.h"
#include "Guardado.h"
#include "Partida.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void exige(bool condicion, const char *que, std::string_view ficha) {
    if (condicion)
        return;
    std::fprintf(stderr, "fuzz_ficha: %s\n  ficha: %.*s\n", que, int(ficha.size()), ficha.data());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tam) {
    const std::string_view ficha(reinterpret_cast<const char *>(datos), tam);
    Grabadora g;
    Partida p(g, SorteoFijo(0));
    p.Cargar();
    p.PaLante(); // somewhere other than the start, so a refusal that reset it would show
    g.tomar();
    const Estado antes = p.estado();
    const std::string guardadaAntes = p.guardar();

    if (const char *motivo = p.restaurar(ficha)) {
        exige(*motivo != '\0', "rechazo sin motivo", ficha);
        exige(p.estado() == antes && p.guardar() == guardadaAntes, "el rechazo tocó la partida",
              ficha);
        exige(g.tomar().isEmpty(), "el rechazo cambió la pantalla", ficha);
        return 0;
    }
    const std::string otra = p.guardar();
    Estado e;
    bool pista = false;
    exige(!leerFicha(otra, e, pista) && e == p.estado(), "guardar lo cargado no vuelve igual",
          ficha);
    exige(partidaPosible(e, pista), "cargada una partida imposible", ficha);
    exige(g.tomar().contains(QStringLiteral("lugar ") + QString::fromUtf8(Sitios[e.Lugar].nombre)),
          "cargada sin decir dónde", ficha);
    return 0;
}
