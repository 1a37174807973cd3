#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Starts the installed game with its menu entry's command from an empty folder on a headless
desktop, goes one step into the house, and checks that the installed pictures, sounds and sound
module were the ones opened, shown and heard. "instalar" installs with cmake --install into a
prefix with a space in it, which the menu entry must quote; "paquete" unpacks the package.

usage: arranque.py instalar CMAKE BUILD_DIR SOURCE_DIR
       arranque.py paquete LISTO SOURCE_DIR"""

import os
import re
import shlex
import shutil
import signal
import subprocess
import sys
import time

modo, fuente = sys.argv[1], sys.argv[-1]
sys.path.insert(0, os.path.join(fuente, "scripts"))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from comun import comprobar, fallos  # noqa: E402
from escritorio import Error, Escritorio, esperar, leer_wav  # noqa: E402

# Client-area points of the controls clicked, and the visible part of the picture control, which
# sits 8 pixels above the window's top edge.
BOTON_JUEGO, BOTON_PALANTE = (44, 380), (660, 68)
VISIBLE_EN_VENTANA, VISIBLE_EN_DIBUJO = "617x354+0+0", "617x354+0+8"


def diferencia(a, b):
    """Normalised RMSE of two pictures, each name with an ImageMagick crop (0 = identical)."""
    r = subprocess.run(["compare", "-metric", "RMSE", a, b, "null:"], capture_output=True,
                       text=True)
    m = re.search(r"\(([0-9.e+-]+)\)", r.stderr)
    if not m:
        raise Error("compare no dio resultado: " + r.stderr)
    return float(m.group(1))


def orden_del_menu(entrada):
    """Exec of a desktop entry as a launcher runs it: the string's escapes undone first, then split
    at spaces outside double quotes, as a shell does; field codes dropped."""
    with open(entrada, encoding="utf-8") as f:
        exec_ = re.search(r"^Exec=(.*)$", f.read(), re.M).group(1)
    escapes = {"s": " ", "n": "\n", "t": "\t", "r": "\r"}
    valor = re.sub(r"\\(.)", lambda m: escapes.get(m.group(1), m.group(1)), exec_)
    return [a.replace("%%", "%") for a in shlex.split(valor) if not re.fullmatch(r"%[a-zA-Z]", a)]


def instalar(tmp):
    """(root of the menu entry's absolute paths, installation prefix)."""
    if modo == "instalar":
        prefijo = os.path.join(tmp, "un prefijo")
        subprocess.run([sys.argv[2], "--install", sys.argv[3], "--prefix", prefijo], check=True,
                       stdout=subprocess.DEVNULL)
        return "/", prefijo
    with open(sys.argv[2]) as f:
        subprocess.run(["dpkg-deb", "-x", f.read().strip(), f"{tmp}/raiz"], check=True)
    return f"{tmp}/raiz", f"{tmp}/raiz/usr"


def jugar(esc, programa, argumentos, tmp, cwd):
    """Into the game and one step on, tracing the files opened; the game's process."""
    # Only successful opens are traced (-z), each on one line.
    juego = esc.lanzar(["strace", "-f", "-qq", "-z", "-e", "trace=open,openat", "-o",
                        f"{tmp}/traza.log", programa] + argumentos, cwd=cwd,
                       registro=f"{tmp}/jubo.log")
    esperado = f"{fuente}/Archivos/Dibujos/cuarto.jpg[{VISIBLE_EN_DIBUJO}]"
    diferencias = []
    try:
        menu = esc.ventana("Menú principal", plazo=30)
        esc.pintada(menu)
        esc.clic(menu, *BOTON_JUEGO)
        ventana = esc.ventana("Las rozozerad der Jubo")
        esc.pintada(ventana)
        esc.clic(ventana, *BOTON_PALANTE)

        # Compared with the source tree's picture, not the installed one.
        def muestra_cuarto():
            esc.captura(ventana, f"{tmp}/captura.png")
            diferencias.append(diferencia(f"{tmp}/captura.png[{VISIBLE_EN_VENTANA}]", esperado))
            return diferencias[-1] < 0.02

        esperar(muestra_cuarto, 15, "el dibujo del cuarto en la ventana")
        time.sleep(2.5)  # Direccion.wav lasts under two seconds
    except Error as e:
        comprobar(False, f"{e} (diferencias {diferencias[-3:]})")
    return juego


def terminar(juego):
    """Stops the game, not strace, so that the trace is written out to its end."""
    hijos = [int(h) for h in subprocess.run(["pgrep", "-P", str(juego.pid)],
                                            capture_output=True, text=True).stdout.split()]
    for senal in (signal.SIGTERM, signal.SIGKILL):
        for h in hijos:
            os.kill(h, senal)
        try:
            juego.wait(10)
            return
        except subprocess.TimeoutExpired:
            comprobar(False, "el juego no terminó con SIGTERM")


def main():
    # The whole working folder is kept where a failure can be seen, beside the test's build folder.
    tmp = os.path.abspath(f"arranque-{modo}")
    shutil.rmtree(tmp, ignore_errors=True)
    os.makedirs(f"{tmp}/otra carpeta")
    raiz, prefijo = instalar(tmp)
    orden = orden_del_menu(f"{prefijo}/share/applications/jubo.desktop")
    programa = os.path.join(raiz, orden[0].lstrip("/"))
    datos = f"{prefijo}/share/jubo/Archivos"
    modulos = [os.path.join(d, f) for d, _, fs in os.walk(prefijo) for f in fs
               if f == "libjubo_altavoz.so"]
    if not os.path.isfile(programa) or len(modulos) != 1:
        sys.exit(f"FALLO: sin el programa del menú ({orden}) o sin un módulo: {modulos}")
    # Neither the working folder nor the program's own folder holds the data: only share/.
    comprobar(not os.path.exists(os.path.join(os.path.dirname(programa), "Archivos")),
              "la carpeta del programa no debe traer Archivos")

    with Escritorio(con_sonido=True) as esc:
        # Strict string checks of a sanitizer build flag libxkbcommon-x11, not ours.
        esc.env["ASAN_OPTIONS"] = esc.env.get("ASAN_OPTIONS", "").replace(
            "strict_string_checks=1", "strict_string_checks=0")
        grabadora = esc.grabar(f"{tmp}/sonido.wav")
        juego = jugar(esc, programa, orden[1:], tmp, f"{tmp}/otra carpeta")
        esc.parar(grabadora)
        comprobar(juego.poll() is None, "el juego terminó solo")
        if fallos:
            subprocess.run(["import", "-window", "root", f"{tmp}/pantalla.png"], env=esc.env)
        terminar(juego)

    with open(f"{tmp}/traza.log", errors="replace") as f:
        abiertos = {os.path.normpath(a) for a in
                    re.findall(r'open(?:at)?\((?:AT_FDCWD, )?"([^"]+)"', f.read())}
    for ruta in [f"{datos}/Dibujos/cuarto.jpg", f"{datos}/Sonidos/Empieza.wav",
                 f"{datos}/Sonidos/Direccion.wav", modulos[0]]:
        comprobar(ruta in abiertos, f"no se abrió {ruta}; abiertos: "
                  f"{[a for a in abiertos if 'Archivos' in a or 'altavoz' in a]}")
    muestras = leer_wav(f"{tmp}/sonido.wav")
    # The cues peak near full scale; a silent sink stays at 0.
    pico = max(map(abs, muestras), default=0)
    comprobar(pico > 3000, f"no sonó nada (pico {pico} en {len(muestras)} muestras)")

    if fallos:
        print("registros en", tmp)
        return 1
    shutil.rmtree(tmp)
    return 0


if __name__ == "__main__":
    sys.exit(main())
