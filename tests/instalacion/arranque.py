#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Starts the installed game with the command of its menu entry, from an empty working folder on a
headless desktop, goes from the menu into the game and one step into the house, and checks that
the installed pictures, sounds and sound module were the ones found, shown and heard.

Two installations: "instalar" puts the build into a scratch prefix with cmake --install (a prefix
with a space in it, which the menu entry must quote); "paquete" unpacks the Debian package that
instalacion.paquete built, whose menu entry names /usr/games/jubo.

usage: arranque.py instalar CMAKE BUILD_DIR SOURCE_DIR
       arranque.py paquete LISTO SOURCE_DIR"""

import array
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

modo = sys.argv[1]
fuente = sys.argv[-1]
sys.path.insert(0, os.path.join(fuente, "scripts"))
from escritorio import Error, Escritorio, esperar  # noqa: E402

fallos = []


def comprobar(condicion, mensaje):
    if not condicion:
        fallos.append(mensaje)
        print("FALLO:", mensaje)


def diferencia(a, b):
    """Normalised RMSE between two pictures of the same size (0 = identical, 1 = opposite).
    A name may carry an ImageMagick crop, as in "x.png[617x354+0+8]"."""
    r = subprocess.run(["compare", "-metric", "RMSE", a, b, "null:"], capture_output=True,
                       text=True)
    m = re.search(r"\(([0-9.e+-]+)\)", r.stderr)
    if not m:
        raise Error("compare no dio resultado: " + r.stderr)
    return float(m.group(1))


def orden_del_menu(entrada):
    """The command line of a desktop entry's Exec key, unquoted as the format says: the string's
    own escapes first, then double-quoted arguments with backslash escapes; field codes dropped."""
    exec_ = None
    with open(entrada, encoding="utf-8") as f:
        for linea in f:
            if linea.startswith("Exec="):
                exec_ = linea[len("Exec="):].rstrip("\n")
    if exec_ is None:
        raise Error(f"{entrada} no tiene Exec")
    escapes = {"s": " ", "n": "\n", "t": "\t", "r": "\r"}
    valor = re.sub(r"\\(.)", lambda m: escapes.get(m.group(1), m.group(1)), exec_)
    argumentos, actual, comillas, i, hay = [], "", False, 0, False
    while i < len(valor):
        c = valor[i]
        if comillas and c == "\\" and i + 1 < len(valor):
            actual += valor[i + 1]
            i += 1
        elif c == '"':
            comillas, hay = not comillas, True
        elif c == " " and not comillas:
            if actual or hay:
                argumentos.append(actual)
            actual, hay = "", False
        else:
            actual += c
        i += 1
    if actual or hay:
        argumentos.append(actual)
    return [a.replace("%%", "%") for a in argumentos if not re.fullmatch(r"%[a-zA-Z]", a)]


# Client-area points of the controls the test clicks (layout positions in pixels).
BOTON_JUEGO = (44, 380)
BOTON_PALANTE = (660, 68)
# The picture control sits 8 pixels above the window's top edge; its visible part:
VISIBLE_EN_VENTANA = "617x354+0+0"
VISIBLE_EN_DIBUJO = "617x354+0+8"


def instalar(tmp):
    """(root the menu entry's absolute paths are under, installation prefix) of the installation."""
    if modo == "instalar":
        cmake, compilacion = sys.argv[2:4]
        prefijo = os.path.join(tmp, "un prefijo")
        subprocess.run([cmake, "--install", compilacion, "--prefix", prefijo], check=True,
                       stdout=subprocess.DEVNULL)
        return "/", prefijo
    with open(sys.argv[2]) as f:
        deb = f.read().strip()
    raiz = os.path.join(tmp, "raiz")
    subprocess.run(["dpkg-deb", "-x", deb, raiz], check=True)
    return raiz, os.path.join(raiz, "usr")


def main():
    shutil.rmtree(os.path.abspath(f"arranque-{modo}-fallo"), ignore_errors=True)
    with tempfile.TemporaryDirectory(prefix="jubo-arranque-") as tmp:
        raiz, prefijo = instalar(tmp)
        # The menu entry's command, its absolute paths taken inside the unpacked package.
        orden = orden_del_menu(os.path.join(prefijo, "share", "applications", "jubo.desktop"))
        programa = os.path.join(raiz, orden[0].lstrip("/"))
        datos = os.path.join(prefijo, "share", "jubo", "Archivos")
        modulos = [os.path.join(d, f) for d, _, fs in os.walk(prefijo) for f in fs
                   if f == "libjubo_altavoz.so"]
        for ruta in [programa, os.path.join(datos, "Dibujos", "cuarto.jpg"),
                     os.path.join(datos, "Sonidos", "Direccion.wav")] + modulos[:1]:
            if not os.path.isfile(ruta):
                print(f"FALLO: la instalación no tiene {ruta} (orden del menú: {orden})")
                return 1
        if len(modulos) != 1:
            print("FALLO: no hay un solo módulo de sonido instalado:", modulos)
            return 1
        # Neither the working folder nor the program's own folder holds the data: only share/ does.
        vacia = os.path.join(tmp, "otra carpeta")
        os.mkdir(vacia)
        comprobar(not os.path.exists(os.path.join(os.path.dirname(programa), "Archivos")),
                  "la carpeta del programa no debe traer Archivos")

        traza = os.path.join(tmp, "traza.log")
        grabacion = os.path.join(tmp, "sonido.raw")
        esperado = os.path.join(fuente, "Archivos", "Dibujos", "cuarto.jpg") + \
            f"[{VISIBLE_EN_DIBUJO}]"
        captura = os.path.join(tmp, "captura.png")
        visto = captura + f"[{VISIBLE_EN_VENTANA}]"
        with Escritorio(con_sonido=True) as esc:
            # In a sanitizer build, strict string checks flag libxkbcommon-x11's own strndup while
            # Qt connects to the X server; that library is not ours and this test is not about it.
            if "strict_string_checks=1" in esc.env.get("ASAN_OPTIONS", ""):
                esc.env["ASAN_OPTIONS"] = esc.env["ASAN_OPTIONS"].replace(
                    "strict_string_checks=1", "strict_string_checks=0")
            grabadora = esc.grabar(grabacion)
            # Only successful opens are traced (-z), each on one line.
            juego = esc.lanzar(["strace", "-f", "-qq", "-z", "-e", "trace=open,openat", "-o", traza,
                                programa] + orden[1:], cwd=vacia,
                               registro=os.path.join(tmp, "jubo.log"))
            try:
                menu = esc.ventana("Menú principal", plazo=30)
                esc.pintada(menu)
                esc.clic(menu, *BOTON_JUEGO)
                ventana = esc.ventana("Las rozozerad der Jubo")
                esc.pintada(ventana)
                esc.clic(ventana, *BOTON_PALANTE)

                # What the window should show, taken from the source tree, not the installation.
                def muestra_cuarto():
                    esc.captura(ventana, captura)
                    return diferencia(visto, esperado) < 0.02

                try:
                    esperar(muestra_cuarto, 15, "el dibujo del cuarto en la ventana")
                except Error as e:
                    comprobar(False, f"{e} (diferencia {diferencia(visto, esperado):.3f})")
                # Direccion.wav lasts under two seconds; give it time to reach the sink.
                time.sleep(2.5)
            except Error as e:
                comprobar(False, str(e))
            grabadora.terminate()
            grabadora.wait(5)
            comprobar(juego.poll() is None, "el juego terminó solo")
            if fallos:
                subprocess.run(["import", "-window", "root", os.path.join(tmp, "pantalla.png")],
                               env=esc.env)
            # Stop the game, not strace, so that the trace is written out to its end.
            hijos = [int(h) for h in subprocess.run(["pgrep", "-P", str(juego.pid)],
                                                    capture_output=True, text=True).stdout.split()]
            for h in hijos:
                os.kill(h, signal.SIGTERM)
            try:
                juego.wait(10)
            except subprocess.TimeoutExpired:
                comprobar(False, "el juego no terminó con SIGTERM")
                for h in hijos:
                    os.kill(h, signal.SIGKILL)
                juego.wait(10)

        with open(traza, errors="replace") as f:
            abiertos = re.findall(r'open(?:at)?\((?:AT_FDCWD, )?"([^"]+)"', f.read())
        for nombre in ("Dibujos/cuarto.jpg", "Sonidos/Empieza.wav", "Sonidos/Direccion.wav"):
            ruta = os.path.join(datos, nombre)
            comprobar(any(os.path.normpath(a) == ruta for a in abiertos),
                      f"no se abrió {ruta}; ficheros de Archivos abiertos: "
                      f"{[a for a in abiertos if 'Archivos' in a]}")
        comprobar(any(os.path.normpath(a) == modulos[0] for a in abiertos),
                  f"no se cargó el módulo instalado {modulos[0]}; módulos abiertos: "
                  f"{[a for a in abiertos if 'altavoz' in a]}")

        if fallos:
            # Keep what is needed to see why, beside the test's build folder.
            guardar = os.path.abspath(f"arranque-{modo}-fallo")
            shutil.rmtree(guardar, ignore_errors=True)
            os.makedirs(guardar)
            for f in ("captura.png", "pantalla.png", "jubo.log", "traza.log"):
                if os.path.exists(os.path.join(tmp, f)):
                    shutil.copy(os.path.join(tmp, f), guardar)
            print("registros en", guardar)

        muestras = array.array("h")
        with open(grabacion, "rb") as f:
            datos_crudos = f.read()
        muestras.frombytes(datos_crudos[: len(datos_crudos) // 2 * 2])
        pico = max((abs(s) for s in muestras), default=0)
        # The cues peak near full scale; a silent sink stays at 0.
        comprobar(pico > 3000,
                  f"no sonó nada en el altavoz (pico {pico} en {len(muestras)} muestras)")

    if fallos:
        return 1
    print("bien: el juego instalado encontró, mostró e hizo sonar sus ficheros "
          "desde otra carpeta")
    return 0


if __name__ == "__main__":
    sys.exit(main())
