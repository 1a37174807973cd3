#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""jubo where no display can be had, in every way we know: each time one line on stderr that says
so and names the reason (a missing variable, or what Qt said), status 1, and no core file.

Usage: sin_pantalla.py <jubo>
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from escritorio import Informe, cores, permitir_core  # noqa: E402

jubo = os.path.abspath(sys.argv[1])
base = {k: v for k, v in os.environ.items()
        if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR")}
# Each case with what its line must name: the missing variable, or the reason Qt gave.
casos = {
    "sin DISPLAY": (base, [], "DISPLAY"),
    "DISPLAY inalcanzable": (dict(base, DISPLAY=":4093"), [], ":4093"),
    "plataforma que no existe": (dict(base, QT_QPA_PLATFORM="bogus"), [], '"bogus"'),
    "-platform que no existe": (base, ["-platform", "nada"], '"nada"'),
    "wayland sin compositor": (dict(base, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY="/nada/w"), [],
                               "wayland"),
    "DISPLAY mal escrito": (dict(base, DISPLAY=":abc"), [], ":abc"),
    "DISPLAY de otra máquina": (dict(base, DISPLAY="nohay.invalid:0"), [], "nohay.invalid:0"),
    "DISPLAY vacío": (dict(base, DISPLAY=""), [], "DISPLAY"),
    # Qt's own options are no fault: what is missing is still the display.
    "opciones de Qt": (base, ["-style", "fusion", "-reverse", "--qwindowtitle", "Hola",
                              "-stylesheet=x.qss", "-name", "jubo"], "DISPLAY"),
}
informe = Informe()
for nombre, (entorno, argumentos, razon) in casos.items():
    with tempfile.TemporaryDirectory() as cwd:
        r = subprocess.run([jubo, *argumentos], env=entorno, cwd=cwd, capture_output=True,
                           text=True, timeout=60, preexec_fn=permitir_core)
        dejados = cores(cwd)
    lineas = [l for l in r.stderr.splitlines() if l.strip()]
    informe(r.returncode == 1 and len(lineas) == 1 and lineas[0].startswith("jubo:")
            and "pantalla" in lineas[0] and razon in lineas[0]
            and ("DISPLAY" in lineas[0]) == (razon == "DISPLAY") and r.stdout == "" and not dejados,
            f"{nombre}: estado {r.returncode}, stderr {lineas!r}, cores {dejados!r}")
sys.exit(informe.fin())
