// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes whole games from the first state. The input is a jubo-texto script: one action per line,
// "/palante", "/patras", "/izquierda", "/derecha", "/ver", "/inventario" or an order, so any input
// the fuzzer keeps can be replayed with `jubo-texto --semilla 0 < input`.
//
// Each script drives the terminal front end and, beside it, a bare game whose every step is
// checked against the rules that hold in all games: flags are 0 or 1 and never go back to 0,
// the objects come in the order of the one chain of progress, the place is one of the six and
// only changes along the map, the buttons shown are those of the place, every order gets an
// answer, and the game is won only at the car with mallet, nail and the monument's message.

#include "Atajos.h"
#include "Consola.h"
#include "Invariantes.h"
#include "Partida.h"
#include "Sitios.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

std::string accionActual;

[[noreturn]] void falla(const char *que) {
    std::fprintf(stderr, "fuzz_partida: %s\n  tras la acción: %s\n", que, accionActual.c_str());
    std::abort();
}

void exige(bool condicion, const char *que) {
    if (!condicion)
        falla(que);
}

class Vigilante : public Pantalla {
  public:
    const Estado *estado = nullptr;
    int lineas = 0; // lines since the list was last emptied
    bool ganado = false;
    bool terminado = false;

    void vaciar() override {
        vivo();
        lineas = 0;
    }
    void anadirLinea(const QString &linea) override {
        vivo();
        exige(!linea.isEmpty(), "línea vacía en la lista");
        ++lineas;
    }
    void mostrarPista(bool) override { vivo(); }
    void ponerBotones(const Botones &b) override {
        vivo();
        exige(b == Sitios[estado->Lugar].usables, "botones que no son los del sitio");
    }
    void cargarDibujo(const char *fichero) override {
        vivo();
        exige(std::string_view(fichero) == Sitios[estado->Lugar].dibujo,
              "dibujo que no es el del sitio");
    }
    void sonar(Sonido) override { vivo(); }
    void ganar() override {
        vivo();
        exige(puedeGanar(*estado), "ganado sin mazo, clavo y mensaje, o fuera de la entrada");
        ganado = true;
    }
    void terminar() override {
        vivo();
        terminado = true;
    }

  private:
    void vivo() const { exige(!ganado && !terminado, "la partida sigue tras acabar"); }
};

// One action on the checked game; false once the game is over.
bool jugar(Partida &partida, Vigilante &v, const QString &linea) {
    const Estado antes = partida.estado();
    const bool esOrden = buscarAtajo(linea) == nullptr;
    jugarLinea(partida, linea);
    if (const char *rota = reglaRota(antes, partida.estado()))
        falla(rota);
    if (esOrden)
        exige(v.ganado || v.terminado || v.lineas > 0, "orden sin respuesta");
    return !v.ganado && !v.terminado;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *datos, std::size_t tam) {
    std::string_view resto(reinterpret_cast<const char *>(datos), tam);

    std::ostringstream salida;
    Consola consola(salida, SorteoFijo(0), true);
    consola.empezar();

    Vigilante vigilante;
    Partida partida(vigilante, SorteoFijo(0));
    vigilante.estado = &partida.estado();
    partida.Cargar();

    bool sigueConsola = true;
    bool sigueMotor = true;
    while (!resto.empty() && (sigueConsola || sigueMotor)) {
        // Lines as std::getline gives them to jubo-texto; the console drops a final CR itself.
        const std::size_t fin = resto.find('\n');
        std::string bytes(resto.substr(0, fin));
        resto = fin == std::string_view::npos ? std::string_view() : resto.substr(fin + 1);
        accionActual = bytes;

        if (sigueConsola)
            sigueConsola = consola.accion(bytes);
        if (!bytes.empty() && bytes.back() == '\r')
            bytes.pop_back();
        if (sigueMotor)
            sigueMotor = jugar(partida, vigilante, QString::fromUtf8(bytes));
        exige(sigueConsola == sigueMotor, "la consola y la partida no acaban a la vez");
    }
    return 0;
}
