// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// mayusculasNfc against Qt's QString::normalized(NFC).toUpper() on long orders, by length in
// UTF-16 units. Qt takes time that grows with the square of the length on decomposed accents and
// runs of marks; on a megabyte of marks it would take most of an hour, so there it is measured on
// shorter texts only.
//   jubo-bench-unicode [--benchmark_filter=...]

#include "Unicode.h"

#include <QString>
#include <benchmark/benchmark.h>

namespace {

// The start, then the piece over and over up to the length.
std::u16string repetir(std::u16string_view inicio, std::u16string_view trozo, std::int64_t largo) {
    std::u16string s(inicio);
    while (std::int64_t(s.size()) < largo)
        s += trozo;
    s.resize(std::size_t(largo));
    return s;
}

const std::u16string_view ascii = u"usar el mazo y el clavo con la puerta ";
const std::u16string_view latin1 = u"áéíóúñüçàèÁÉÍÓÚÑÜÇ";
const std::u16string_view descompuesto = u"e\u0301a\u0300";
// Acute (class 230) and dot below (class 220) in turn: every dot must move before an acute.
const std::u16string_view marcas = u"\u0301\u0323";

void Nuestro(benchmark::State &state, std::u16string_view inicio, std::u16string_view trozo) {
    const std::u16string texto = repetir(inicio, trozo, state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(mayusculasNfc(texto));
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}

void Qt(benchmark::State &state, std::u16string_view inicio, std::u16string_view trozo) {
    const std::u16string unidades = repetir(inicio, trozo, state.range(0));
    const QString texto(reinterpret_cast<const QChar *>(unidades.data()),
                        qsizetype(unidades.size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(texto.normalized(QString::NormalizationForm_C).toUpper());
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}

constexpr int Mega = 1 << 20;

BENCHMARK_CAPTURE(Nuestro, ascii, u"", ascii)->Arg(Mega)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Qt, ascii, u"", ascii)->Arg(Mega)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Nuestro, latin1, u"", latin1)->Arg(Mega)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Qt, latin1, u"", latin1)->Arg(Mega)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Nuestro, descompuesto, u"", descompuesto)
    ->Arg(1 << 14)
    ->Arg(1 << 16)
    ->Arg(Mega)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Qt, descompuesto, u"", descompuesto)
    ->Arg(1 << 14)
    ->Arg(1 << 16)
    ->Arg(Mega)
    ->Unit(benchmark::kMillisecond);
// The run of marks follows one letter: a single starter for the whole text.
BENCHMARK_CAPTURE(Nuestro, marcas, u"a", marcas)
    ->Arg(1 << 14)
    ->Arg(1 << 16)
    ->Arg(Mega)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Qt, marcas, u"a", marcas)
    ->Arg(1 << 14)
    ->Arg(1 << 16)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
