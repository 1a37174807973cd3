#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Sound servers that misbehave, and the game clicked through meanwhile (clics_con_sonido).
PULSE_SERVER points at a Unix socket of ours that either accepts every connection and never answers
("mudo": PulseAudio's client waits 30 s) or accepts the first, then hangs up and goes away
("cuelga"). Each time every click is answered at once, the event loop never stands still for long,
the sound really tried the server, and the process ends promptly after its main.

Usage: servidor_mudo.py path/to/clics_con_sonido [slowness factor]
"""
import os
import socket
import subprocess
import sys
import tempfile
import threading
import time

PROGRAMA = sys.argv[1]
LENTITUD = float(sys.argv[2]) if len(sys.argv) > 2 else 1.0
CLIC_MAX = 250 * LENTITUD  # ms for a click, far below any wait on the server
QUIETO_MAX = 500 * LENTITUD  # ms the event loop may stand still
SALIDA_MAX = 1000 * LENTITUD  # ms from the end of main to the end of the process


def probar(modo):
    with tempfile.TemporaryDirectory(prefix="jubo-mudo-") as tmp:
        ruta = os.path.join(tmp, "pulse")
        escucha = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        escucha.bind(ruta)
        escucha.listen(16)
        conexiones = []

        def atender():
            while True:
                try:
                    conexion = escucha.accept()[0]
                except OSError:
                    return
                conexiones.append(conexion)  # "mudo" keeps it open, never a byte back
                if modo == "cuelga":
                    conexion.close()
                    escucha.close()
                    os.unlink(ruta)
                    return

        threading.Thread(target=atender, daemon=True).start()
        entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=tmp, HOME=tmp,
                       PULSE_SERVER="unix:" + ruta)
        entorno.pop("DBUS_SESSION_BUS_ADDRESS", None)
        inicio = time.monotonic()
        try:
            r = subprocess.run([PROGRAMA], env=entorno, capture_output=True, text=True,
                               timeout=120)
        finally:
            escucha.close()
            for c in conexiones:
                c.close()
        total = (time.monotonic() - inicio) * 1000
    lineas = [l.split() for l in r.stdout.splitlines() if l.strip()]
    clics = [(l[1], int(l[2])) for l in lineas if l[0] == "clic"]
    valor = {l[0]: int(l[1]) for l in lineas if l[0] in ("quieto", "salida")}
    peor = max(clics, key=lambda c: c[1], default=("ninguno", 0))
    tras_main = total - valor.get("salida", 0)
    print(f"{modo}: {len(clics)} clics, el más lento {peor}; quieto como mucho "
          f"{valor.get('quieto')} ms; {len(conexiones)} conexiones; {tras_main:.0f} ms tras main")
    fallos = [que for mal, que in [
        (r.returncode != 0, f"terminó con {r.returncode}: {r.stderr.strip()}"),
        (len(clics) != 8 or peor[1] > CLIC_MAX, f"clics {clics}: faltan o pasan de {CLIC_MAX} ms"),
        (valor.get("quieto", QUIETO_MAX + 1) > QUIETO_MAX, "la ventana estuvo parada"),
        (not conexiones, "el sonido no llegó a intentar el servidor"),
        (tras_main > SALIDA_MAX, "tardó en acabar tras main"),
    ] if mal]
    return [f"{modo}: {f}" for f in fallos]


if __name__ == "__main__":
    fallos = probar("mudo") + probar("cuelga")
    print("\n".join("MAL: " + f for f in fallos) or "ok")
    sys.exit(1 if fallos else 0)
