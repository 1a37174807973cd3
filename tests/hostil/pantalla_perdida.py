#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""jubo losing its X display while it runs, as when the X server dies, xkill is used on a window or
an ssh -X session drops: each time the program ends by itself with status 1 and Qt's one line on
stderr, killed by no signal and leaving no core file, as a plain Qt program does.

Usage: pantalla_perdida.py <source dir> <jubo>
"""
import os
import resource
import subprocess
import sys
import tempfile

fuente, jubo = sys.argv[1], os.path.abspath(sys.argv[2])
sys.path.insert(0, os.path.join(fuente, "scripts"))
from escritorio import Escritorio  # noqa: E402

# Centres of the menu's buttons, in pixels of the client area.
JUEGO, SALIR = (44, 380), (532, 380)


def permitir_core():
    resource.setrlimit(resource.RLIMIT_CORE, (resource.RLIM_INFINITY, resource.RLIM_INFINITY))


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
    for p in e.procesos:
        if p.args[0] == "Xvfb":
            p.kill()
            p.wait()


def xkill(e, ventana):
    subprocess.run(["xkill", "-id", ventana], env=e.env, capture_output=True, timeout=20)


casos = {
    "X muerto con el menú": (menu, matar_x),
    "X muerto en el juego, con sonido": (en_el_juego, matar_x),
    "X muerto con la despedida abierta": (con_la_despedida, matar_x),
    "xkill de la ventana del juego": (en_el_juego, xkill),
}

fallos = 0
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
        cores = [f for f in os.listdir(cwd) if f.startswith("core")]
    lineas = [l for l in errores.decode(errors="replace").splitlines() if l.strip()]
    bien = p.returncode == 1 and len(lineas) == 1 and not salida and not cores
    print(f"{'ok' if bien else 'MAL'}: {nombre}: estado {p.returncode}, stderr {lineas!r}, "
          f"cores {cores!r}")
    fallos += not bien
sys.exit(1 if fallos else 0)
