#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The terminal front end under abuse: hostile input, broken input and output, its command line,
and its line editor on a real pseudo-terminal.

Usage: terminal.py <jubo-texto> <walkthrough> [slowness]   (slowness multiplies the time limits)
"""

import os
import pty
import random
import re
import resource
import select
import signal
import subprocess
import sys
import tempfile
import termios
import time
import tty
import unittest

PROGRAMA = ""
SOLUCION = b""
MiB = 1 << 20
FINAL = "== Final ==".encode()
COCHE = "Joé, tiene las puertas soldadas, y los cristales son anti-robos".encode()
LARGA = "(línea de más de 16 MiB: no se lee)".encode()
SEGUNDOS = 20  # per run; the slowest case takes well under one second on an unloaded machine
LENTITUD = 1


def jugar(entrada, *argumentos):
    inicio = time.monotonic()
    p = subprocess.run([PROGRAMA, *argumentos], input=entrada, capture_output=True,
                       timeout=SEGUNDOS * LENTITUD)
    return p, time.monotonic() - inicio


class Terminal(unittest.TestCase):
    """Hostile lines, then the walkthrough: every line answered, nothing on stderr, the game
    still won, status 0. Lines beginning with "/" are front-end commands, so only orders here."""

    def comprobar(self, hostiles):
        p, segundos = jugar(b"\n".join(hostiles) + b"\n" + SOLUCION, "--semilla", "1")
        self.assertEqual((p.returncode, p.stderr), (0, b""))
        lineas = p.stdout.split(b"\n")
        self.assertIn(FINAL, lineas, "the walkthrough no longer wins")
        ecos = [i for i, l in enumerate(lineas) if l.startswith(b"> ")]
        self.assertEqual(len(ecos), len(hostiles) + SOLUCION.count(b"\n"))
        for i in ecos[: len(hostiles)]:
            # Every order clears the list and prints at least one line before the next echo.
            self.assertFalse(lineas[i + 1].startswith(b"> "), f"no answer after line {i}")
        return segundos

    def test_lineas_hostiles(self):
        casos = {
            "vacía": [b""],
            "NUL": [b"\0", b"\0mirar coche\0", b"mirar\0coche"],
            "UTF-8 roto": [b"\xff\xfe", b"mirar \xc3 coche \xe2\x82", b"\xc0\xaf\xed\xa0\x80"],
            "controles": [b"\x1b[2J\x1b]0;titulo\x07", b"\x01\x02\x03\x04\x08\x7f", b"\t\v\f"],
            "CR sueltos": [b"mirar\rcoche", b"\r\r\r", b"mirar coche\r"],
            "BOM": [b"\xef\xbb\xbfmirar coche"],
        }
        for nombre, lineas in casos.items():
            with self.subTest(nombre):
                self.comprobar(lineas)

    def test_un_mebibyte_en_una_linea(self):
        casos = {
            "letras": b"x" * MiB,
            "UTF-8 roto": b"\xff" * MiB,
            "NUL": b"\0" * MiB,
            "emoji": "💣".encode() * (MiB // 4),
        }
        for nombre, linea in casos.items():
            with self.subTest(nombre):
                self.assertLess(self.comprobar([linea]), 5.0 * LENTITUD)

    def test_diez_mil_ordenes_seguidas(self):
        variadas = [b"mirar coche", b"vacilar", b"\xff\xfe", b"\0", "💣".encode(), b"",
                    b"coger mazo", "mirar la la\u0301mpara".encode()]
        self.assertLess(self.comprobar(variadas * 1250), 10.0 * LENTITUD)

    def test_basura_binaria(self):
        # Random bytes, newlines included, as if a binary file were piped in.
        azar = random.Random(20261208)
        lineas = bytes(azar.randrange(256) for _ in range(256 * 1024)).split(b"\n")
        self.assertGreater(len(lineas), 500)
        self.comprobar(lineas)

    def test_eco_de_controles(self):
        # Piped input echoed to a terminal shows its control characters harmlessly; the echo to
        # anything else is the transcript's: the line as read, broken UTF-8 as U+FFFD.
        linea = b"\x1b]0;x\x07\x1b[2J\xc2\x9b\xff\tmirar coche\x7f\r"
        casos = {"terminal": "> ^[]0;x^G^[[2J\ufffd\ufffd\tmirar coche^?".encode(),
                 "tubería": b"> \x1b]0;x\x07\x1b[2J\xc2\x9b\xef\xbf\xbd\tmirar coche\x7f"}
        for caso, eco in casos.items():
            with self.subTest(caso):
                if caso == "tubería":
                    salida = jugar(linea + b"\n", "--semilla", "1")[0].stdout
                else:
                    pantalla, terminal = pty.openpty()
                    tty.setraw(terminal)  # line ends as written
                    p = subprocess.Popen([PROGRAMA, "--semilla", "1"], stdin=subprocess.PIPE,
                                         stdout=terminal, stderr=subprocess.PIPE)
                    os.close(terminal)
                    p.stdin.write(linea + b"\n")
                    p.stdin.close()
                    salida = b""
                    while select.select([pantalla], [], [], SEGUNDOS * LENTITUD)[0]:
                        try:
                            trozo = os.read(pantalla, 65536)
                        except OSError:  # the program has ended
                            break
                        if not trozo:
                            break
                        salida += trozo
                    os.close(pantalla)
                    self.assertEqual((p.wait(SEGUNDOS * LENTITUD), p.stderr.read()), (0, b""))
                    self.assertNotIn(b"\x1b", salida)
                lineas = salida.split(b"\n")
                self.assertEqual([l for l in lineas if l.startswith(b"> ")], [eco])
                self.assertEqual(lineas[lineas.index(eco) + 1], COCHE)

    def test_fin_de_entrada(self):
        # Whatever comes last, the input just ends: status 0, nothing on stderr.
        casos = [
            (SOLUCION.rstrip(b"\n"), FINAL),  # no newline after the last order
            (b"", b"== Entrada =="),
            # The one order that ends the game still does, whatever came before it.
            (b"\xff\0\x1b\n" * 100 + b"salir\n" + SOLUCION, b"== Entrada =="),
        ]
        for entrada, ultimo_lugar in casos:
            with self.subTest(entrada[:20]):
                p, _ = jugar(entrada, "--semilla", "1")
                self.assertEqual((p.returncode, p.stderr), (0, b""))
                lugares = [l for l in p.stdout.split(b"\n") if l.startswith(b"== ")]
                self.assertEqual(lugares[-1], ultimo_lugar)


class Opciones(unittest.TestCase):
    def test_ayuda_y_version(self):
        casos = [(o, rb"Uso: jubo-texto \[--semilla N\]\n(.*\n)*.*--version")
                 for o in ("--ayuda", "--help", "-h")]
        casos += [(o, rb"jubo-texto \(Las rozozerad der Jubo\) \d+\.\d+\.\d+\n")
                  for o in ("--version", "-v")]
        for opcion, patron in casos:
            with self.subTest(opcion):
                p, _ = jugar(b"", opcion)
                self.assertEqual((p.returncode, p.stderr), (0, b""))
                self.assertRegex(p.stdout, b"^" + patron)

    def test_opciones_malas(self):
        # Each in one line naming the option, status 2, and no game started.
        casos = [(["--version2"], "--version2"), (["-x"], "-x"), (["--semilla"], "--semilla"),
                 (["--semilla", "tres"], "--semilla"), (["--semilla", "-1"], "--semilla"),
                 (["--semilla", "4294967296"], "--semilla"), (["--semilla="], "--semilla"),
                 (["--ayuda=1"], "--ayuda"), (["sobra"], "sobra")]
        for argumentos, nombre in casos:
            with self.subTest(" ".join(argumentos)):
                p, _ = jugar(SOLUCION, *argumentos)
                self.assertEqual((p.returncode, p.stdout), (2, b""))
                self.assertRegex(p.stderr.decode(),
                                 rf"^jubo-texto: [^\n]*{re.escape(nombre)}[^\n]*\n$")


class Fallos(unittest.TestCase):
    """A failed read or write ends the program with one line on stderr and status 1, never as if
    the input had simply ended."""

    def fallo(self, p, que):
        self.assertEqual(p.returncode, 1, p.stderr)
        self.assertRegex(p.stderr.decode(), rf"^jubo-texto: no se puede {que}: [^\n]+\n$")

    def test_no_se_puede_escribir(self):
        casos = [([], SOLUCION, {}), (["--ayuda"], b"", {}), (["--version"], b"", {}),
                 ([], SOLUCION, {"preexec_fn": lambda: os.close(1)})]
        for argumentos, entrada, kw in casos:
            with self.subTest(argumentos, cerrada=bool(kw)), open("/dev/full", "wb") as lleno:
                p = subprocess.run([PROGRAMA, *argumentos], input=entrada, stdout=lleno,
                                   stderr=subprocess.PIPE, timeout=SEGUNDOS * LENTITUD, **kw)
                self.fallo(p, "escribir la salida")

    def test_lector_ido_con_sigpipe_ignorado(self):
        lector, escritor = os.pipe()
        os.close(lector)
        with tempfile.TemporaryFile() as entrada:
            entrada.write(SOLUCION * 1000)
            entrada.seek(0)
            p = subprocess.run([PROGRAMA], stdin=entrada, stdout=escritor, stderr=subprocess.PIPE,
                               preexec_fn=lambda: signal.signal(signal.SIGPIPE, signal.SIG_IGN),
                               timeout=SEGUNDOS * LENTITUD)
            # It stops at the first failed write instead of reading on.
            self.assertLess(entrada.tell(), len(SOLUCION) * 1000)
        os.close(escritor)
        self.fallo(p, "escribir la salida")

    def test_carpeta_como_entrada(self):
        carpeta = os.open(os.path.dirname(PROGRAMA) or ".", os.O_RDONLY | os.O_DIRECTORY)
        try:
            p = subprocess.run([PROGRAMA], stdin=carpeta, capture_output=True, timeout=SEGUNDOS)
        finally:
            os.close(carpeta)
        self.fallo(p, "leer la entrada")

    def test_entrada_no_bloqueante(self):
        # Nothing to read yet is no end of input: it waits for the walkthrough.
        lector, escritor = os.pipe()
        os.set_blocking(lector, False)
        p = subprocess.Popen([PROGRAMA], stdin=lector, stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE)
        os.close(lector)
        time.sleep(0.5)
        os.write(escritor, SOLUCION)
        os.close(escritor)
        salida, error = p.communicate(timeout=SEGUNDOS * LENTITUD)
        self.assertEqual((p.returncode, error), (0, b""))
        self.assertIn(FINAL, salida.split(b"\n"))

    def test_linea_sin_fin_en_memoria_acotada(self):
        # /dev/zero is one endless line: refused once, then skipped for ever in bounded memory.
        # The address-space limit keeps a faulty build from taking the machine; sanitizers
        # cannot run under one.
        def limitar():
            if LENTITUD == 1:
                resource.setrlimit(resource.RLIMIT_AS, (1 << 30, 1 << 30))

        with open("/dev/zero", "rb") as ceros:
            p = subprocess.Popen([PROGRAMA], stdin=ceros, stdout=subprocess.PIPE,
                                 stderr=subprocess.PIPE, preexec_fn=limitar)
        try:
            salida = b""
            fin = time.monotonic() + SEGUNDOS * LENTITUD
            while LARGA not in salida and time.monotonic() < fin:
                if select.select([p.stdout], [], [], 0.1)[0]:
                    trozo = os.read(p.stdout.fileno(), 65536)
                    if not trozo:
                        break
                    salida += trozo
            self.assertIn(LARGA, salida)
            time.sleep(1)  # a gigabyte more of zeros
            self.assertIsNone(p.poll(), "it stopped reading")
            with open(f"/proc/{p.pid}/status") as f:
                pico = next(int(l.split()[1]) for l in f if l.startswith("VmHWM:"))
            self.assertLess(pico, 64 * 1024 * LENTITUD)  # KiB
        finally:
            p.kill()
            _, error = p.communicate()
        self.assertEqual(error, b"")

    def test_linea_demasiado_larga(self):
        # A line of 16 MiB is still an order; one byte more is refused, and the game goes on.
        p, _ = jugar(b"x" * (16 * MiB) + b"\n" + b"x" * (16 * MiB + 1) + b"\nmirar coche\n",
                     "--semilla", "1")
        self.assertEqual((p.returncode, p.stderr), (0, b""))
        lineas = p.stdout.split(b"\n")
        self.assertEqual(lineas[-4:], [LARGA, b"> mirar coche", COCHE, b""])
        self.assertEqual(sum(l.startswith(b"> x") for l in lineas), 1)


class Editor(unittest.TestCase):
    """jubo-texto on a pseudo-terminal, as a player at a terminal uses it."""

    def abrir(self, bloqueante=True, editrc="/dev/null"):
        pid, fd = pty.fork()
        if pid == 0:
            os.environ.update(TERM="xterm", EDITRC=editrc)
            if not bloqueante:
                os.set_blocking(0, False)
            os.execv(PROGRAMA, [PROGRAMA, "--semilla", "1"])
        self.addCleanup(os.close, fd)
        self.pid, self.fd, self.pantalla = pid, fd, b""

    def esperar(self, listo, mensaje):
        fin = time.monotonic() + SEGUNDOS * LENTITUD
        while not listo() and time.monotonic() < fin:
            if select.select([self.fd], [], [], 0.1)[0]:
                try:
                    self.pantalla += os.read(self.fd, 65536)
                except OSError:  # the program has ended
                    break
        self.assertTrue(listo(), f"{mensaje}; the screen ends with {self.pantalla[-300:]}")

    def ver(self, texto, veces):
        self.esperar(lambda: self.pantalla.count(texto) >= veces, f"{texto} not {veces} times")

    def al_teclado(self):
        # The prompt shown and the terminal in raw mode: a key typed ahead, while the terminal is
        # still in line mode, would be read differently.
        self.esperar(lambda: self.pantalla.endswith(b"> ")
                     and not termios.tcgetattr(self.fd)[3] & termios.ICANON, "no prompt")

    def orden(self, teclas, respuesta, veces):
        self.al_teclado()
        os.write(self.fd, teclas)
        self.ver(respuesta, veces)

    def terminar(self):
        # Ctrl-D on an empty line ends the game; the shell's prompt then starts a new line.
        self.al_teclado()
        os.write(self.fd, b"\x04")
        self.esperar(lambda: self.pantalla.endswith(b"\r\n"), "no line end after Ctrl-D")
        fin = time.monotonic() + SEGUNDOS * LENTITUD
        while (hijo := os.waitpid(self.pid, os.WNOHANG))[0] == 0 and time.monotonic() < fin:
            time.sleep(0.05)
        if hijo[0] == 0:
            os.kill(self.pid, signal.SIGKILL)
            hijo = os.waitpid(self.pid, 0)
        self.assertEqual(os.waitstatus_to_exitcode(hijo[1]), 0)

    def test_flechas_e_historial(self):
        self.abrir()
        self.orden(b"mirar coche\r", COCHE, 1)
        self.orden(b"\x1b[A", b"mirar coche", 2)  # Up brings the order back
        os.write(self.fd, b"\r")
        self.ver(COCHE, 2)
        self.orden(b"mirar cohe\x1b[D\x1b[Dc\r", COCHE, 3)  # Left twice, and the missing letter
        self.al_teclado()
        os.write(self.fd, b"\x00")  # what the terminal leaves of a Ctrl-D typed while busy
        self.terminar()

    def test_configuracion(self):
        # libedit's settings are read only from a plain file of at most 64 KiB; anything else is
        # named in one line, and the game starts all the same. A file that is read binds ^T to go
        # to the start of the line.
        with tempfile.TemporaryDirectory() as tmp:
            tuberia, grande, buena = (os.path.join(tmp, n) for n in ("tubería", "grande", "buena"))
            os.mkfifo(tuberia)
            atajo = "# ^T al principio de la línea\n\nbind ^T ed-move-to-beg\n"
            with open(buena, "w") as f:
                f.write(atajo)
            with open(grande, "w") as f:
                f.write(atajo + "#" * 65536 + "\n")
            casos = {tuberia: "no es un fichero normal", "/dev/zero": "no es un fichero normal",
                     tmp: "no es un fichero normal", grande: "pasa de 64 KiB",
                     buena: None, "/dev/null": None}
            for editrc, aviso in casos.items():
                with self.subTest(editrc):
                    self.abrir(editrc=editrc)
                    teclas = b"coche\x14mirar \r" if editrc == buena else b"mirar coche\r"
                    self.orden(teclas, COCHE, 1)
                    primera = self.pantalla.split(b"\r\n")[0].decode()
                    if aviso:
                        self.assertEqual(primera, f"jubo-texto: no se lee la configuración "
                                                  f"{editrc}: {aviso}")
                    self.assertEqual(self.pantalla.count(b"jubo-texto:"), 1 if aviso else 0)
                    self.terminar()

    def test_terminal_no_bloqueante(self):
        self.abrir(bloqueante=False)
        time.sleep(0.3)
        self.orden(b"mirar coche\r", COCHE, 1)
        self.terminar()


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    PROGRAMA = sys.argv[1]
    LENTITUD = float(sys.argv[3]) if len(sys.argv) == 4 else 1
    with open(sys.argv[2], "rb") as f:
        SOLUCION = f.read()
    unittest.main(argv=sys.argv[:1], verbosity=2)
