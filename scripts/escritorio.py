# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A throw-away desktop for driving the game without a screen: Xvfb on a free display, a private
PulseAudio with a null sink, and xdotool/ImageMagick to click, type and take pictures of windows.

Used by scripts/capturas and by the installation tests. Everything it starts it stops again."""

import os
import random
import shutil
import signal
import subprocess
import tempfile
import time


class Error(Exception):
    pass


def esperar(condicion, plazo, que):
    """Polls condicion() until it returns something true; raises after plazo seconds."""
    limite = time.monotonic() + plazo
    while True:
        valor = condicion()
        if valor:
            return valor
        if time.monotonic() > limite:
            raise Error(f"plazo agotado esperando {que}")
        time.sleep(0.1)


class Escritorio:
    """Context manager. Inside it, self.env is the environment for programs to run on it."""

    def __init__(self, con_sonido=True, ancho=1024, alto=768):
        self.con_sonido = con_sonido
        self.tamano = f"{ancho}x{alto}x24"
        self.procesos = []
        self.carpeta = None
        self.env = None

    # --- setting up and tearing down ---------------------------------------------------------

    def __enter__(self):
        for herramienta in ["Xvfb", "xdotool", "import"] + (["pulseaudio"] if self.con_sonido else []):
            if not shutil.which(herramienta):
                raise Error(f"falta {herramienta}: instala los paquetes de scripts/paquetes.txt")
        self.carpeta = tempfile.mkdtemp(prefix="jubo-escritorio-")
        try:
            self.env = self._entorno_limpio()
            self._arrancar_x()
            if self.con_sonido:
                self._arrancar_pulse()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def __exit__(self, *_):
        for p in reversed(self.procesos):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
        self.procesos.clear()
        if self.carpeta:
            shutil.rmtree(self.carpeta, ignore_errors=True)
        return False

    def _entorno_limpio(self):
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "PULSE_", "XDG_", "DISPLAY", "WAYLAND", "DBUS_"))}
        casa = os.path.join(self.carpeta, "casa")
        runtime = os.path.join(self.carpeta, "runtime")
        os.makedirs(casa)
        os.makedirs(runtime, mode=0o700)
        # A home and runtime folder of its own, so nothing here touches the user's session.
        env.update(HOME=casa, XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(casa, ".config"),
                   QT_QPA_PLATFORM="xcb", LANG="C.UTF-8", LC_ALL="C.UTF-8")
        return env

    def _arrancar_x(self):
        # A display number picked at random well away from the low ones other sessions and
        # servers started with -displayfd take, and checked to be free; retried if taken meanwhile.
        ocupados = open("/proc/net/unix").read()
        for _ in range(30):
            n = random.randint(300, 899)
            if (os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}")
                    or f"/tmp/.X11-unix/X{n}\n" in ocupados):
                continue
            # -noreset: the readiness probe below is the first client to leave, and must not make the
            # server regenerate just as the program connects.
            x = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", self.tamano, "-nolisten", "tcp",
                                  "-noreset"],
                                 stdout=subprocess.DEVNULL,
                                 stderr=open(os.path.join(self.carpeta, "xvfb.log"), "w"),
                                 start_new_session=True)
            self.procesos.append(x)
            self.env["DISPLAY"] = f":{n}"

            def listo():
                if x.poll() is not None:
                    return "murió"
                r = subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                   capture_output=True)
                return "listo" if r.returncode == 0 else None

            if esperar(listo, 15, "Xvfb") == "listo":
                return
            self.procesos.remove(x)
        raise Error("Xvfb no arrancó: " + self._leer("xvfb.log"))

    def _arrancar_pulse(self):
        socket = os.path.join(self.env["XDG_RUNTIME_DIR"], "pulse-nativo")
        pulse = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--disallow-exit",
             "--use-pid-file=no", "--load=module-null-sink sink_name=nulo",
             f"--load=module-native-protocol-unix socket={socket} auth-anonymous=1"],
            env=self.env, stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.carpeta, "pulse.log"), "w"), start_new_session=True)
        self.procesos.append(pulse)
        self.env["PULSE_SERVER"] = "unix:" + socket

        def listo():
            if pulse.poll() is not None:
                raise Error("pulseaudio terminó: " + self._leer("pulse.log"))
            return subprocess.run(["pactl", "info"], env=self.env, capture_output=True).returncode == 0

        esperar(listo, 15, "pulseaudio")

    def _leer(self, nombre):
        try:
            with open(os.path.join(self.carpeta, nombre), errors="replace") as f:
                return f.read()
        except OSError:
            return ""

    # --- running things on it ----------------------------------------------------------------

    def lanzar(self, orden, cwd, registro):
        """Starts a program on this desktop; its output goes to the file registro."""
        p = subprocess.Popen(orden, cwd=cwd, env=self.env, stdin=subprocess.DEVNULL,
                             stdout=open(registro, "w"), stderr=subprocess.STDOUT,
                             start_new_session=True)
        self.procesos.append(p)
        return p

    def xdotool(self, *args):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True)
        return r.stdout.strip() if r.returncode == 0 else None

    def ventana(self, titulo, plazo=20):
        """Waits for a visible window whose title is exactly titulo and returns its id."""
        patron = "^" + titulo.replace("(", "\\(").replace(")", "\\)") + "$"

        def buscar():
            salida = self.xdotool("search", "--onlyvisible", "--name", patron)
            return salida.split()[0] if salida else None

        return esperar(buscar, plazo, f"la ventana «{titulo}»")

    def pintada(self, ventana, plazo=20):
        """Waits until the window shows more than a blank ground: it has been painted."""
        def colores():
            r = subprocess.run(["import", "-window", ventana, "-format", "%k", "info:"],
                               env=self.env, capture_output=True, text=True)
            return r.returncode == 0 and r.stdout.strip().isdigit() and int(r.stdout) > 16

        esperar(colores, plazo, "que se pinte la ventana")

    def clic(self, ventana, x, y):
        """Clicks at (x, y) of the window's client area."""
        self.xdotool("mousemove", "--sync", "--window", ventana, x, y)
        self.xdotool("click", 1)

    def escribir(self, ventana, texto):
        """Types texto into the window's focused control and presses Enter."""
        self.xdotool("windowfocus", "--sync", ventana)
        self.xdotool("type", "--delay", 15, texto)
        self.xdotool("key", "Return")

    def soltar_foco(self):
        """Gives the keyboard focus to the root window: no window is active, no caret blinks."""
        raiz = self.xdotool("search", "--maxdepth", 0, "--name", "")
        if raiz:
            self.xdotool("windowfocus", "--sync", raiz.split()[0])

    def captura(self, ventana, destino):
        r = subprocess.run(["import", "-window", ventana, "png:" + destino], env=self.env,
                           capture_output=True, text=True)
        if r.returncode != 0:
            raise Error("no se pudo capturar la ventana: " + r.stderr)

    def grabar(self, destino):
        """Records what the null sink plays, raw 16-bit mono at 22050 Hz, until the desktop ends."""
        p = subprocess.Popen(["parec", "--device=nulo.monitor", "--format=s16le", "--channels=1",
                              "--rate=22050", "--raw", destino], env=self.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             start_new_session=True)
        self.procesos.append(p)
        return p
