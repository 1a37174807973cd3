#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""jubo's command line: --help and --version print and end with status 0 even where there is no
display; an unknown option or a stray argument is named in one line on stderr, status 2; Qt's own
options are taken as any Qt program takes them, and the game starts.

Usage: opciones.py <source dir> <jubo> <version>
"""
import os
import subprocess
import sys
import tempfile

fuente, jubo, version = sys.argv[1], os.path.abspath(sys.argv[2]), sys.argv[3]
sys.path.insert(0, os.path.join(fuente, "scripts"))
from escritorio import Escritorio  # noqa: E402

runtime = tempfile.mkdtemp(prefix="jubo-opciones-")
sin_pantalla = {k: v for k, v in os.environ.items()
                if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
sin_pantalla["XDG_RUNTIME_DIR"] = runtime
fuera_de_pantalla = dict(sin_pantalla, QT_QPA_PLATFORM="offscreen")
fallos = 0


def informar(bien, que, r):
    global fallos
    print(f"{'ok' if bien else 'MAL'}: {que}: estado {r.returncode}, "
          f"stdout {r.stdout[:60]!r}, stderr {r.stderr.splitlines()!r}")
    fallos += not bien


def correr(argumentos, entorno):
    try:
        return subprocess.run([jubo, *argumentos], env=entorno, capture_output=True, text=True,
                              timeout=20)
    except subprocess.TimeoutExpired as e:
        # Still running: it took the arguments and opened the game.
        return subprocess.CompletedProcess(e.cmd, "siguió abierto", e.stdout or "", "")


for argumentos in (["--help"], ["-h"], ["--ayuda"], ["-platform", "xcb", "--help"]):
    r = correr(argumentos, sin_pantalla)
    informar(r.returncode == 0 and r.stdout.startswith("Uso: jubo") and "--version" in r.stdout
             and r.stderr == "", " ".join(argumentos) + " sin pantalla", r)

for argumentos in (["--version"], ["-v"]):
    r = correr(argumentos, sin_pantalla)
    informar(r.returncode == 0 and r.stdout.splitlines()[0:1] == [
        f"jubo (Las rozozerad der Jubo) {version}"] and r.stderr == "",
        " ".join(argumentos) + " sin pantalla", r)

for argumentos, nombrado in ((["--bogus"], "--bogus"), (["-x"], "-x"),
                             (["-style", "fusion", "--sinsentido"], "--sinsentido"),
                             (["partida.sav"], "partida.sav"),
                             (["--version=2"], "--version")):
    r = correr(argumentos, fuera_de_pantalla)
    lineas = r.stderr.splitlines()
    informar(r.returncode == 2 and len(lineas) == 1 and lineas[0].startswith("jubo: ")
             and nombrado in lineas[0] and r.stdout == "", " ".join(argumentos), r)

# Qt's options, offscreen and on a real X server named only by -display: the game opens.
with Escritorio() as e:
    en_x = {k: v for k, v in e.env.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM")}
    for argumentos, entorno in (
            (["-style", "fusion", "-reverse", "-qwindowtitle", "Hola", "-widgetcount"],
             fuera_de_pantalla),
            (["-platform", "xcb", "-display", e.display, "-geometry", "+10+10", "-name", "jubo"],
             en_x)):
        with tempfile.TemporaryDirectory() as cwd:
            p = subprocess.Popen([jubo, *argumentos], cwd=cwd, env=entorno, text=True,
                                 stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            try:
                if "-display" in argumentos:
                    e.ventana("Menú principal", pid=p.pid)
                else:
                    p.wait(3)
            except subprocess.TimeoutExpired:
                pass
            finally:
                vivo = p.poll() is None
                p.kill()
                salida, errores = p.communicate()
        r = subprocess.CompletedProcess(p.args, p.returncode if not vivo else "abierto", salida,
                                        errores)
        informar(vivo and "jubo:" not in errores, " ".join(argumentos), r)

sys.exit(1 if fallos else 0)
