#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""jubo losing its X display while it runs (the X server dies, xkill on a window, an ssh -X session
drops): each time it ends by itself with status 1 and Qt's one line on stderr, killed by no signal
and leaving no core file, as a plain Qt program does.

Usage: pantalla_perdida.py <source dir> <jubo>
"""
import os
import subprocess
import sys
import tempfile

fuente, jubo = sys.argv[1], os.path.abspath(sys.argv[2])
sys.path.insert(0, os.path.join(fuente, "scripts"))
from escritorio import Escritorio, Informe, cores, permitir_core  # noqa: E402

JUEGO, SALIR = (44, 380), (532, 380)  # centres of the menu's buttons, in the client area


def menu(e):
    v = e.ventana("Menú principal")
    e.pintada(v)
    return v


def en_el_juego(e):
    e.clic(menu(e), *JUEGO)
    v = e.ventana("Las rozozerad der Jubo")
    e.pintada(v)
    return v


def con_la_despedida(e):
    e.clic(menu(e), *SALIR)
    return e.ventana("Salir")


def matar_x(e, _ventana):
    x = next(p for p in e.procesos if p.args[0] == "Xvfb")
    x.kill()
    x.wait()


def xkill(e, ventana):
    subprocess.run(["xkill", "-id", ventana], env=e.env, capture_output=True, timeout=20)


casos = {
    "X muerto con el menú": (menu, matar_x),
    "X muerto en el juego, con sonido": (en_el_juego, matar_x),
    "X muerto con la despedida abierta": (con_la_despedida, matar_x),
    "xkill de la ventana del juego": (en_el_juego, xkill),
}
informe = Informe()
for nombre, (preparar, cortar) in casos.items():
    with Escritorio(con_sonido=True) as e, tempfile.TemporaryDirectory() as cwd:
        p = subprocess.Popen([jubo], cwd=cwd, env=e.env, stdin=subprocess.DEVNULL,
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                             preexec_fn=permitir_core)
        try:
            cortar(e, preparar(e))
            salida, errores = p.communicate(timeout=30)
        finally:
            if p.poll() is None:
                p.kill()
                p.communicate()
        dejados = cores(cwd)
    lineas = [l for l in errores.decode(errors="replace").splitlines() if l.strip()]
    informe(p.returncode == 1 and len(lineas) == 1 and not salida and not dejados,
            f"{nombre}: estado {p.returncode}, stderr {lineas!r}, cores {dejados!r}")
sys.exit(informe.fin())
