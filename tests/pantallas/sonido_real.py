#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Real sound, recorded from the throw-away desktop's null sink: the real loudspeaker plays a long
cue and, before it ends, a short one. The recording holds the first, then the second, and nothing
more of the first once the second has started; a control run with each cue in a process of its
own, where nothing cuts the first cue, shows the recording can tell. Then, fifteen times, the
program calls exit() while a cue plays, as Qt does when the display is lost: each time it ends with
that status, not a crash.

Usage: sonido_real.py path/to/sonar
"""
import math
import os
import struct
import subprocess
import sys
import tempfile
import time
import wave

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from escritorio import TASA, Escritorio, leer_wav  # noqa: E402

SONAR = os.path.abspath(sys.argv[1])
LARGO, CORTO = 440.0, 1000.0  # Hz of the long first cue and the short second one
SEGUNDO_A = 1.5  # s after the first cue the second one starts


def tono(ruta, hz, segundos):
    with wave.open(ruta, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(TASA)
        n = int(TASA * segundos)
        w.writeframes(b"".join(struct.pack("<h", int(12000 * math.sin(2 * math.pi * hz * i / TASA)))
                               for i in range(n)))


def potencia(muestras, hz):
    """Goertzel: the share of a window's energy at one frequency."""
    k = 2 * math.cos(2 * math.pi * hz / TASA)
    s1 = s2 = 0.0
    for x in muestras:
        s1, s2 = x + k * s1 - s2, s1
    tono = s1 * s1 + s2 * s2 - k * s1 * s2
    total = sum(x * x for x in muestras) * len(muestras) / 2
    return tono / total if total > 1e-9 else 0.0


def analizar(grabacion):
    """20 ms windows holding the long cue, the short one, and the long one after the short."""
    muestras = [m / 32768 for m in leer_wav(grabacion)]
    paso = TASA // 50
    ventanas = [muestras[i:i + paso] for i in range(0, len(muestras) - paso, paso)]
    largo = [potencia(v, LARGO) > 0.3 for v in ventanas]
    corto = [potencia(v, CORTO) > 0.3 for v in ventanas]
    empieza = corto.index(True) if any(corto) else len(corto)
    return sum(largo), sum(corto), sum(largo[empieza + 3:])  # 60 ms of grace for the switch


def main():
    with tempfile.TemporaryDirectory(prefix="jubo-sonido-") as tmp, \
            Escritorio(con_pantalla=False, con_sonido=True) as esc:
        largo, corto = os.path.join(tmp, "largo.wav"), os.path.join(tmp, "corto.wav")
        tono(largo, LARGO, 5.0)
        tono(corto, CORTO, 0.6)

        def tocar(caso, *programas):
            """Records while sonar runs with each list of arguments, after its delay in s."""
            grabacion = os.path.join(tmp, caso + ".wav")
            grabar = esc.grabar(grabacion)
            try:
                time.sleep(0.5)
                procesos = []
                for espera, args in programas:
                    time.sleep(espera)
                    procesos.append(subprocess.Popen([SONAR, *args], env=esc.env, text=True,
                                                     stderr=subprocess.PIPE))
                for p in procesos:
                    if p.wait(timeout=30) != 0:
                        raise SystemExit(f"MAL: sonar terminó con {p.returncode}: "
                                         f"{p.stderr.read()}")
                time.sleep(0.5)
            finally:
                esc.parar(grabar)
            ventanas = analizar(grabacion)
            print(f"{caso}: primer sonido, segundo, primero tras el segundo: {ventanas} x 20 ms")
            return ventanas

        primero, segundo, despues = tocar("control", (0, [largo, "0", "-", "6500"]),
                                          (SEGUNDO_A, [corto, "0", "-", "5000"]))
        if not (primero >= 25 and segundo >= 10 and despues >= 25):
            raise SystemExit("MAL: la grabación no distingue un sonido cortado de uno que sigue")

        primero, segundo, despues = tocar(
            "altavoz", (0, [largo, str(int(SEGUNDO_A * 1000)), corto, "6500"]))
        if primero < 5 or segundo < 10 or despues > 0:
            raise SystemExit("MAL: no sonó el primero, luego el segundo, cortando el primero")

        estados = [subprocess.run([SONAR, largo, "300", "salir", "5000"], env=esc.env,
                                  capture_output=True, timeout=30).returncode for _ in range(15)]
        print(f"exit(3) mientras suena: {estados}")
        if any(e != 3 for e in estados):
            raise SystemExit("MAL: salir con exit() mientras suena no terminó con su estado")
        print("ok")


if __name__ == "__main__":
    main()
