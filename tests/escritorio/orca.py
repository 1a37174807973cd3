#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What Orca, the screen reader, really says while jubo is played by keyboard alone, from Orca's
debug log (it logs each thing it would say, with no speech server): entering the game tells the
place; after each order, look, inventory and move the last thing said is the reply or the new
place, so nothing cuts it off; the intro, the ending and the farewell box are read as they come.

Usage: orca.py path/to/jubo      (exits 77, skipped, where Orca is not installed)
"""
import datetime
import importlib
import os
import re
import shutil
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import jugar_escritorio as je  # noqa: E402
from jugar_escritorio import ENTRADA, PARTIDA, TECLAS, comprobar, enfocado, esperar  # noqa: E402

PAUSA = 1.5  # seconds for Orca to take in one step before the next

# Orca as /usr/bin/orca starts it, with a debug log, but not through that script: "orca --replace"
# kills every Orca of the user, and plain "orca" refuses to start beside one.
LANZADOR = """
import sys
from orca import debug
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)
from orca import orca
orca.getSettingsManager().activate(None, {})
sys.exit(orca.main())
"""


def ahora():
    return datetime.datetime.now().strftime("%H:%M:%S.%f")


def lo_que_dijo(log):
    """(time, text) of every "SPEECH OUTPUT" of Orca's log; an utterance may span lines."""
    with open(log, errors="replace") as f:
        entradas = re.split(r"\n(?=\d\d:\d\d:\d\d\.\d+ - )", f.read())
    dicho = []
    for e in entradas:
        m = re.match(r"(\S+) - SPEECH OUTPUT: '(.*)' ?(?: voice=\w+)?\{.*\}\s*$", e, re.S)
        if m:
            dicho.append((m.group(1), re.sub(r"\n +", "\n", m.group(2))))
    return dicho


class Guion:
    """The steps taken, each with when it began and what Orca must say in it: last (a reply), or
    somewhere (a window coming up). A step ends where the next begins or typing starts."""

    def __init__(self):
        self.pasos, self.cortes = [], []

    def paso(self, que, esperado, tecla, ultimo=True):
        self.pasos.append((ahora(), que, esperado, ultimo))
        self.cortes.append(self.pasos[-1][0])
        je.xdotool("key", tecla)
        time.sleep(PAUSA)

    def orden(self, caja, texto, esperado, ultimo=True):
        self.cortes.append(ahora())
        je.xdotool("type", "--delay", "60", texto)
        esperar(lambda: je.Jubo.texto(caja) == texto, f"«{texto}» escrito")
        time.sleep(PAUSA)
        self.paso(texto, esperado, "Return", ultimo)

    def comprobar(self, dicho):
        fallos = []
        for inicio, que, esperado, ultimo in self.pasos:
            fin = min([c for c in self.cortes if c > inicio], default="99")
            frases = [t for (h, t) in dicho if inicio <= h < fin]
            if ultimo:
                bien = bool(frases) and frases[-1].rstrip(".") == esperado.rstrip(".")
            else:
                bien = all(any(e in t for t in frases) for e in esperado.split(" | "))
            if not bien:
                fallos.append(f"{que}: {esperado!r}; Orca dijo {frases!r}")
        comprobar(not fallos, "Orca no dice lo esperado:\n  " + "\n  ".join(fallos))


def jugar(g):
    with je.Jubo() as j:
        menu = j.ventana("Menú principal")
        eljuego = j.control(menu, je.pyatspi.ROLE_PUSH_BUTTON, "Juego")
        esperar(lambda: enfocado(eljuego), "el foco en el botón Juego")
        # The intro and back.
        je.xdotool("key", "Tab")
        time.sleep(PAUSA)
        g.paso("Intro en Intro / Ayuda", "Ayuda: Aventura conversacional. | Introducción: Dorli "
               "Vánez | Alt + flecha arriba: Pa' Lante.", "Return", ultimo=False)
        g.paso("Intro en Volver", "Menú principal", "Return", ultimo=False)
        je.xdotool("key", "shift+Tab")  # from Intro / Ayuda, which had the focus, to Juego
        time.sleep(PAUSA)
        # The game, to the ending.
        g.paso("Intro en Juego", ENTRADA, "Return", ultimo=False)
        caja = j.control(j.ventana("Las rozozerad der Jubo"), je.pyatspi.ROLE_TEXT, "Orden")
        esperar(lambda: enfocado(caja), "el foco en la caja de órdenes")
        for accion, dicho in PARTIDA + [("Pa' Tras", ENTRADA)]:
            if accion in TECLAS:
                g.paso(accion, dicho, TECLAS[accion])
            else:
                g.orden(caja, accion, dicho)
        g.orden(caja, "usar mazo clavo coche", "¡¡Enhorabuena, te has pasado el juego!!\nGracias "
                "a la extremada inteligencia suprema de Er Jubo", ultimo=False)
        j.ventana("Final")
        je.xdotool("key", "Return")
        j.termina()


def despedirse(g):
    with je.Jubo() as j:
        salir = j.control(j.ventana("Menú principal"), je.pyatspi.ROLE_PUSH_BUTTON, "Salir")
        je.xdotool("key", "shift+Tab")
        esperar(lambda: enfocado(salir), "el foco en Salir")
        time.sleep(PAUSA)
        g.paso("Intro en Salir", "Gracias por jugar | Aceptar", "Return", ultimo=False)
        je.xdotool("key", "Return")
        j.termina()


def main():
    if not shutil.which("orca"):
        print("Orca no está instalado: nada que comprobar")
        return 77
    with je.escritorio.Escritorio(con_bus=True) as esc:
        je.ESC = esc
        esc.usar_aqui()
        je.pyatspi = importlib.import_module("pyatspi")
        log = os.path.join(esc.carpeta, "orca.log")
        orca = esc.lanzar(["/usr/bin/python3", "-c", LANZADOR, log], esc.carpeta,
                          os.path.join(esc.carpeta, "orca.txt"),
                          env=dict(esc.env, SPEECHD_CMD="/bin/false"))
        esperar(lambda: "ORCA: Startup complete" in open(log, errors="replace").read(),
                lambda: f"que Orca arranque ({esc.registro('orca.txt')[-800:]})", plazo=60)
        time.sleep(1)
        g = Guion()
        jugar(g)
        despedirse(g)
        orca.terminate()
        orca.wait(timeout=20)
        g.comprobar(lo_que_dijo(log))
    print("ok   lo que dice Orca")
    return 0


if __name__ == "__main__":
    sys.exit(main())
