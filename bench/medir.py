#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the engine benchmarks and the screen measurements and prints one Markdown table.

Start-up and memory are taken from whole processes, the game and the bare Qt reference program
in turn, under Xvfb and on Qt's offscreen platform; the in-game steps are timed inside the game
process. Times on a shared machine drift, so every screen figure is a median of repeated runs
and start-up and memory are given as ratios to the reference measured in the same run.
"""

import argparse
import json
import os
import platform
import re
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

RAIZ = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(RAIZ / "scripts"))
from escritorio import Escritorio  # noqa: E402

PLATAFORMAS = [("xcb", "Xvfb"), ("offscreen", "offscreen")]


COMO = """## How it is measured

- Engine rows: Google Benchmark (`build/bin/jubo-bench-motor`), median of repetitions, wall time
  per call. Orders are given in the room, the place with the longest rule table.
- Start-up: the time from just before the process is started to the end of the first frame it
  paints (the frame handed to the window system), for the game and for `jubo-referencia`, a bare
  Qt Widgets program with one 575 × 454 window holding one label. Both are timed by the same
  preloaded helper (`libjubo_medir_arranque.so`, `JUBO_MEDIR=1`), which also reads the peak
  resident memory (VmHWM) at that moment and then ends the process. After two warm-up runs each,
  every round runs both programs back to back (alternating which goes first); the time ratio is
  the median of the rounds' ratios, with their interquartile range in brackets; the other columns
  are medians of the runs.
- In-game steps: the preloaded `libjubo_medir_escenas.so` (`JUBO_ESCENAS=N`) drives the real game
  with QTest once its menu is painted and times each step up to the end of the frame that paints
  its result: the game window for «Juego», the picture `Image1` for a move, the list `List1` for
  Enter (a rule's reply and a refusal in turn). The bare program's label repaint is the floor.
- Xvfb: a private server on the throw-away desktop of `scripts/escritorio.py` (its own home and
  runtime folder); offscreen: Qt's offscreen platform, in the same environment.
"""


def fallo(mensaje):
    sys.exit(f"medir: {mensaje}")


def motor(bin_dir, repeticiones):
    """Median nanoseconds per call of each engine benchmark."""
    salida = subprocess.run(
        [
            bin_dir / "jubo-bench-motor",
            "--benchmark_format=json",
            f"--benchmark_repetitions={repeticiones}",
            "--benchmark_report_aggregates_only=true",
        ],
        check=True,
        capture_output=True,
        text=True,
    ).stdout
    escala = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}
    medianas = {}
    for b in json.loads(salida)["benchmarks"]:
        if b.get("error_occurred"):
            fallo(f"{b['name']}: {b.get('error_message')}")
        if b.get("aggregate_name") == "median":
            medianas[b["run_name"]] = (b["real_time"] * escala[b["time_unit"]], b.get("label", ""))
    return medianas


def entorno(plataforma, esc, extra):
    env = dict(esc.env)
    env["QT_QPA_PLATFORM"] = plataforma
    if plataforma != "xcb":
        env.pop("DISPLAY", None)
    env.update(extra)
    return env


def lanzar(programa, env, cwd):
    """Runs one process and returns its start time and its measuring lines."""
    inicio = time.monotonic_ns()
    r = subprocess.run([programa], env=env, cwd=cwd, capture_output=True, text=True, timeout=120)
    lineas = [l.split()[1:] for l in r.stderr.splitlines() if l.startswith("jubo-medir:")]
    errores = [" ".join(l[1:]) for l in lineas if l[0] == "error"]
    if errores or r.returncode != 0:
        fallo(f"{programa.name}: {errores or r.stderr.strip()[-400:]}")
    return inicio, lineas


def arranque(programa, plataforma, esc, helper):
    """Milliseconds from process start to the first finished frame, and peak memory in KiB."""
    env = entorno(plataforma, esc, {"JUBO_MEDIR": "1", "LD_PRELOAD": str(helper)})
    inicio, lineas = lanzar(programa, env, programa.parent)
    cuadro = [l for l in lineas if l[0] == "primer-cuadro"]
    if not cuadro:
        fallo(f"{programa.name} no pintó ningún cuadro")
    return (int(cuadro[0][1]) - inicio) / 1e6, int(cuadro[0][2])


def escenas(programa, plataforma, esc, helper, veces):
    env = entorno(plataforma, esc, {"JUBO_ESCENAS": str(veces), "LD_PRELOAD": str(helper)})
    _, lineas = lanzar(programa, env, programa.parent)
    muestras = {}
    for l in lineas:
        if l[0] == "escena":
            muestras.setdefault(l[1], []).append(float(l[2]))
    return muestras


def maquina():
    modelo = "?"
    for linea in Path("/proc/cpuinfo").read_text().splitlines():
        if linea.startswith("model name"):
            modelo = linea.split(":", 1)[1].strip()
            break
    qt = subprocess.run(
        ["dpkg-query", "-W", "-f=${Version}", "libqt6core6"], capture_output=True, text=True
    ).stdout.strip()
    return f"{os.cpu_count()} CPU (`nproc`), {modelo}, Qt {qt or '?'}, {platform.system()} {platform.release()}"


def tiempo(ns):
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.2f} µs"
    return f"{ns:.0f} ns"


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--build", default=str(RAIZ / "build"), help="build directory (default: build/)")
    p.add_argument("--procesos", type=int, default=25, help="start-up runs per program and platform")
    p.add_argument("--escenas", type=int, default=20, help="repetitions of each step inside the game")
    p.add_argument("--procesos-escenas", type=int, default=3, help="game processes for the in-game steps")
    p.add_argument("--rapido", action="store_true", help="few runs, to check that everything works")
    p.add_argument("--guardar", metavar="FICHERO", help="also write the table and the machine to FICHERO")
    a = p.parse_args()
    if a.rapido:
        a.procesos, a.escenas, a.procesos_escenas = 3, 3, 1

    bin_dir = Path(a.build).resolve() / "bin"
    referencia = bin_dir / "jubo-referencia"
    jubo = bin_dir / "jubo"
    helper_arranque = bin_dir / "libjubo_medir_arranque.so"
    helper_escenas = bin_dir / "libjubo_medir_escenas.so"
    for f in (referencia, helper_arranque, helper_escenas, bin_dir / "jubo-bench-motor"):
        if not f.exists():
            fallo(f"falta {f}: compila primero (scripts/compilar)")
    hay_jubo = jubo.exists()

    filas = []

    def fila(medida, ref, juego, razon, objetivo, cumple):
        marca = "" if cumple is None else ("yes" if cumple else "**no**")
        filas.append(f"| {medida} | {ref} | {juego} | {razon} | {objetivo} | {marca} |")

    print("medir: engine ...", file=sys.stderr)
    nombres = {
        "Coincide_corta": ("Coincide, short order", None),
        "Coincide_larga/200": ("Coincide, 200-character order", None),
        "Coincide_larga/4096": ("Coincide, 4096-character order", None),
        "ProcesarOrden_primera_regla": ("ProcesarOrden, taken by the place's first rule", None),
        "ProcesarOrden_negativa": ("ProcesarOrden, refused after every rule", 5e3),
        "ProcesarOrden_negativa_sin_reloj": ("same, draw not re-seeded from the clock", None),
        "Sorteo_del_reloj": ("one clock-seeded random draw", None),
        "ProcesarOrden_1MiB": ("ProcesarOrden, refused 1 MiB order", 50e6),
    }
    for nombre, (ns, etiqueta) in motor(bin_dir, 3 if a.rapido else 5).items():
        texto, meta = nombres.get(nombre, (nombre, None))
        if etiqueta and "reglas" in etiqueta:
            texto += f" ({etiqueta.replace('reglas', 'rules')})"
        fila(f"Engine: {texto}", "—", tiempo(ns), "—", f"< {tiempo(meta)}" if meta else "—",
             (ns < meta) if meta else None)

    with Escritorio(ancho=1280, alto=1024) as x:
        for plataforma, nombre in PLATAFORMAS:
            print(f"medir: start-up ({nombre}) ...", file=sys.stderr)
            programas = [referencia] + ([jubo] if hay_jubo else [])
            for prog in programas:  # fontconfig caches and the page cache warm up here
                for _ in range(2):
                    arranque(prog, plataforma, x, helper_arranque)
            datos = {prog: ([], []) for prog in programas}
            for i in range(a.procesos):
                # Alternating who goes first keeps a slow spell of the machine from favouring one.
                for prog in programas if i % 2 == 0 else reversed(programas):
                    ms, kib = arranque(prog, plataforma, x, helper_arranque)
                    datos[prog][0].append(ms)
                    datos[prog][1].append(kib)
            t_ref = statistics.median(datos[referencia][0])
            mem_ref = statistics.median(datos[referencia][1])
            t_j = mem_j = None
            if hay_jubo:
                t_j = statistics.median(datos[jubo][0])
                mem_j = statistics.median(datos[jubo][1])
            # Each round's two runs met the same load, so the ratio is taken round by round.
            razones = [j / r for j, r in zip(datos[jubo][0], datos[referencia][0])] if t_j else []
            r_t = statistics.median(razones) if razones else None
            # The quartiles show how far one run's ratio may stray on a busy machine.
            cuartos = statistics.quantiles(razones, n=4) if len(razones) >= 4 else None
            texto_r = f"{r_t:.2f}" if r_t else "—"
            if cuartos:
                texto_r += f" ({cuartos[0]:.2f}–{cuartos[2]:.2f})"
            fila(f"Start-up to the menu's first frame ({nombre})", f"{t_ref:.1f} ms",
                 f"{t_j:.1f} ms" if t_j else "no jubo", texto_r, "≤ 1.20", (r_t <= 1.2) if r_t else None)
            fila(f"Peak resident memory at that frame ({nombre})", f"{mem_ref / 1024:.1f} MiB",
                 f"{mem_j / 1024:.1f} MiB" if mem_j else "no jubo",
                 f"{mem_j / mem_ref:.2f}" if mem_j else "—", "≤ 1.30",
                 (mem_j / mem_ref <= 1.3) if mem_j else None)

            print(f"medir: in-process steps ({nombre}) ...", file=sys.stderr)
            etiqueta = statistics.median(
                escenas(referencia, plataforma, x, helper_escenas, a.escenas)["etiqueta"])
            if not hay_jubo:
                fila(f"New label text to painted ({nombre})", f"{etiqueta:.2f} ms", "no jubo", "—", "—", None)
                continue
            juntas = {}
            for _ in range(a.procesos_escenas):
                for clave, valores in escenas(jubo, plataforma, x, helper_escenas, a.escenas).items():
                    juntas.setdefault(clave, []).extend(valores)
            pasos = [
                ("juego", "Click on «Juego» to the game screen's first frame", None),
                ("mover", "Direction click to the new picture painted", 16.7),
                ("orden", "Enter to the reply painted", 16.7),
            ]
            for clave, medida, meta in pasos:
                v = statistics.median(juntas[clave])
                # The reference column holds the bare program's one-label repaint, as a floor.
                # The slowest sample is the first move to each picture or the first cue, which set up
                # their decoder and sound effect; the goal is for every sample, not just the median.
                lento = max(juntas[clave])
                fila(f"{medida} ({nombre})", f"{etiqueta:.2f} ms" if meta else "—",
                     f"{v:.2f} ms" + (f" (max {lento:.2f})" if len(juntas[clave]) > 1 else ""),
                     f"{v / etiqueta:.1f}" if meta else "—",
                     f"< {meta} ms (ideally < 4)" if meta else "—", (lento < meta) if meta else None)

    cabecera = [
        "| Measure | Bare Qt | Jubo | Jubo / bare Qt | Goal | Met |",
        "|---|---:|---:|---:|---|---|",
    ]
    tabla = "\n".join(cabecera + filas)
    print(tabla)
    if a.guardar:
        destino = Path(a.guardar).resolve()
        destino = destino.relative_to(RAIZ) if destino.is_relative_to(RAIZ) else Path(destino.name)
        orden = "scripts/medir" + (" --rapido" if a.rapido else "") + f" --guardar {destino}"
        Path(a.guardar).write_text(
            "# Latest measurements\n\n"
            f"Command: `{orden}` ({a.procesos} start-ups per program and platform, {a.escenas} repetitions "
            f"of each in-game step in each of {a.procesos_escenas} game processes; medians).\n\n"
            f"Machine: {maquina()}. Taken {time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime())}.\n\n"
            f"{tabla}\n\n{COMO}"
        )


if __name__ == "__main__":
    main()
