#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Runs the engine benchmarks and the screen measurements and prints one Markdown table.

Times on a shared machine drift, so every screen figure is a median of repeated runs, and
start-up and memory are given as ratios to a bare Qt program measured in the same run.
"""

import argparse
import json
import os
import platform
import statistics
import subprocess
import sys
import time
from pathlib import Path

RAIZ = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(RAIZ / "scripts"))
from escritorio import Escritorio  # noqa: E402

PLATAFORMAS = [("xcb", "Xvfb"), ("offscreen", "offscreen")]

# Engine benchmark: row text, goal in ns.
MOTOR = {
    "Coincide_corta": ("Coincide, short order", None),
    "Coincide_larga/200": ("Coincide, 200-character order", None),
    "Coincide_larga/4096": ("Coincide, 4096-character order", None),
    "ProcesarOrden/primera_regla": ("ProcesarOrden, taken by the place's first rule", None),
    "ProcesarOrden/negativa": ("ProcesarOrden, refused after every rule", 5e3),
    "ProcesarOrden/negativa_sin_reloj": ("same, draw not re-seeded from the clock", None),
    "Sorteo_del_reloj": ("one clock-seeded random draw", None),
    "ProcesarOrden/1MiB": ("ProcesarOrden, refused 1 MiB order", 50e6),
}

# In-game step: row text, goal in ms.
PASOS = [
    ("juego", "Click on «Juego» to the game screen's first frame", None),
    ("mover", "Direction click to the new picture painted", 16.7),
    ("orden", "Enter to the reply painted", 16.7),
]

# What reuse lint asks of every file, the table too.
LICENCIA = """<!--
SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo

SPDX-License-Identifier: GPL-3.0-or-later
-->

"""

COMO = """## How it is measured

- Engine: Google Benchmark (`jubo-bench-motor`), median wall time per call; orders are given in
  the room, the place with the longest rule table.
- Start-up: from just before the process starts to the end of its first frame, and the peak
  resident memory (VmHWM) then, taken by the preloaded `libjubo_medir_arranque.so` in the game and
  in `jubo-referencia` (a bare Qt Widgets program: one 575 × 454 window, one label). After two
  warm-up runs each, every round runs both, alternating which goes first; the time ratio is the
  median of the rounds' ratios (interquartile range in brackets), the rest medians of the runs.
- In-game steps: the preloaded `libjubo_medir_escenas.so` drives the game with QTest and times
  each step to the end of the frame that paints its result (the game window, the picture `Image1`,
  the list `List1` for a rule's reply and a refusal in turn); the floor is the bare program's label.
- Xvfb: a private server of `scripts/escritorio.py`; offscreen: Qt's offscreen platform.
"""


def fallo(mensaje):
    sys.exit(f"medir: {mensaje}")


def motor(bin_dir, repeticiones):
    """Median nanoseconds per call and label of each engine benchmark."""
    orden = [bin_dir / "jubo-bench-motor", "--benchmark_format=json",
             f"--benchmark_repetitions={repeticiones}", "--benchmark_report_aggregates_only=true"]
    salida = subprocess.run(orden, check=True, capture_output=True, text=True).stdout
    escala = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}
    medianas = {}
    for b in json.loads(salida)["benchmarks"]:
        if b.get("error_occurred"):
            fallo(f"{b['name']}: {b.get('error_message')}")
        if b.get("aggregate_name") == "median":
            medianas[b["run_name"]] = (b["real_time"] * escala[b["time_unit"]], b.get("label", ""))
    return medianas


def lanzar(programa, plataforma, esc, extra):
    """Runs one process; its start time and its measuring lines, split into words."""
    env = dict(esc.env, QT_QPA_PLATFORM=plataforma, **extra)
    if plataforma != "xcb":
        env.pop("DISPLAY", None)
    inicio = time.monotonic_ns()
    r = subprocess.run([programa], env=env, cwd=programa.parent, capture_output=True, text=True,
                       timeout=120)
    lineas = [l.split()[1:] for l in r.stderr.splitlines() if l.startswith("jubo-medir:")]
    errores = [" ".join(l[1:]) for l in lineas if l[0] == "error"]
    if errores or r.returncode != 0:
        fallo(f"{programa.name}: {errores or r.stderr.strip()[-400:]}")
    return inicio, lineas


def arranque(programa, plataforma, esc, helper):
    """Milliseconds from process start to the first finished frame, and peak memory in KiB."""
    inicio, lineas = lanzar(programa, plataforma, esc,
                            {"JUBO_MEDIR": "1", "LD_PRELOAD": str(helper)})
    cuadro = [l for l in lineas if l[0] == "primer-cuadro"]
    if not cuadro:
        fallo(f"{programa.name} no pintó ningún cuadro")
    return (int(cuadro[0][1]) - inicio) / 1e6, int(cuadro[0][2])


def escenas(programa, plataforma, esc, helper, veces, muestras):
    """Adds the milliseconds of each in-process step to muestras, by step."""
    _, lineas = lanzar(programa, plataforma, esc,
                       {"JUBO_ESCENAS": str(veces), "LD_PRELOAD": str(helper)})
    for l in lineas:
        if l[0] == "escena":
            muestras.setdefault(l[1], []).append(float(l[2]))
    return muestras


def maquina():
    cpu = Path("/proc/cpuinfo").read_text().splitlines()
    modelo = next((l.split(":", 1)[1].strip() for l in cpu if l.startswith("model name")), "?")
    qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6core6"],
                        capture_output=True, text=True).stdout.strip()
    return (f"{os.cpu_count()} CPU (`nproc`), {modelo}, Qt {qt or '?'}, "
            f"{platform.system()} {platform.release()}")


def tiempo(ns):
    if ns >= 1e6:
        return f"{ns / 1e6:.2f} ms"
    if ns >= 1e3:
        return f"{ns / 1e3:.2f} µs"
    return f"{ns:.0f} ns"


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--rapido", action="store_true", help="few runs, to check that all works")
    p.add_argument("--guardar", metavar="FICHERO", help="also write the table to FICHERO")
    a = p.parse_args()
    # Start-ups per program and platform, repetitions of each in-game step, game processes.
    procesos, veces, procesos_escenas = (3, 3, 1) if a.rapido else (25, 20, 3)

    bin_dir = RAIZ / "build" / "bin"
    referencia, jubo = bin_dir / "jubo-referencia", bin_dir / "jubo"
    helper_arranque = bin_dir / "libjubo_medir_arranque.so"
    helper_escenas = bin_dir / "libjubo_medir_escenas.so"
    for f in (referencia, jubo, helper_arranque, helper_escenas, bin_dir / "jubo-bench-motor"):
        if not f.exists():
            fallo(f"falta {f}: compila primero (scripts/compilar)")

    filas = []

    def fila(medida, ref, juego, razon, objetivo, cumple):
        marca = "" if cumple is None else ("yes" if cumple else "**no**")
        filas.append(f"| {medida} | {ref} | {juego} | {razon} | {objetivo} | {marca} |")

    print("medir: engine ...", file=sys.stderr)
    for nombre, (ns, etiqueta) in motor(bin_dir, 3 if a.rapido else 5).items():
        texto, meta = MOTOR.get(nombre, (nombre, None))
        if "reglas" in etiqueta:
            texto += f" ({etiqueta.replace('reglas', 'rules')})"
        fila(f"Engine: {texto}", "—", tiempo(ns), "—", f"< {tiempo(meta)}" if meta else "—",
             (ns < meta) if meta else None)

    with Escritorio(ancho=1280, alto=1024) as x:
        for plataforma, nombre in PLATAFORMAS:
            print(f"medir: start-up ({nombre}) ...", file=sys.stderr)
            programas = [referencia, jubo]
            for prog in programas:  # fontconfig caches and the page cache warm up here
                for _ in range(2):
                    arranque(prog, plataforma, x, helper_arranque)
            ms, kib = {prog: [] for prog in programas}, {prog: [] for prog in programas}
            for i in range(procesos):
                # Alternating who goes first keeps a slow spell of the machine from favouring one.
                for prog in programas if i % 2 == 0 else reversed(programas):
                    t, m = arranque(prog, plataforma, x, helper_arranque)
                    ms[prog].append(t)
                    kib[prog].append(m)
            # Each round's two runs met the same load, so the ratio is taken round by round;
            # its quartiles show how far one run's ratio may stray on a busy machine.
            razones = [j / r for j, r in zip(ms[jubo], ms[referencia])]
            r_t, cuartos = statistics.median(razones), statistics.quantiles(razones, n=4)
            texto_r = f"{r_t:.2f} ({cuartos[0]:.2f}–{cuartos[2]:.2f})"
            fila(f"Start-up to the menu's first frame ({nombre})",
                 f"{statistics.median(ms[referencia]):.1f} ms",
                 f"{statistics.median(ms[jubo]):.1f} ms", texto_r, "≤ 1.20", r_t <= 1.2)
            mem_ref, mem_j = statistics.median(kib[referencia]), statistics.median(kib[jubo])
            fila(f"Peak resident memory at that frame ({nombre})", f"{mem_ref / 1024:.1f} MiB",
                 f"{mem_j / 1024:.1f} MiB", f"{mem_j / mem_ref:.2f}", "≤ 1.30",
                 mem_j / mem_ref <= 1.3)

            print(f"medir: in-process steps ({nombre}) ...", file=sys.stderr)
            etiqueta = statistics.median(
                escenas(referencia, plataforma, x, helper_escenas, veces, {})["etiqueta"])
            juntas = {}
            for _ in range(procesos_escenas):
                escenas(jubo, plataforma, x, helper_escenas, veces, juntas)
            for clave, medida, meta in PASOS:
                muestras = juntas[clave]
                v, lento = statistics.median(muestras), max(muestras)
                texto = f"{v:.2f} ms" + (f" (max {lento:.2f})" if len(muestras) > 1 else "")
                # The slowest sample is the first move to each picture or the first cue, which set
                # up their decoder and sound effect; the goal is for every sample.
                if meta:
                    fila(f"{medida} ({nombre})", f"{etiqueta:.2f} ms", texto,
                         f"{v / etiqueta:.1f}", f"< {meta} ms (ideally < 4)", lento < meta)
                else:
                    fila(f"{medida} ({nombre})", "—", texto, "—", "—", None)

    tabla = "\n".join(["| Measure | Bare Qt | Jubo | Jubo / bare Qt | Goal | Met |",
                       "|---|---:|---:|---:|---|---|"] + filas)
    print(tabla)
    if a.guardar:
        destino = Path(a.guardar).resolve()
        destino = destino.relative_to(RAIZ) if destino.is_relative_to(RAIZ) else destino.name
        orden = "scripts/medir" + (" --rapido" if a.rapido else "") + f" --guardar {destino}"
        # The web edition's section (bench/web.py) stays as it was.
        anterior = Path(a.guardar).read_text() if Path(a.guardar).exists() else ""
        web = anterior[anterior.index("\n## Web edition"):] if "\n## Web edition" in anterior else ""
        Path(a.guardar).write_text(
            f"{LICENCIA}# Latest measurements\n\n"
            f"Command: `{orden}` ({procesos} start-ups per program and platform, {veces} "
            f"repetitions of each in-game step in each of {procesos_escenas} game processes; "
            f"medians).\n\n"
            f"Machine: {maquina()}. "
            f"Taken {time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime())}.\n\n"
            f"{tabla}\n\n{COMO}{web}"
        )


if __name__ == "__main__":
    main()
