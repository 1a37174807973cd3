# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A throw-away desktop for running the game without a screen or a sound card. con_pantalla:
Xvfb on a display of its own, with xdotool and ImageMagick; con_bus: a private D-Bus session bus,
where the accessibility bus starts on demand; con_sonido: a private PulseAudio whose default sink
is the null sink "jubo" (TASA Hz, mono, no rewinds, so stopping a stream never takes back what was
recorded of it). esc.env is the environment for programs on it. Everything it starts it stops
again; nothing of the caller's session (display, buses, sound server, home) is touched.
"""

import contextlib
import ctypes
import os
import resource
import select
import shutil
import signal
import subprocess
import tempfile
import time
import wave

TASA = 44100  # sample rate of the null sink and of its recordings


class Error(Exception):
    pass


def esperar(condicion, plazo, que, tolerar=()):
    """condicion()'s first true value within plazo seconds; else Error naming que (or que()).
    Exceptions of the types in tolerar count as "not yet"."""
    limite = time.monotonic() + plazo
    ultimo = None
    while True:
        try:
            valor = condicion()
            if valor:
                return valor
        except tolerar as e:
            ultimo = e
        if time.monotonic() > limite:
            que = que() if callable(que) else que
            raise Error(f"plazo agotado esperando {que}" + (f" ({ultimo!r})" if ultimo else ""))
        time.sleep(0.1)


def leer_wav(fichero):
    with wave.open(fichero, "rb") as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1:
            raise Error(f"{fichero}: no es PCM de 16 bits mono")
        return memoryview(w.readframes(w.getnframes())).cast("h")


class Informe:
    """Checks printed as they are made, "ok" or "MAL"; fin() is the exit status, 1 on any MAL."""

    def __init__(self):
        self.fallos = 0

    def __call__(self, bien, que):
        print("ok: " if bien else "MAL: ", que, sep="", flush=True)
        self.fallos += not bien

    def fin(self):
        return 1 if self.fallos else 0


def permitir_core():
    """For preexec_fn: a crash leaves a core file in the working directory."""
    resource.setrlimit(resource.RLIMIT_CORE, (resource.RLIM_INFINITY, resource.RLIM_INFINITY))


def cores(carpeta):
    return [f for f in os.listdir(carpeta) if f.startswith("core")]


class Escritorio:
    def __init__(self, con_pantalla=True, con_sonido=False, con_bus=False, ancho=1024, alto=768):
        self.con_pantalla, self.con_sonido, self.con_bus = con_pantalla, con_sonido, con_bus
        self.tamano = f"{ancho}x{alto}x24"
        self.procesos, self._tubos = [], []
        self.carpeta = self.env = self.display = None

    def __enter__(self):
        herramientas = (["Xvfb", "xdotool", "import"] if self.con_pantalla else []) + \
            (["pulseaudio", "pactl", "parecord"] if self.con_sonido else []) + \
            (["dbus-daemon"] if self.con_bus else [])
        for h in herramientas:
            if not shutil.which(h):
                raise Error(f"falta {h}: instala los paquetes de scripts/paquetes-pruebas.txt")
        self.carpeta = tempfile.mkdtemp(prefix="jubo-escritorio-")
        try:
            self.env = self._entorno_limpio()
            if self.con_pantalla:
                self._arrancar_x()
            if self.con_bus:
                self._arrancar_bus()
            if self.con_sonido:
                self._arrancar_pulse()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *_):
        # Last started, first stopped; each with whatever it started itself (its process group).
        for p in reversed(self.procesos):
            self._parar_grupo(p)
        self.procesos.clear()
        for t in self._tubos:
            os.close(t)
        self._tubos.clear()
        if self.carpeta:
            shutil.rmtree(self.carpeta, ignore_errors=True)
        return False

    @staticmethod
    def _parar_grupo(p):
        for senal, plazo in ((signal.SIGTERM, 5), (signal.SIGKILL, 5)):
            try:
                os.killpg(p.pid, senal)
            except (ProcessLookupError, PermissionError):
                pass
            try:
                p.wait(plazo)
                return
            except subprocess.TimeoutExpired:
                continue

    def _entorno_limpio(self):
        # A home and runtime folder of its own, and none of the caller's display or bus settings.
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "PULSE_", "XDG_", "DISPLAY", "WAYLAND", "DBUS_"))}
        casa = os.path.join(self.carpeta, "casa")
        runtime = os.path.join(self.carpeta, "runtime")
        os.makedirs(casa)
        os.makedirs(runtime, mode=0o700)
        env.update(HOME=casa, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(casa, ".config"),
                   QT_QPA_PLATFORM="xcb", LANG="C.UTF-8", LC_ALL="C.UTF-8")
        return env

    def _iniciar(self, orden, registro, **kw):
        return self.lanzar(orden, self.carpeta, os.path.join(self.carpeta, registro), **kw)

    def _anunciado(self, orden, registro):
        """Starts orden with "{}" replaced by a pipe, and returns the line it writes there once
        ready. Xvfb writes again if it ever resets (-noreset keeps it from that), and a write into
        a closed pipe would kill it, so the pipe stays open for as long as the desktop runs."""
        lectura, escritura = os.pipe()
        self._tubos.append(lectura)
        try:
            p = self._iniciar([a.format(escritura) for a in orden], registro,
                              pass_fds=[escritura])
        finally:
            os.close(escritura)
        linea = b""
        limite = time.monotonic() + 20
        while not linea.endswith(b"\n") and time.monotonic() < limite and p.poll() is None:
            if select.select([lectura], [], [], 0.2)[0]:
                trozo = os.read(lectura, 256)
                if not trozo:
                    break
                linea += trozo
        if not linea.strip():
            raise Error(f"{orden[0]} no arrancó: " + self.registro(registro))
        return linea.decode().strip()

    def _arrancar_x(self):
        self.display = ":" + self._anunciado(
            ["Xvfb", "-displayfd", "{}", "-screen", "0", self.tamano, "-nolisten", "tcp",
             "-noreset"], "xvfb.log")
        self.env["DISPLAY"] = self.display
        self._teclas_espanolas()

    def _arrancar_bus(self):
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._anunciado(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address={}"],
            "dbus.log")
        # Qt asks the session bus for the accessibility bus only when told to.
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def _arrancar_pulse(self):
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], "pulse-nativo")
        pulse = self._iniciar(
            ["pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--disallow-exit",
             "--use-pid-file=no",
             f"--load=module-null-sink sink_name=jubo rate={TASA} channels=1 norewinds=1",
             f"--load=module-native-protocol-unix socket={socket} auth-anonymous=1"],
            "pulse.log")
        self.env["PULSE_SERVER"] = "unix:" + socket
        self._pulse = pulse

        def listo():
            if pulse.poll() is not None:
                raise Error("pulseaudio terminó: " + self.registro("pulse.log"))
            return self.pactl("info") is not None

        esperar(listo, 20, "pulseaudio")
        self.pactl("set-default-sink", "jubo")

    def registro(self, nombre):
        """What a helper process (xvfb.log, dbus.log, pulse.log...) has written so far."""
        try:
            with open(os.path.join(self.carpeta, nombre), errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    def usar_aqui(self):
        """Points this very process at the desktop, before importing pyatspi or the like."""
        for clave in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
            if clave in self.env:
                os.environ[clave] = self.env[clave]

    def lanzar(self, orden, cwd, registro, env=None, **kw):
        """Starts a program here (with esc.env, or env), its output into the file registro; it is
        stopped, with all it started, when the desktop ends."""
        p = subprocess.Popen(orden, cwd=cwd, env=env or self.env, stdin=subprocess.DEVNULL,
                             stdout=open(registro, "w"), stderr=subprocess.STDOUT,
                             start_new_session=True, **kw)
        self.procesos.append(p)
        return p

    def xdotool(self, *args):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                           text=True, timeout=30)
        return r.stdout.strip() if r.returncode == 0 else None

    def ventana(self, titulo, plazo=20, pid=None):
        """The X id of a visible window titled exactly titulo (of process pid, if given)."""
        patron = "^" + "".join("\\" + c if c in "\\^$.|?*+()[]{}" else c for c in titulo) + "$"
        de = ["--pid", pid] if pid else []

        def buscar():
            salida = self.xdotool("search", "--onlyvisible", *de, "--name", patron)
            return salida.split()[0] if salida else None

        return esperar(buscar, plazo, f"la ventana «{titulo}»")

    def pintada(self, ventana, plazo=20):
        """Waits until the window shows more than a blank ground."""
        def colores():
            r = subprocess.run(["import", "-window", ventana, "-format", "%k", "info:"],
                               env=self.env, capture_output=True, text=True)
            return r.returncode == 0 and r.stdout.strip().isdigit() and int(r.stdout) > 16

        esperar(colores, plazo, "que se pinte la ventana")

    def clic(self, ventana, x, y):
        self.xdotool("mousemove", "--sync", "--window", ventana, x, y)
        self.xdotool("click", 1)

    def clic_en_pantalla(self, x, y):
        self.xdotool("mousemove", x, y, "click", 1)

    def escribir(self, ventana, texto):
        """Types texto into the window's focused control and presses Enter."""
        self.xdotool("windowfocus", "--sync", ventana)
        self.xdotool("type", "--delay", 15, texto)
        self.xdotool("key", "Return")

    def soltar_foco(self):
        """Gives the keyboard focus to the root window: no caret blinks."""
        raiz = self.xdotool("search", "--maxdepth", 0, "--name", "")
        if raiz:
            self.xdotool("windowfocus", "--sync", raiz.split()[0])

    def cerrar(self, ventana):
        """Sends the window WM_DELETE_WINDOW, as a close box does (xdotool's windowclose
        destroys a window instead)."""
        class Mensaje(ctypes.Structure):
            _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                        ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                        ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                        ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]

        class Evento(ctypes.Union):
            _fields_ = [("xclient", Mensaje), ("relleno", ctypes.c_long * 24)]

        with self._x11() as (x11, pantalla):
            e = Evento()
            e.xclient.type = 33  # ClientMessage
            e.xclient.window = int(ventana)
            e.xclient.message_type = x11.XInternAtom(pantalla, b"WM_PROTOCOLS", 0)
            e.xclient.format = 32
            e.xclient.data[0] = x11.XInternAtom(pantalla, b"WM_DELETE_WINDOW", 0)
            x11.XSendEvent(pantalla, int(ventana), 0, 0, ctypes.byref(e))

    @contextlib.contextmanager
    def _x11(self):
        x11 = ctypes.CDLL("libX11.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XInternAtom.restype = ctypes.c_ulong
        x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                   ctypes.c_void_p]
        x11.XDisplayKeycodes.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_void_p]
        x11.XGetKeyboardMapping.restype = ctypes.POINTER(ctypes.c_ulong)
        x11.XGetKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int,
                                            ctypes.c_void_p]
        x11.XChangeKeyboardMapping.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                               ctypes.c_void_p, ctypes.c_int]
        x11.XFree.argtypes = [ctypes.c_void_p]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        pantalla = x11.XOpenDisplay(self.display.encode())
        if not pantalla:
            raise Error("no se puede abrir la pantalla X")
        try:
            yield x11, pantalla
            x11.XSync(pantalla, 0)
        finally:
            x11.XCloseDisplay(pantalla)

    def _teclas_espanolas(self):
        """Gives each Spanish letter a US keyboard lacks a key of its own. Otherwise xdotool binds
        a spare key for a moment per such letter, and a program that reads the key press after
        it is unbound sees no letter: on a busy machine, accents went missing."""
        with self._x11() as (x11, pantalla):
            minimo, maximo, por_tecla = ctypes.c_int(), ctypes.c_int(), ctypes.c_int()
            x11.XDisplayKeycodes(pantalla, ctypes.byref(minimo), ctypes.byref(maximo))
            n = maximo.value - minimo.value + 1
            mapa = x11.XGetKeyboardMapping(pantalla, minimo.value, n, ctypes.byref(por_tecla))
            ancho = por_tecla.value
            libres = [minimo.value + i for i in range(n)
                      if not any(mapa[i * ancho + j] for j in range(ancho))]
            x11.XFree(mapa)
            letras = ["áÁ", "éÉ", "íÍ", "óÓ", "úÚ", "üÜ", "ñÑ", "¿¿", "¡¡"]
            if len(libres) < len(letras):
                raise Error("no quedan teclas libres para las letras españolas")
            for tecla, (minuscula, mayuscula) in zip(reversed(libres), letras):
                # Latin-1 keysyms are the characters' own code points.
                simbolos = (ctypes.c_ulong * 2)(ord(minuscula), ord(mayuscula))
                x11.XChangeKeyboardMapping(pantalla, tecla, 2, simbolos, 1)

    def captura(self, ventana, destino):
        """A PNG of the window (ventana "root": the whole screen)."""
        r = subprocess.run(["import", "-window", str(ventana), "png:" + destino], env=self.env,
                           capture_output=True, text=True, timeout=30)
        if r.returncode != 0:
            raise Error("no se pudo capturar la ventana: " + r.stderr)

    def pactl(self, *args):
        """pactl's output here, or None if it failed."""
        r = subprocess.run(["pactl", *args], env=self.env, capture_output=True, text=True,
                           timeout=30)
        return r.stdout if r.returncode == 0 else None

    def pausar_sonido(self, pausado=True):
        """Stops the sound server where it stands, connections open (SIGSTOP), or lets it go on."""
        os.kill(self._pulse.pid, signal.SIGSTOP if pausado else signal.SIGCONT)

    def clientes_de_sonido(self, pid):
        return (self.pactl("list", "clients") or "").count(f'application.process.id = "{pid}"')

    def grabar(self, destino):
        """Records the sink into the WAV file destino, 16-bit mono at TASA Hz, until parar()."""
        return self._iniciar(["parecord", "--device=jubo.monitor", "--latency-msec=20",
                              "--file-format=wav", "--channels=1", f"--rate={TASA}",
                              "--format=s16le", destino], "parecord.log")

    def parar(self, grabacion):
        grabacion.send_signal(signal.SIGINT)
        try:
            grabacion.wait(10)
        except subprocess.TimeoutExpired:
            self._parar_grupo(grabacion)
