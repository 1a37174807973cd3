// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Engine timings: the matcher alone, and whole orders through the interpreter. Run by bench/medir;
// on its own, `jubo-bench-motor --benchmark_filter=...` works as for any Google Benchmark program.
#include "Coincide.h"
#include "Grabadora.h"
#include "Partida.h"
#include "Reglas.h"

#include <QStringList>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

// Keeps the lines as the list box would, so appending and clearing cost what they cost in the game.
class PantallaMuda final : public Pantalla {
  public:
    void vaciar() override { lineas.clear(); }
    void anadirLinea(std::string_view linea) override {
        lineas.append(QString::fromUtf8(linea.data(), qsizetype(linea.size())));
    }
    void mostrarPista(bool) override {}
    void ponerBotones(const Botones &) override {}
    void cargarDibujo(const char *) override {}
    void sonar(Sonido) override {}
    void ganar() override {}
    void terminar() override {}
    void entrarLugar(const Sitio &) override {}

    QStringList lineas;
};

// Words that no rule of any place takes, so an order made of them is refused everywhere.
QString ordenRechazada(qsizetype caracteres) {
    const QString relleno = QStringLiteral("bailar una jota con la abuela en la plaza ");
    return relleno.repeated(caracteres / relleno.size() + 1).left(caracteres);
}

void Coincide_corta(benchmark::State &state) {
    const QString patron = QStringLiteral("MIRAR COCHE");
    const QString orden = QStringLiteral("mirar el coche");
    for (auto _ : state)
        benchmark::DoNotOptimize(Coincide(u16(patron), u16(orden)));
}
BENCHMARK(Coincide_corta);

// A four-word pattern whose last word is missing, so every word is looked for in the whole order.
void Coincide_larga(benchmark::State &state) {
    const QString patron = QStringLiteral("USAR MAZO CLAVO COCHE");
    const QString orden =
        QStringLiteral("usar el mazo y el clavo con ") + ordenRechazada(state.range(0) - 28);
    for (auto _ : state)
        benchmark::DoNotOptimize(Coincide(u16(patron), u16(orden)));
    state.SetLabel(std::to_string(orden.size()) + " caracteres");
}
BENCHMARK(Coincide_larga)->Arg(200)->Arg(4096);

bool esNegativa(const QStringList &lineas) {
    return lineas.size() == 1 &&
           std::any_of(Negativas.begin(), Negativas.end(),
                       [&](const char *n) { return lineas.first() == QString::fromUtf8(n); });
}

// Every refusal and boast draws once from a generator seeded anew from the clock.
void Sorteo_del_reloj(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(sorteoDelReloj());
}

// Orders are given in the room, whose table is the longest of the six. The reply is checked after
// timing, so a change in the tables cannot silently turn a measurement into another one.
void ProcesarOrden(benchmark::State &state, const QString &orden, bool negativa,
                   Sorteo sorteo = sorteoDelReloj) {
    PantallaMuda pantalla;
    Partida partida(pantalla, std::move(sorteo));
    partida.estado().Lugar = Cuarto;
    for (auto _ : state) {
        partida.ProcesarOrden(u16(orden));
        benchmark::DoNotOptimize(pantalla.lineas.size());
    }
    const QString primera = QString::fromUtf8(*reglasDe(Cuarto).front().respuesta.begin());
    if (negativa ? !esNegativa(pantalla.lineas) : pantalla.lineas.value(0) != primera)
        state.SkipWithError("la orden no siguió el camino que se quería medir");
    if (negativa)
        state.SetLabel(std::to_string(reglasDe(Cuarto).size() + ReglasGenerales.size()) +
                       " reglas");
}
// "LLAMAR TELEFONO" is the first row of the room's table.
BENCHMARK_CAPTURE(ProcesarOrden, primera_regla, QStringLiteral("llamar por teléfono"), false);
BENCHMARK_CAPTURE(ProcesarOrden, negativa, QStringLiteral("bailar una jota"), true);
// The same refusal with a draw that is not re-seeded: what the rules and the matcher cost alone.
BENCHMARK_CAPTURE(ProcesarOrden, negativa_sin_reloj, QStringLiteral("bailar una jota"), true,
                  SorteoFijo(1));
BENCHMARK(Sorteo_del_reloj);
BENCHMARK_CAPTURE(ProcesarOrden, 1MiB, ordenRechazada(1 << 20), true)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
