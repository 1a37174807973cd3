#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Plays the real jubo on a virtual X display as a person would: real mouse clicks and key
presses through xdotool, and everything read back through the accessibility bus (AT-SPI), as a
screen reader reads it. Starts what it needs itself: a private D-Bus session (where the
accessibility bus is activated) and Xvfb on a free display.

Usage: jugar_escritorio.py path/to/jubo
With JUBO_CAPTURAS=folder set, a PNG of each screen is saved there (ImageMagick's import).
"""
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback
import wave

PLAZO = 20.0  # seconds to wait for anything to appear on screen

# A private session bus of our own, never the desktop's: the accessibility bus is activated in it.
# It also needs a runtime folder of its own: the accessibility bus's socket lives there (or, with
# none, at a fixed path under ~/.cache shared with every other run on the machine).
if not os.environ.get("JUBO_EN_SESION"):
    os.environ["JUBO_EN_SESION"] = "1"
    os.environ["XDG_RUNTIME_DIR"] = tempfile.mkdtemp(prefix="jubo-runtime-")
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)


class Fallo(Exception):
    pass


REGISTRO_XVFB = tempfile.TemporaryFile()


def arrancar_xvfb():
    """Xvfb chooses a free display itself and writes its number once it accepts clients.
    It writes the number again whenever it resets, so the pipe stays open for as long as Xvfb
    runs (and -noreset avoids the resets anyway): a write into a closed pipe kills Xvfb."""
    leer, escribir = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(escribir), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=[escribir], stdout=subprocess.DEVNULL, stderr=REGISTRO_XVFB)
    os.close(escribir)
    listo, _, _ = select.select([leer], [], [], PLAZO)
    numero = os.read(leer, 32).decode().strip() if listo else ""
    if not numero:
        xvfb.kill()
        raise Fallo("Xvfb no ha arrancado")
    return xvfb, ":" + numero, leer


def registro_xvfb():
    REGISTRO_XVFB.seek(0)
    return REGISTRO_XVFB.read().decode(errors="replace")


XVFB, PANTALLA, TUBO_XVFB = arrancar_xvfb()
os.environ["DISPLAY"] = PANTALLA
import pyatspi  # noqa: E402  (needs DISPLAY and the session bus set first)

JUBO = os.path.abspath(sys.argv[1])


def esperar(condicion, que, plazo=PLAZO):
    """Polls until condicion() gives something true; returns it."""
    fin = time.monotonic() + plazo
    ultimo_error = None
    while time.monotonic() < fin:
        try:
            valor = condicion()
            if valor:
                return valor
        except Exception as e:  # the tree changes under our feet while windows come and go
            ultimo_error = e
        time.sleep(0.1)
    raise Fallo(f"no llega: {que}" + (f" ({ultimo_error!r})" if ultimo_error else ""))


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=PLAZO)


class _MensajeCliente(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _EventoX(ctypes.Union):
    _fields_ = [("xclient", _MensajeCliente), ("relleno", ctypes.c_long * 24)]


def cerrar_ventana(ventana):
    """What a window manager's close box does: a WM_DELETE_WINDOW message to the window.
    (There is no window manager on this display, and xdotool's windowclose destroys the window
    instead of asking it to close.)"""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    pantalla = x11.XOpenDisplay(PANTALLA.encode())
    if not pantalla:
        raise Fallo("no se puede abrir la pantalla X")
    try:
        evento = _EventoX()
        evento.xclient.type = 33  # ClientMessage
        evento.xclient.window = ventana
        evento.xclient.message_type = x11.XInternAtom(pantalla, b"WM_PROTOCOLS", 0)
        evento.xclient.format = 32
        evento.xclient.data[0] = x11.XInternAtom(pantalla, b"WM_DELETE_WINDOW", 0)
        x11.XSendEvent(pantalla, ventana, 0, 0, ctypes.byref(evento))
        x11.XFlush(pantalla)
    finally:
        x11.XCloseDisplay(pantalla)


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


class Pulse:
    """A PulseAudio of our own with one null sink, whose monitor can be recorded."""

    def __init__(self):
        self.carpeta = tempfile.mkdtemp(prefix="jubo-pulse-")
        runtime = os.path.join(self.carpeta, "run")
        os.makedirs(runtime, mode=0o700)
        socket = os.path.join(runtime, "native")
        self.entorno = dict(os.environ, HOME=self.carpeta, XDG_RUNTIME_DIR=runtime,
                            PULSE_RUNTIME_PATH=os.path.join(runtime, "pulse"),
                            PULSE_SERVER="unix:" + socket)
        self.proceso = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--load=module-null-sink sink_name=jubo rate=44100 channels=1 norewinds=1",
             f"--load=module-native-protocol-unix socket={socket} auth-anonymous=1"],
            env=self.entorno, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        esperar(lambda: self.pactl("info") is not None, "PulseAudio")
        self.pactl("set-default-sink", "jubo")
        self.grabacion = os.path.join(self.carpeta, "monitor.wav")
        self.grabar = subprocess.Popen(
            ["parecord", "--device=jubo.monitor", "--latency-msec=20", "--file-format=wav",
             "--channels=1", "--rate=44100", "--format=s16le", self.grabacion], env=self.entorno)

    def pactl(self, *args):
        r = subprocess.run(["pactl", *args], env=self.entorno, capture_output=True, text=True,
                           timeout=PLAZO)
        return r.stdout if r.returncode == 0 else None

    def clientes(self, pid):
        """The connections of one process to the sound server."""
        return (self.pactl("list", "clients") or "").count(f'application.process.id = "{pid}"')

    def sonido_grabado(self):
        """Seconds of the recording so far that are not silence."""
        self.grabar.send_signal(signal.SIGINT)
        self.grabar.wait(timeout=PLAZO)
        with wave.open(self.grabacion, "rb") as w:
            datos = w.readframes(w.getnframes())
        muestras = memoryview(datos).cast("h")
        return sum(1 for m in muestras if abs(m) > 300) / 44100

    def cerrar(self):
        for p in (self.grabar, self.proceso):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(self.carpeta, ignore_errors=True)


class Jubo:
    """One run of the program and what it shows."""

    def __init__(self, pulse=None):
        self.carpeta = tempfile.mkdtemp(prefix="jubo-escritorio-")
        entorno = dict(pulse.entorno if pulse else os.environ,
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                       DISPLAY=PANTALLA)
        self.entorno = entorno
        self.vistos = []
        # A program that never shows up on the accessibility bus is started once more: that is
        # the bus's hiccup, not the game's. Twice in a row is a failure.
        for intento in (1, 2):
            self.lanzar()
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

    def lanzar(self):
        # The working directory has no Archivos: the pictures must come from beside the program.
        # Its output goes to a file: a pipe nobody reads could fill up and stop the program.
        self.salida = open(os.path.join(self.carpeta, "salida.txt"), "w+b")
        self.proceso = subprocess.Popen([JUBO], cwd=self.carpeta, env=self.entorno,
                                        stdout=self.salida, stderr=subprocess.STDOUT)

    def _app(self):
        if self.proceso.poll() is not None:
            self.salida.seek(0)
            salida = self.salida.read().decode(errors="replace")
            xvfb = "" if XVFB.poll() is None else \
                f"; Xvfb terminó con {XVFB.returncode}: {registro_xvfb()}"
            raise Fallo(f"jubo terminó antes de tiempo ({self.proceso.returncode}{xvfb}): "
                        f"{salida}")
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

    def cerrar(self):
        if self.proceso.poll() is None:
            self.proceso.kill()
            self.proceso.wait()
        self.salida.close()
        shutil.rmtree(self.carpeta, ignore_errors=True)

    # What is on screen

    def ventana(self, titulo):
        """The frame of a screen, once it is showing."""
        def buscar():
            for i in range(self.app.childCount):
                v = self.app[i]
                if v is not None and v.name == titulo and visible(v):
                    return v
            return None
        return esperar(buscar, f"la ventana «{titulo}»")

    def visibles(self):
        return sorted(self.app[i].name for i in range(self.app.childCount)
                      if self.app[i] is not None and visible(self.app[i]))

    def control(self, ventana, rol, nombre):
        def buscar():
            for a in todos(ventana):
                if a.getRole() == rol and a.name == nombre:
                    return a
            return None
        return esperar(buscar, f"el control «{nombre}» en «{ventana.name}»")

    def lineas(self, juego):
        lista = self.control(juego, pyatspi.ROLE_LIST, "Respuestas")
        return [lista[i].name for i in range(lista.childCount)]

    def esperar_lineas(self, juego, esperadas):
        esperar(lambda: self.lineas(juego) == esperadas,
                f"las líneas {esperadas!r} (hay {self.lineas(juego)!r})")

    # What the player does

    def clic(self, a):
        esperar(lambda: visible(a) and a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                .width > 0, f"«{a.name}» a la vista")
        e = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(e.x + e.width // 2), str(e.y + e.height // 2), "click", "1")

    def boton(self, ventana, nombre):
        self.clic(self.control(ventana, pyatspi.ROLE_PUSH_BUTTON, nombre))

    def orden(self, juego, texto):
        caja = self.control(juego, pyatspi.ROLE_TEXT, "Orden")
        if not enfocado(caja):
            self.clic(caja)
            esperar(lambda: enfocado(caja), "el foco en la caja de órdenes")
        xdotool("type", "--delay", "25", texto)
        esperar(lambda: self.texto(caja) == texto, f"«{texto}» escrito en la caja")
        xdotool("key", "Return")

    @staticmethod
    def texto(a):
        t = a.queryText()
        return t.getText(0, t.characterCount)

    def cerrar_ventana(self, titulo):
        """Closes the visible window with this caption, as its close box would."""
        def buscar():
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(self.proceso.pid), "--name", "^" + re.escape(titulo) + "$"],
                               capture_output=True, text=True, timeout=PLAZO)
            ids = r.stdout.split()
            return ids if len(ids) == 1 else None
        cerrar_ventana(int(esperar(buscar, f"la ventana X «{titulo}»")[0]))

    def termina(self):
        try:
            return self.proceso.wait(timeout=PLAZO)
        except subprocess.TimeoutExpired:
            raise Fallo("jubo no ha terminado")


def capturar(ventana, nombre):
    carpeta = os.environ.get("JUBO_CAPTURAS")
    if not carpeta:
        return
    os.makedirs(carpeta, exist_ok=True)
    time.sleep(0.3)  # let the last paint reach the screen
    e = ventana.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["import", "-window", "root", "-crop", f"{e.width}x{e.height}+{e.x}+{e.y}",
                    os.path.join(carpeta, nombre + ".png")], check=True, timeout=PLAZO)


def comprobar(condicion, que):
    if not condicion:
        raise Fallo(que)


def partida_completa(cerrando=False):
    j = Jubo()
    try:
        menu = j.ventana("Menú principal")
        comprobar(j.visibles() == ["Menú principal"], f"al empezar solo el menú: {j.visibles()}")
        eljuego = j.control(menu, pyatspi.ROLE_PUSH_BUTTON, "Juego")
        esperar(lambda: enfocado(eljuego), "el foco en el botón Juego")
        capturar(menu, "Menu")

        j.boton(menu, "Juego")
        juego = j.ventana("Las rozozerad der Jubo")
        esperar(lambda: j.visibles() == ["Las rozozerad der Jubo"], "solo la ventana del juego")
        caja = j.control(juego, pyatspi.ROLE_TEXT, "Orden")
        esperar(lambda: enfocado(caja), "el foco en la caja de órdenes")
        botones = {n: j.control(juego, pyatspi.ROLE_PUSH_BUTTON, n)
                   for n in ("Pa' Lante", "Pa' Tras", "Pa' ya ------>", "Pa' Ca <-----")}
        comprobar([n for n, b in botones.items() if visible(b)] == ["Pa' Lante", "Pa' Tras"],
                  "en la entrada solo Pa' Lante y Pa' Tras")
        pista = j.control(juego, pyatspi.ROLE_LABEL, "¡Capullo, la bomba está en el coche!")
        comprobar(not visible(pista), "la pista oculta al empezar")
        capturar(juego, "Juego")

        j.boton(juego, "Ver")
        j.esperar_lineas(juego, ["Es la  entrada a la casa der Gorvil, alias 'Er Bolco'. Por "
                                 "esta zona tié que haber una bomba escondia"])
        dibujo = lambda: [a.name for a in todos(juego) if a.getRole() == pyatspi.ROLE_IMAGE]
        j.boton(juego, "Pa' Lante")
        esperar(lambda: dibujo() == ["Cuarto"], "el dibujo del cuarto")
        j.orden(juego, "coger mazo")
        j.esperar_lineas(juego, ["Vale, ya tengo el mazo"])
        j.orden(juego, "mirar el cajón")
        j.esperar_lineas(juego, ["¡Coño!, no había visto que aparte del mazo, había un clavo, "
                                 "lo cogeré ..."])
        j.boton(juego, "Pa' Ca <-----")
        esperar(lambda: dibujo() == ["Comedor"], "el dibujo del comedor")
        j.boton(juego, "Pa' Ca <-----")
        esperar(lambda: dibujo() == ["Jardín"], "el dibujo del jardín")
        j.orden(juego, "sacar arena")
        j.esperar_lineas(juego, ["¡Coño!, hay enterrao un destornillador aquí, joé, que sitio "
                                 "más extraño para guardar algo, ¿no?"])
        j.orden(juego, "coger destornillador")
        j.esperar_lineas(juego, ["Pos vale, ya tengo el destornillador"])
        j.boton(juego, "Pa' Ca <-----")
        esperar(lambda: dibujo() == ["Parque"], "el dibujo del parque")
        j.orden(juego, "usar destornillador tornillo")
        j.boton(juego, "Pa' Ver lo que tienes")
        j.esperar_lineas(juego, ["Inventario: ", "- Destornillador", "- Tornillo", "- Clavo",
                                 "- Mazo"])
        # Up recalls the last order, Down brings back the empty box.
        j.clic(caja)
        xdotool("key", "Up")
        esperar(lambda: j.texto(caja) == "usar destornillador tornillo", "la orden anterior")
        xdotool("key", "Up")
        esperar(lambda: j.texto(caja) == "coger destornillador", "la orden de antes")
        xdotool("key", "Down", "Down")
        esperar(lambda: j.texto(caja) == "", "la caja vacía otra vez")

        for _ in range(3):
            j.boton(juego, "Pa' ya ------>")
        esperar(lambda: dibujo() == ["Cuarto"], "de vuelta en el cuarto")
        j.boton(juego, "Pa' Tras")
        esperar(lambda: dibujo() == ["Entrada"], "de vuelta en la entrada")
        j.boton(juego, "Pa' Tras")
        esperar(lambda: dibujo() == ["Cercanías"], "las cercanías")
        comprobar([n for n, b in botones.items() if visible(b)] == ["Pa' Tras"],
                  "en las cercanías solo Pa' Tras")
        j.orden(juego, "usar tornillo destornillador monumento")
        esperar(lambda: visible(pista), "la pista a la vista")
        capturar(juego, "Juego-pista")

        # To the menu and back: everything is as it was.
        lineas = j.lineas(juego)
        j.boton(juego, "Pal' Menú")
        menu = j.ventana("Menú principal")
        esperar(lambda: j.visibles() == ["Menú principal"], "solo el menú")
        j.boton(menu, "Juego")
        juego = j.ventana("Las rozozerad der Jubo")
        esperar(lambda: visible(pista), "la pista sigue a la vista")
        comprobar(j.lineas(juego) == lineas and dibujo() == ["Cercanías"], "el juego sigue igual")

        j.boton(juego, "Pa' Tras")
        esperar(lambda: not visible(pista), "la pista oculta al cambiar de sitio")
        j.orden(juego, "usar mazo clavo coche")
        final = j.ventana("Final")
        esperar(lambda: j.visibles() == ["Final"], "solo la ventana final")
        j.control(final, pyatspi.ROLE_LABEL, "¡¡Enhorabuena, te has pasado el juego!!")
        boton_final = j.control(final, pyatspi.ROLE_PUSH_BUTTON, "Final")
        esperar(lambda: enfocado(boton_final), "el foco en el botón Final")
        capturar(final, "Sacabo")
        if cerrando:
            j.cerrar_ventana("Final")
        else:
            j.clic(boton_final)
        codigo = j.termina()
        comprobar(codigo == 0, f"jubo acaba con estado {codigo}")
    finally:
        j.cerrar()


def despedida(camino, texto):
    j = Jubo()
    try:
        menu = j.ventana("Menú principal")
        if camino == "Salir":
            j.boton(menu, "Salir")
        elif camino == "cerrar el menú":
            j.cerrar_ventana("Menú principal")
        elif camino == "cerrar el juego":
            j.boton(menu, "Juego")
            j.ventana("Las rozozerad der Jubo")
            j.cerrar_ventana("Las rozozerad der Jubo")
        else:
            j.boton(menu, "Juego")
            juego = j.ventana("Las rozozerad der Jubo")
            caja = j.control(juego, pyatspi.ROLE_TEXT, "Orden")
            esperar(lambda: enfocado(caja), "el foco en la caja de órdenes")
            xdotool("type", "--delay", "25", "coger ma")
            esperar(lambda: j.texto(caja) == "coger ma", "la orden a medias")
            xdotool("key", "Escape")
        caja = j.ventana("Salir")
        j.control(caja, pyatspi.ROLE_LABEL, texto)
        capturar(caja, "Salir-" + camino.replace(" ", "-"))
        cajas = [j.app[i] for i in range(j.app.childCount)
                 if j.app[i] is not None and j.app[i].name == "Salir"]
        comprobar(len(cajas) == 1, f"una sola despedida, no {len(cajas)}")
        ok = j.control(caja, pyatspi.ROLE_PUSH_BUTTON, "OK")
        comprobar(sum(1 for a in todos(caja) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON) == 1,
                  "un solo botón en la despedida")
        j.clic(ok)
        codigo = j.termina()
        comprobar(codigo == 0, f"jubo acaba con estado {codigo}")
    finally:
        j.cerrar()


def intro_y_vuelta():
    j = Jubo()
    try:
        menu = j.ventana("Menú principal")
        j.boton(menu, "Intro / Ayuda")
        intro = j.ventana("Intro / Ayuda")
        esperar(lambda: j.visibles() == ["Intro / Ayuda"], "solo la intro")
        j.control(intro, pyatspi.ROLE_PANEL, "Introducción")
        j.control(intro, pyatspi.ROLE_PANEL, "Ayuda")
        volver = j.control(intro, pyatspi.ROLE_PUSH_BUTTON, "Volver")
        esperar(lambda: enfocado(volver), "el foco en Volver")
        capturar(intro, "IntroAyuda")
        j.clic(volver)
        j.ventana("Menú principal")
        esperar(lambda: j.visibles() == ["Menú principal"], "solo el menú otra vez")
        # Closing the intro ends the program at once: no farewell, although the menu exists.
        j.boton(menu, "Intro / Ayuda")
        j.ventana("Intro / Ayuda")
        j.cerrar_ventana("Intro / Ayuda")
        codigo = j.termina()
        comprobar(codigo == 0, f"jubo acaba con estado {codigo}")
    finally:
        j.cerrar()


def sonido():
    """The start opens no sound device; the first cue does, and is heard: the cues come from
    beside the program, whatever the working directory."""
    pulse = Pulse()
    j = None
    try:
        j = Jubo(pulse)
        menu = j.ventana("Menú principal")
        time.sleep(1.0)
        comprobar(pulse.clientes(j.proceso.pid) == 0, "jubo habla con el servidor de sonido al empezar")
        j.boton(menu, "Juego")
        j.ventana("Las rozozerad der Jubo")
        esperar(lambda: pulse.clientes(j.proceso.pid) > 0, "jubo conectado al servidor de sonido")
        time.sleep(1.5)
        oido = pulse.sonido_grabado()
        comprobar(oido > 0.2, f"apenas se oye nada al entrar en el juego ({oido:.2f} s)")
    finally:
        if j:
            j.cerrar()
        pulse.cerrar()


PRUEBAS = [
    ("partida completa hasta el final", partida_completa),
    ("partida completa, cerrando la ventana final", lambda: partida_completa(cerrando=True)),
    ("Intro / Ayuda, vuelta al menú y cerrarla", intro_y_vuelta),
    ("Salir del menú", lambda: despedida("Salir", "Gracias por jugar")),
    ("Escape con una orden a medias", lambda: despedida("Escape",
                                                        "¡Gracias por jugar!, y vuelva pronto")),
    ("cerrar el menú", lambda: despedida("cerrar el menú", "Gracias por jugar")),
    ("cerrar el juego", lambda: despedida("cerrar el juego", "Gracias por jugar")),
    ("sonido: nada al empezar, las señales al jugar", sonido),
]


def main():
    fallos = 0
    try:
        for nombre, prueba in PRUEBAS:
            inicio = time.monotonic()
            try:
                prueba()
                print(f"ok   {nombre} ({time.monotonic() - inicio:.1f} s)", flush=True)
            except Exception:
                fallos += 1
                print(f"MAL  {nombre}", flush=True)
                traceback.print_exc()
    finally:
        XVFB.terminate()
        XVFB.wait()
        shutil.rmtree(os.environ["XDG_RUNTIME_DIR"], ignore_errors=True)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
