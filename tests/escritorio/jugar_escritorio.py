#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays the real jubo on a private desktop (scripts/escritorio.py) as a person would: real mouse
clicks and key presses through xdotool, read back through the accessibility bus (AT-SPI), with
what a screen reader is told as the game goes on and, where Orca is installed, what Orca says.

Usage: jugar_escritorio.py path/to/jubo
"""
import datetime
import importlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import escritorio  # noqa: E402
from escritorio import Error as Fallo  # noqa: E402

PLAZO = 20.0  # seconds to wait for anything to appear on screen
PAUSA = 1.5  # seconds for Orca to take in one step before the next
JUBO = os.path.abspath(sys.argv[1])
ESC = ORCA = None  # the private desktop everything here runs on, and Orca listening there
pyatspi = GLib = None  # imported once this process is on that desktop's buses


def esperar(condicion, que, plazo=PLAZO):
    # The accessibility tree changes under our feet: errors while asking count as "not yet".
    return escritorio.esperar(condicion, plazo, que, tolerar=Exception)


def xdotool(*args):
    if ESC.xdotool(*args) is None:
        raise Fallo(f"xdotool {' '.join(args)} falló")


def visible(a):
    return a.getState().contains(pyatspi.STATE_SHOWING)


def enfocado(a):
    return a.getState().contains(pyatspi.STATE_FOCUSED)


def todos(raiz):
    pila = [raiz]
    while pila:
        a = pila.pop()
        if a is None:
            continue
        yield a
        pila.extend(a[i] for i in range(a.childCount - 1, -1, -1))


class Oido:
    """What a screen reader is told while the focus stays put, and where the focus goes. A
    notification's text is spoken when it comes up (Orca 43 speaks nothing else of it)."""

    def __init__(self):
        self.dichos, self.focos = [], []
        self.tipos = ("object:state-changed:showing", "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self._anotar, *self.tipos)

    def _anotar(self, e):
        try:
            if not e.detail1:
                return
            if e.type.startswith("object:state-changed:showing"):
                if e.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                    self.dichos.append(e.source.name)
            else:
                self.focos.append(e.source.name)
        except Exception:
            pass  # a control gone by the time its event is read

    @staticmethod
    def _recibir():
        # The bus's events come in through GLib's main loop, which nothing else here runs.
        contexto = GLib.MainContext.default()
        while contexto.pending():
            contexto.iteration(False)

    def oye(self, esperado=None):
        """esperado, once, is all that was said since the last call; or, given a moment to
        arrive, nothing was."""
        if esperado is None:
            time.sleep(0.5)
        esperar(lambda: (self._recibir(), esperado is None or esperado in self.dichos)[1],
                lambda: f"que se diga {esperado!r} (dicho: {self.dichos!r})")
        dichos, self.dichos = self.dichos, []
        comprobar(dichos == ([esperado] if esperado else []), f"se dijo {dichos!r}")

    def enfocados(self):
        self._recibir()
        focos, self.focos = self.focos, []
        return focos

    def __enter__(self):
        return self

    def __exit__(self, *_):
        pyatspi.Registry.deregisterEventListener(self._anotar, *self.tipos)


# Orca as /usr/bin/orca starts it, with a debug log (it logs each thing it would say, with no
# speech server), but not through that script: "orca --replace" kills every Orca of the user, and
# plain "orca" refuses to start beside one. The laptop layout leaves the keypad to the game.
LANZADOR = """
import sys
from orca import debug
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)
from orca import orca, settings
orca.getSettingsManager().activate(
    None, {"keyboardLayout": settings.GENERAL_KEYBOARD_LAYOUT_LAPTOP})
sys.exit(orca.main())
"""


def ahora():
    return datetime.datetime.now().strftime("%H:%M:%S.%f")


class Orca:
    """What Orca must say at each step, a key pressed: last (a reply, so nothing cuts it off), or
    somewhere ("a | b": a window coming up). A step ends where the next one or a corte() begins.
    Without Orca installed the keys are pressed and nothing more."""

    def __init__(self):
        self.pasos, self.cortes, self.log = [], [], None
        if not shutil.which("orca"):
            print("(Orca no está instalado: no se comprueba lo que dice)", flush=True)
            return
        self.log = os.path.join(ESC.carpeta, "orca.log")
        self.proceso = ESC.lanzar(["/usr/bin/python3", "-c", LANZADOR, self.log], ESC.carpeta,
                                  os.path.join(ESC.carpeta, "orca.txt"),
                                  env=dict(ESC.env, SPEECHD_CMD="/bin/false"))
        esperar(lambda: "ORCA: Startup complete" in open(self.log, errors="replace").read(),
                lambda: f"que Orca arranque ({ESC.registro('orca.txt')[-800:]})", plazo=60)
        time.sleep(1)

    def corte(self):
        self.cortes.append(ahora())

    def paso(self, que, esperado, teclas, ultimo=True):
        self.pasos.append((ahora(), que, esperado, ultimo))
        self.cortes.append(self.pasos[-1][0])
        xdotool("key", *teclas.split())
        self.pausa()

    def pausa(self):
        if self.log:
            time.sleep(PAUSA)

    def comprobar(self):
        if not self.log:
            return
        self.proceso.terminate()
        self.proceso.wait(timeout=20)
        # (time, text) of every "SPEECH OUTPUT" of the log; an utterance may span lines.
        dicho, fallos = [], []
        with open(self.log, errors="replace") as f:
            for e in re.split(r"\n(?=\d\d:\d\d:\d\d\.\d+ - )", f.read()):
                m = re.match(r"(\S+) - SPEECH OUTPUT: '(.*)' ?(?: voice=\w+)?\{.*\}\s*$", e, re.S)
                if m:
                    dicho.append((m.group(1), re.sub(r"\n +", "\n", m.group(2))))
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


class Jubo:
    def __init__(self):
        # The working directory has no Archivos: the pictures must come from beside the program.
        self.carpeta = tempfile.mkdtemp(dir=ESC.carpeta)
        self.salida = os.path.join(self.carpeta, "salida.txt")
        self.vistos = []
        # A program that never shows up on the accessibility bus is started once more: that is
        # the bus's hiccup, not the game's. Twice in a row is a failure.
        for intento in (1, 2):
            self.proceso = ESC.lanzar([JUBO], self.carpeta, self.salida)
            try:
                self.app = esperar(self._app, "la aplicación jubo en el bus de accesibilidad")
                return
            except Fallo as e:
                if intento == 2 or self.proceso.poll() is not None:
                    raise Fallo(f"{e}; en el bus: {self.vistos}") from None
                print(f"(jubo no aparece en el bus de accesibilidad; otra vez. En el bus: "
                      f"{self.vistos})", flush=True)
                self.proceso.kill()
                self.proceso.wait()

    def _app(self):
        if self.proceso.poll() is not None:
            with open(self.salida, errors="replace") as f:
                salida = f.read()
            raise Fallo(f"jubo terminó antes de tiempo ({self.proceso.returncode}): {salida}; "
                        f"Xvfb: {ESC.registro('xvfb.log')}")
        escritorio = pyatspi.Registry.getDesktop(0)
        escritorio.clear_cache()  # programs come and go between polls
        self.vistos = []
        for i in range(escritorio.childCount):
            try:
                a = escritorio[i]
                self.vistos.append((a.name, a.get_process_id()))
                if a.name == "jubo" and a.get_process_id() == self.proceso.pid and \
                        a.childCount > 0:
                    return a
            except Exception:
                # A program that has just ended may still be listed for a moment; asking it
                # anything fails. It must not hide the one we are waiting for.
                continue
        return None

    def __enter__(self):
        return self

    def __exit__(self, *_):
        if self.proceso.poll() is None:
            self.proceso.kill()
            self.proceso.wait()

    def ventanas(self):
        return [v for v in (self.app[i] for i in range(self.app.childCount)) if v is not None]

    def ventana(self, titulo):
        return esperar(lambda: next((v for v in self.ventanas() if v.name == titulo and visible(v)),
                                    None), f"la ventana «{titulo}»")

    def visibles(self):
        return sorted(v.name for v in self.ventanas() if visible(v))

    def control(self, ventana, rol, nombre):
        return esperar(lambda: next((a for a in todos(ventana)
                                     if a.getRole() == rol and a.name == nombre), None),
                       f"el control «{nombre}» en «{ventana.name}»")

    def lineas(self, juego):
        lista = self.control(juego, pyatspi.ROLE_LIST, "Respuestas")
        return [lista[i].name for i in range(lista.childCount)]

    def clic(self, a):
        esperar(lambda: visible(a) and a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                .width > 0, f"«{a.name}» a la vista")
        e = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        ESC.clic_en_pantalla(e.x + e.width // 2, e.y + e.height // 2)

    def boton(self, ventana, nombre):
        self.clic(self.control(ventana, pyatspi.ROLE_PUSH_BUTTON, nombre))

    def orden(self, juego, texto, clic=True, dicho=None, ultimo=True):
        """Types an order and Enter; clicks the order box first if it lost the focus, or, without
        clic, fails then: a keyboard player never had to move it back. Orca must say dicho."""
        caja = self.control(juego, pyatspi.ROLE_TEXT, "Orden")
        if not enfocado(caja):
            comprobar(clic, "la caja de órdenes ha perdido el foco")
            self.clic(caja)
            esperar(lambda: enfocado(caja), "el foco en la caja de órdenes")
        ORCA.corte()
        xdotool("type", "--delay", "25", texto)
        esperar(lambda: self.texto(caja) == texto,
                lambda: f"«{texto}» escrito en la caja (hay «{self.texto(caja)}»)")
        if dicho is None:
            xdotool("key", "Return")
        else:
            ORCA.pausa()
            ORCA.paso(texto, dicho, "Return", ultimo)

    @staticmethod
    def texto(a):
        t = a.queryText()
        return t.getText(0, t.characterCount)

    def cerrar_ventana(self, titulo):
        ESC.cerrar(ESC.ventana(titulo, PLAZO, pid=self.proceso.pid))

    def termina(self):
        """The program ends by itself, and well."""
        try:
            codigo = self.proceso.wait(timeout=PLAZO)
        except subprocess.TimeoutExpired:
            raise Fallo("jubo no ha terminado")
        comprobar(codigo == 0, f"jubo acaba con estado {codigo}")


def comprobar(condicion, que):
    if not condicion:
        raise Fallo(que)


def sin_lineas(ventana):
    """The lines that draw the window's boxes are not there for a screen reader's review."""
    lineas = [a.name for a in todos(ventana) if a.getRole() == pyatspi.ROLE_SEPARATOR]
    comprobar(not lineas, f"«{ventana.name}» tiene {len(lineas)} líneas a la vista: {lineas}")


ENTRADA = "Entrada. Salidas: Pa' Lante; Pa' Tras."
CUARTO = "Cuarto. Salidas: Pa' Tras; Pa' Ca, a la izquierda."
COMEDOR = "Comedor. Salidas: Pa' ya, a la derecha; Pa' Ca, a la izquierda."
JARDIN = "Jardín. Salidas: Pa' ya, a la derecha; Pa' Ca, a la izquierda."
CERCANIAS = "Cercanías. Salidas: Pa' Tras."
PISTA = "¡Capullo, la bomba está en el coche!"
SIN_SALIDA = "Por ahí no hay salida."
IZQUIERDA, DERECHA = "Pa' Ca, a la izquierda", "Pa' ya, a la derecha"

# The game from the entrance to the monument's message: what the player does (a button, or else
# an order to type) and what the screen reader is told then.
PARTIDA = [
    ("Ver", "Es la  entrada a la casa der Gorvil, alias 'Er Bolco'. Por esta zona tié que haber "
            "una bomba escondia"),
    ("Pa' Lante", CUARTO),
    ("coger mazo", "Vale, ya tengo el mazo"),
    ("mirar el cajón", "¡Coño!, no había visto que aparte del mazo, había un clavo, lo cogeré ..."),
    (IZQUIERDA, COMEDOR),
    (IZQUIERDA, JARDIN),
    ("sacar arena", "¡Coño!, hay enterrao un destornillador aquí, joé, que sitio más extraño "
                    "para guardar algo, ¿no?"),
    ("coger destornillador", "Pos vale, ya tengo el destornillador"),
    (IZQUIERDA, "Parque. Salidas: Pa' ya, a la derecha."),
    ("usar destornillador tornillo", "Perfesto, ya tengo el tornillo"),
    ("Pa' Ver lo que tienes", "Inventario: \n- Destornillador\n- Tornillo\n- Clavo\n- Mazo"),
    (DERECHA, JARDIN),
    (DERECHA, COMEDOR),
    (DERECHA, CUARTO),
    ("Pa' Tras", ENTRADA),
    ("Pa' Tras", CERCANIAS),
    ("usar tornillo destornillador monumento", "¡Coño!, er 'Bolco' ha dejao un mensaje ...\n" + PISTA),
]
# The game screen's keys for its buttons.
TECLAS = {"Ver": "alt+v", "Pa' Ver lo que tienes": "alt+i", "Pal' Menú": "alt+m",
          "Pa' Lante": "alt+Up", "Pa' Tras": "alt+Down", DERECHA: "alt+Right", IZQUIERDA: "alt+Left"}


def partida_completa(teclado=False):
    """From the menu to the ending, hearing every reply, place and the hint once each. With
    teclado, by keyboard alone, and the focus never leaves the order box in the game."""
    with Oido() as oido, Jubo() as j:
        menu = j.ventana("Menú principal")
        comprobar(j.visibles() == ["Menú principal"], f"al empezar solo el menú: {j.visibles()}")
        eljuego = j.control(menu, pyatspi.ROLE_PUSH_BUTTON, "Juego")
        esperar(lambda: enfocado(eljuego), "el foco en el botón Juego")

        def entrar(tecla, dice):
            if teclado:
                esperar(lambda: enfocado(eljuego), "el foco en el botón Juego")
                ORCA.paso(f"{tecla} en Juego", dice, tecla, ultimo=False)
            else:
                j.boton(menu, "Juego")
            juego = j.ventana("Las rozozerad der Jubo")
            esperar(lambda: j.visibles() == ["Las rozozerad der Jubo"], "solo la ventana del juego")
            esperar(lambda: enfocado(j.control(juego, pyatspi.ROLE_TEXT, "Orden")),
                    "el foco en la caja de órdenes")
            oido.oye()
            oido.enfocados()
            return juego

        def pulsar(que, dicho, tecla):
            """A key whose answer Orca must say last, in the run by keyboard, where Orca is given
            time for each step; by mouse, only the key."""
            if teclado:
                ORCA.paso(que, dicho, tecla)
            else:
                xdotool("key", tecla)

        def hacer(accion, dicho):
            if accion not in TECLAS:
                j.orden(juego, accion, clic=not teclado, dicho=dicho if teclado else None)
            elif teclado:
                ORCA.paso(accion, dicho, TECLAS[accion])
            else:
                j.boton(juego, accion)
            oido.oye(dicho)
            # What is heard is what is shown: the new place's picture, or the lines in the list.
            if ". Salidas: " in dicho:
                esperar(lambda: dibujo() == [dicho.split(".")[0]], f"el dibujo de {dicho}")
                # The order box's description follows the player, for "where am I".
                comprobar(caja.description.startswith(dicho + " "),
                          f"la caja de órdenes dice {caja.description!r}")
            else:
                comprobar(j.lineas(juego) == dicho.removesuffix("\n" + PISTA).split("\n"),
                          f"la lista muestra {j.lineas(juego)!r}")

        juego = entrar("Return", ENTRADA)
        # The window itself tells where the player is, as it comes up.
        comprobar(juego.description == ENTRADA, f"la ventana dice {juego.description!r}")
        botones = {n: j.control(juego, pyatspi.ROLE_PUSH_BUTTON, n)
                   for n in ("Pa' Lante", "Pa' Tras", DERECHA, IZQUIERDA)}
        comprobar([n for n, b in botones.items() if visible(b)] == ["Pa' Lante", "Pa' Tras"],
                  "en la entrada solo Pa' Lante y Pa' Tras")
        pista = j.control(juego, pyatspi.ROLE_LABEL, PISTA)
        comprobar(not visible(pista), "la pista oculta al empezar")
        dibujo = lambda: [a.name for a in todos(juego) if a.getRole() == pyatspi.ROLE_IMAGE]
        caja = j.control(juego, pyatspi.ROLE_TEXT, "Orden")
        sin_lineas(juego)
        # The key of a way that is not there is answered, and nothing else changes.
        lineas = j.lineas(juego)
        pulsar("Alt + flecha derecha en la entrada", SIN_SALIDA, "alt+Right")
        oido.oye(SIN_SALIDA)
        ORCA.corte()
        comprobar(j.lineas(juego) == lineas and dibujo() == ["Entrada"] and
                  juego.description == ENTRADA, "la entrada sigue igual")
        for accion, dicho in PARTIDA[:11]:
            hacer(accion, dicho)
        # Up recalls the last order, Down brings back the empty box; each order recalled is said
        # whole (Orca alone would read the new line without its last letter).
        if not teclado:
            j.clic(caja)
        for tecla, orden in (("Up", "usar destornillador tornillo"), ("Up", "coger destornillador"),
                             ("Down", "usar destornillador tornillo")):
            pulsar(f"{tecla} en la caja", orden, tecla)
            esperar(lambda: j.texto(caja) == orden, f"«{orden}» recordada")
            oido.oye(orden)
        ORCA.corte()
        xdotool("key", "Down")
        esperar(lambda: j.texto(caja) == "", "la caja vacía otra vez")
        oido.oye()
        for accion, dicho in PARTIDA[11:]:
            hacer(accion, dicho)
        comprobar([n for n, b in botones.items() if visible(b)] == ["Pa' Tras"],
                  "en las cercanías solo Pa' Tras")
        esperar(lambda: visible(pista), "la pista a la vista")
        focos = oido.enfocados()
        comprobar(not teclado or set(focos) <= {"Orden"}, f"el foco pasó por {focos}")
        # Orca's "where am I" on the order box (Insert + Enter: the laptop layout, with Orca's
        # default modifier) says the place and the ways on; Alt + R says again the last answer,
        # the hint and the place.
        if teclado:
            ORCA.paso("dónde estoy, en la caja", CERCANIAS, "Insert+Return", ultimo=False)
            oido.oye()
            # Orca's "read the status bar", as the README gives it for the laptop layout.
            ORCA.paso("la barra de estado", CERCANIAS, "Insert+slash Insert+slash", ultimo=False)
            oido.oye()
        repetido = "\n".join(j.lineas(juego) + [PISTA, CERCANIAS])
        pulsar("Alt + R", repetido, "alt+r")
        oido.oye(repetido)

        # To the menu and back: everything is as it was, and nothing is said again.
        lineas = j.lineas(juego)
        hacer_menu = (lambda: xdotool("key", "alt+m")) if teclado else \
            (lambda: j.boton(juego, "Pal' Menú"))
        ORCA.corte()
        hacer_menu()
        menu = j.ventana("Menú principal")
        esperar(lambda: j.visibles() == ["Menú principal"], "solo el menú")
        juego = entrar("KP_Enter", CERCANIAS + "\n" + PISTA)
        esperar(lambda: visible(pista), "la pista sigue a la vista")
        comprobar(j.lineas(juego) == lineas and dibujo() == ["Cercanías"], "el juego sigue igual")
        comprobar(juego.description == CERCANIAS + "\n" + PISTA,
                  f"la ventana dice {juego.description!r}")

        hacer("Pa' Tras", ENTRADA)
        esperar(lambda: not visible(pista), "la pista oculta al cambiar de sitio")
        # Read with the focused button Final as the window comes up: both texts of the ending.
        j.orden(juego, "usar mazo clavo coche", clic=not teclado, ultimo=False,
                dicho="¡¡Enhorabuena, te has pasado el juego!!\nGracias a la extremada "
                      "inteligencia suprema de Er Jubo" if teclado else None)
        final = j.ventana("Final")
        esperar(lambda: j.visibles() == ["Final"], "solo la ventana final")
        j.control(final, pyatspi.ROLE_LABEL, "¡¡Enhorabuena, te has pasado el juego!!")
        boton_final = j.control(final, pyatspi.ROLE_PUSH_BUTTON, "Final")
        esperar(lambda: enfocado(boton_final), "el foco en el botón Final")
        focos = oido.enfocados()
        comprobar(not teclado or focos == ["Final"], f"el foco pasó por {focos}")
        if teclado:
            xdotool("key", "Return")
        else:
            j.cerrar_ventana("Final")
        j.termina()


def despedida(escape):
    """Closing the game window, or Escape with half an order typed: one farewell box, with its
    text and its one button in Spanish, and the program ends well."""
    with Jubo() as j:
        j.boton(j.ventana("Menú principal"), "Juego")
        juego = j.ventana("Las rozozerad der Jubo")
        if escape:
            caja = j.control(juego, pyatspi.ROLE_TEXT, "Orden")
            esperar(lambda: enfocado(caja), "el foco en la caja de órdenes")
            xdotool("type", "--delay", "25", "coger ma")
            esperar(lambda: j.texto(caja) == "coger ma", "la orden a medias")
            ORCA.pausa()
            ORCA.paso("Escape", "¡Gracias por jugar!, y vuelva pronto | Aceptar", "Escape",
                      ultimo=False)
        else:
            j.cerrar_ventana("Las rozozerad der Jubo")
        caja = j.ventana("Salir")
        j.control(caja, pyatspi.ROLE_LABEL,
                  "¡Gracias por jugar!, y vuelva pronto" if escape else "Gracias por jugar")
        cajas = [v for v in j.ventanas() if v.name == "Salir"]
        comprobar(len(cajas) == 1, f"una sola despedida, no {len(cajas)}")
        ok = j.control(caja, pyatspi.ROLE_PUSH_BUTTON, "Aceptar")
        comprobar(sum(1 for a in todos(caja) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON) == 1,
                  "un solo botón en la despedida")
        j.clic(ok)
        j.termina()


def intro_y_vuelta():
    with Jubo() as j:
        menu = j.ventana("Menú principal")
        eljuego = j.control(menu, pyatspi.ROLE_PUSH_BUTTON, "Juego")
        esperar(lambda: enfocado(eljuego), "el foco en el botón Juego")
        xdotool("key", "Tab")
        boton_intro = j.control(menu, pyatspi.ROLE_PUSH_BUTTON, "Intro / Ayuda")
        esperar(lambda: enfocado(boton_intro), "el foco en el botón Intro / Ayuda")
        # Read with the focused button as the window comes up: the help, the story, the keys.
        ORCA.pausa()
        ORCA.paso("Intro en Intro / Ayuda", "Ayuda: Aventura conversacional. | Introducción: "
                  "Dorli Vánez | Alt + flecha arriba: Pa' Lante.", "Return", ultimo=False)
        intro = j.ventana("Intro / Ayuda")
        esperar(lambda: j.visibles() == ["Intro / Ayuda"], "solo la intro")
        j.control(intro, pyatspi.ROLE_PANEL, "Introducción")
        j.control(intro, pyatspi.ROLE_PANEL, "Ayuda")
        sin_lineas(intro)
        volver = j.control(intro, pyatspi.ROLE_PUSH_BUTTON, "Volver")
        esperar(lambda: enfocado(volver), "el foco en Volver")
        ORCA.paso("Intro en Volver", "Menú principal", "Return", ultimo=False)
        j.ventana("Menú principal")
        esperar(lambda: j.visibles() == ["Menú principal"], "solo el menú otra vez")
        # Closing the intro ends the program at once: no farewell, although the menu exists.
        j.boton(menu, "Intro / Ayuda")
        j.ventana("Intro / Ayuda")
        j.cerrar_ventana("Intro / Ayuda")
        j.termina()


def sonido():
    """The start opens no sound device; the first cue does, and is heard: the cues come from
    beside the program, whatever the working directory."""
    grabacion_wav = os.path.join(ESC.carpeta, "monitor.wav")
    grabacion = ESC.grabar(grabacion_wav)
    with Jubo() as j:
        menu = j.ventana("Menú principal")
        time.sleep(1.0)
        comprobar(ESC.clientes_de_sonido(j.proceso.pid) == 0,
                  "jubo habla con el servidor de sonido al empezar")
        j.boton(menu, "Juego")
        j.ventana("Las rozozerad der Jubo")
        esperar(lambda: ESC.clientes_de_sonido(j.proceso.pid) > 0,
                "jubo conectado al servidor de sonido")
        time.sleep(1.5)
        ESC.parar(grabacion)
        oido = sum(1 for m in escritorio.leer_wav(grabacion_wav) if abs(m) > 300) / escritorio.TASA
        comprobar(oido > 0.2, f"apenas se oye nada al entrar en el juego ({oido:.2f} s)")


PRUEBAS = [
    ("partida completa con el ratón, cerrando la ventana final", partida_completa),
    ("partida completa con el teclado, oyendo lo que dice", lambda: partida_completa(teclado=True)),
    ("Intro / Ayuda, vuelta al menú y cerrarla", intro_y_vuelta),
    ("Escape con una orden a medias", lambda: despedida(escape=True)),
    ("cerrar el juego", lambda: despedida(escape=False)),
    ("sonido: nada al empezar, las señales al jugar", sonido),
    ("lo que dice Orca en todo ello", lambda: ORCA.comprobar()),
]


def main():
    global ESC, ORCA, pyatspi, GLib
    fallos = 0
    with escritorio.Escritorio(con_sonido=True, con_bus=True) as ESC:
        ESC.usar_aqui()
        pyatspi = importlib.import_module("pyatspi")  # it reads the display and bus at import
        GLib = importlib.import_module("gi.repository.GLib")
        ORCA = Orca()
        for nombre, prueba in PRUEBAS:
            inicio = time.monotonic()
            try:
                prueba()
                print(f"ok   {nombre} ({time.monotonic() - inicio:.1f} s)", flush=True)
            except Exception:
                fallos += 1
                print(f"MAL  {nombre}", flush=True)
                traceback.print_exc()
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
