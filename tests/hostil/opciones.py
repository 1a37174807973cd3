#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""jubo's command line: --help and --version print and end with status 0 even where there is no
display; an unknown option, a stray argument or a Qt option without its value is named in one line
on stderr, status 2, with a display or without; Qt's own options are taken as any Qt program takes
them, and the game starts.

Usage: opciones.py <source dir> <jubo> <version>
"""
import os
import subprocess
import sys
import tempfile

fuente, jubo, version = sys.argv[1], os.path.abspath(sys.argv[2]), sys.argv[3]
sys.path.insert(0, os.path.join(fuente, "scripts"))
from escritorio import Escritorio, Informe  # noqa: E402

sin_pantalla = {k: v for k, v in os.environ.items()
                if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
sin_pantalla["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(prefix="jubo-opciones-")
fuera_de_pantalla = dict(sin_pantalla, QT_QPA_PLATFORM="offscreen")
informe = Informe()


def comprobar(argumentos, entorno, bien, esperar=lambda p: p.wait(20)):
    """bien(status, stdout, stderr lines) of jubo, its status "abierto" if still running once
    esperar(p) has returned."""
    with tempfile.TemporaryDirectory() as cwd:
        p = subprocess.Popen([jubo, *argumentos], cwd=cwd, env=entorno, text=True,
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        try:
            esperar(p)
        except subprocess.TimeoutExpired:
            pass
        estado = "abierto" if p.poll() is None else p.returncode
        p.kill()
        salida, errores = p.communicate()
    informe(bien(estado, salida, errores.splitlines()),
            f"{' '.join(argumentos)}: estado {estado}, stdout {salida[:60]!r}, stderr {errores!r}")


for argumentos in (["--help"], ["-h"], ["--ayuda"], ["-platform", "xcb", "--help"]):
    comprobar(argumentos, sin_pantalla, lambda e, s, l: e == 0 and s.startswith("Uso: jubo")
              and "--version" in s and l == [])
for argumentos in (["--version"], ["-v"]):
    comprobar(argumentos, sin_pantalla, lambda e, s, l: e == 0 and l == [] and
              s.splitlines()[0:1] == [f"jubo (Las rozozerad der Jubo) {version}"])
# Told before any display is needed: the same line with a display and without one.
for argumentos, nombrado, que in (
        (["--bogus"], "--bogus", "opción desconocida"), (["-x"], "-x", "opción desconocida"),
        (["--no-existe"], "--no-existe", "opción desconocida"),
        (["-style", "fusion", "--sinsentido"], "--sinsentido", "opción desconocida"),
        (["partida.sav"], "partida.sav", "argumento de más"),
        (["--version=2"], "--version", "no lleva valor"),
        (["-display"], "-display", "falta el valor"),
        (["-reverse", "--style"], "--style", "falta el valor"),
        (["-platform"], "-platform", "falta el valor")):
    for entorno in (fuera_de_pantalla, sin_pantalla):
        comprobar(argumentos, entorno, lambda e, s, l: e == 2 and s == "" and len(l) == 1
                  and l[0].startswith("jubo: ") and nombrado in l[0] and que in l[0])

# Qt's options, offscreen and on a real X server named only by -display: the game opens.
abierto = lambda e, s, l: e == "abierto" and not any("jubo:" in x for x in l)  # noqa: E731
comprobar(["-style", "fusion", "-reverse", "-qwindowtitle", "Hola", "-widgetcount"],
          fuera_de_pantalla, abierto, lambda p: p.wait(3))
with Escritorio() as e:
    en_x = {k: v for k, v in e.env.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    argumentos = ["-platform", "xcb", "-display", e.display, "-geometry", "+10+10", "-name", "jubo"]
    comprobar(argumentos, en_x, abierto, lambda p: e.ventana("Menú principal", pid=p.pid))
sys.exit(informe.fin())
