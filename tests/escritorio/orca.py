#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""What Orca, the screen reader, really says while jubo is played by keyboard alone, read from
Orca's own debug log on a private desktop (scripts/escritorio.py). Orca runs without a speech
server: it logs each thing it would say all the same.

Checked: entering the game tells the place; after each order, Ver, the inventory and each move,
the last thing Orca says is the reply or the new place (so nothing cuts it off), the hint
included; the intro's help and story, the ending's texts and the farewell box's Spanish button
are read as those windows come up.

Usage: orca.py path/to/jubo      (exits 77, skipped, where Orca is not installed)
"""
import datetime
import importlib
import os
import re
import shutil
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import jugar_escritorio as je  # noqa: E402
from jugar_escritorio import (CERCANIAS, COMEDOR, CUARTO, ENTRADA, JARDIN, PARQUE,  # noqa: E402
                              PISTA, Fallo, comprobar, enfocado, esperar, escritorio, xdotool)

PAUSA = 1.5  # seconds for Orca to take in one step before the next


class Orca:
    def __init__(self, esc):
        self.log = os.path.join(esc.carpeta, f"orca-{time.monotonic_ns()}.log")
        # No speech server is started: the log still has every "SPEECH OUTPUT".
        env = dict(esc.env, SPEECHD_CMD="/bin/false")
        self.proceso = esc.lanzar(["orca", "--replace", "--debug-file=" + self.log], esc.carpeta,
                                  os.path.join(esc.carpeta, "orca.txt"), env=env)
        # Orca writes a great deal while it starts; once that shows, it is listening.
        esperar(lambda: os.path.exists(self.log) and os.path.getsize(self.log) > 0,
                "que Orca arranque", plazo=60)
        time.sleep(3)

    def dicho(self):
        """Everything Orca said, as (time, text), once Orca has ended and written its log."""
        self.proceso.terminate()
        self.proceso.wait(timeout=20)
        with open(self.log, errors="replace") as f:
            texto = f.read()
        if os.environ.get("JUBO_ORCA_LOG"):
            shutil.copy(self.log, os.environ["JUBO_ORCA_LOG"])
        # One entry per "HH:MM:SS.ffffff - " line; an utterance may run over several lines.
        entradas = re.split(r"\n(?=\d\d:\d\d:\d\d\.\d+ - )", texto)
        dicho = []
        for e in entradas:
            m = re.match(r"(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)' ?(?: voice=\w+)?\{.*\}\s*$",
                         e, re.S)
            if m:
                # The log indents the lines after the first of an utterance.
                dicho.append((m.group(1), re.sub(r"\n +", "\n", m.group(2))))
        return dicho


def ahora():
    return datetime.datetime.now().strftime("%H:%M:%S.%f")


class Guion:
    """Steps taken, each with when it began and what Orca must say for it; a step lasts until
    the next one begins or the player starts doing something else (typing the next order)."""

    def __init__(self):
        self.pasos = []
        self.cortes = []

    def paso(self, que, esperado, ultimo=True, accion=None):
        self.pasos.append((ahora(), que, esperado, ultimo))
        self.cortes.append(self.pasos[-1][0])
        if accion:
            accion()
        time.sleep(PAUSA)

    def cortar(self):
        self.cortes.append(ahora())

    def comprobar(self, dicho):
        fallos = []
        for inicio, que, esperado, ultimo in self.pasos:
            fin = min([c for c in self.cortes if c > inicio], default="99")
            frases = [t for (h, t) in dicho if inicio <= h < fin]
            if ultimo:
                bien = bool(frases) and frases[-1].rstrip(".") == esperado.rstrip(".")
            else:
                esperados = (esperado,) if isinstance(esperado, str) else esperado
                bien = all(any(e in t for t in frases) for e in esperados)
            if not bien:
                fallos.append(f"{que}: {'al final ' if ultimo else ''}{esperado!r}; Orca dijo "
                              f"{frases!r}")
        comprobar(not fallos, "Orca no dice lo esperado:\n  " + "\n  ".join(fallos))


def partida(esc):
    orca = Orca(esc)
    j = je.Jubo()
    g = Guion()
    try:
        menu = j.ventana("Menú principal")
        eljuego = j.control(menu, je.pyatspi.ROLE_PUSH_BUTTON, "Juego")
        esperar(lambda: enfocado(eljuego), "el foco en el botón Juego")
        time.sleep(PAUSA)
        g.paso("Intro en Juego", ENTRADA, ultimo=False, accion=lambda: xdotool("key", "Return"))
        juego = j.ventana("Las rozozerad der Jubo")
        caja = j.control(juego, je.pyatspi.ROLE_TEXT, "Orden")
        esperar(lambda: enfocado(caja), "el foco en la caja de órdenes")

        def orden(texto, esperado):
            g.cortar()
            xdotool("type", "--delay", "60", texto)
            esperar(lambda: j.texto(caja) == texto, f"«{texto}» escrito")
            time.sleep(PAUSA)
            g.paso(texto, esperado, accion=lambda: xdotool("key", "Return"))

        def tecla(t, esperado):
            g.paso(t, esperado, accion=lambda: xdotool("key", t))

        orden("mirar coche", "Joé, tiene las puertas soldadas, y los cristales son anti-robos")
        tecla("alt+v", "Es la  entrada a la casa der Gorvil, alias 'Er Bolco'. Por esta zona tié "
                       "que haber una bomba escondia")
        tecla("alt+Up", CUARTO)
        orden("coger mazo", "Vale, ya tengo el mazo")
        orden("mirar el cajón", "¡Coño!, no había visto que aparte del mazo, había un clavo, lo "
                                "cogeré ...")
        tecla("alt+Left", COMEDOR)
        tecla("alt+Left", JARDIN)
        orden("sacar arena", "¡Coño!, hay enterrao un destornillador aquí, joé, que sitio más "
                             "extraño para guardar algo, ¿no?")
        orden("coger destornillador", "Pos vale, ya tengo el destornillador")
        tecla("alt+Left", PARQUE)
        orden("usar destornillador tornillo", "Perfesto, ya tengo el tornillo")
        tecla("alt+i", "Inventario: \n- Destornillador\n- Tornillo\n- Clavo\n- Mazo")
        tecla("alt+Right", JARDIN)
        tecla("alt+Right", COMEDOR)
        tecla("alt+Right", CUARTO)
        tecla("alt+Down", ENTRADA)
        tecla("alt+Down", CERCANIAS)
        orden("usar tornillo destornillador monumento",
              PISTA + "\n¡Coño!, er 'Bolco' ha dejao un mensaje ...")
        tecla("alt+Down", ENTRADA)
        g.cortar()
        xdotool("type", "--delay", "60", "usar mazo clavo coche")
        esperar(lambda: j.texto(caja) == "usar mazo clavo coche", "la última orden escrita")
        time.sleep(PAUSA)
        g.paso("usar mazo clavo coche", "¡¡Enhorabuena, te has pasado el juego!!\nGracias a la "
               "extremada inteligencia suprema de Er Jubo", ultimo=False,
               accion=lambda: xdotool("key", "Return"))
        j.ventana("Final")
        xdotool("key", "Return")
        comprobar(j.termina() == 0, "jubo no acaba bien")
    finally:
        j.cerrar()
        dicho = orca.dicho()
    g.comprobar(dicho)


def intro_y_despedida(esc):
    orca = Orca(esc)
    j = je.Jubo()
    g = Guion()
    try:
        menu = j.ventana("Menú principal")
        eljuego = j.control(menu, je.pyatspi.ROLE_PUSH_BUTTON, "Juego")
        esperar(lambda: enfocado(eljuego), "el foco en el botón Juego")
        xdotool("key", "Tab")
        time.sleep(PAUSA)
        g.paso("Intro en Intro / Ayuda",
               ("Ayuda: Aventura conversacional.", "Introducción: Dorli Vánez, alias \"Er Jubo\".",
                "Alt + flecha arriba: Pa' Lante."),
               ultimo=False, accion=lambda: xdotool("key", "Return"))
        g.paso("Intro en Volver", "Menú principal", ultimo=False,
               accion=lambda: xdotool("key", "Return"))
        xdotool("key", "Tab")  # from Intro / Ayuda, which had the focus, to Salir
        time.sleep(PAUSA)
        g.paso("Intro en Salir", ("Gracias por jugar", "Aceptar"), ultimo=False,
               accion=lambda: xdotool("key", "Return"))
        xdotool("key", "Return")
        comprobar(j.termina() == 0, "jubo no acaba bien")
    finally:
        j.cerrar()
        dicho = orca.dicho()
    g.comprobar(dicho)


def main():
    if not shutil.which("orca"):
        print("Orca no está instalado: nada que comprobar")
        return 77
    fallos = 0
    # One desktop for both: pyatspi stays with the buses it found when it was imported.
    with escritorio.Escritorio(con_bus=True) as esc:
        je.ESC = esc
        esc.usar_aqui()
        je.pyatspi = importlib.import_module("pyatspi")
        for nombre, prueba in [("partida con el teclado, lo que dice Orca", partida),
                               ("intro y despedida, lo que dice Orca", intro_y_despedida)]:
            inicio = time.monotonic()
            try:
                prueba(esc)
                print(f"ok   {nombre} ({time.monotonic() - inicio:.1f} s)", flush=True)
            except Exception:
                fallos += 1
                print(f"MAL  {nombre}", flush=True)
                traceback.print_exc()
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
