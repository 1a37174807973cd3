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


class Servidor:
    def __init__(self, ruta, modo):
        self.ruta, self.modo, self.conexiones, self.abiertas = ruta, modo, 0, []
        self.escucha = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.escucha.bind(ruta)
        self.escucha.listen(16)
        threading.Thread(target=self.atender, daemon=True).start()

    def atender(self):
        while True:
            try:
                conexion, _ = self.escucha.accept()
            except OSError:
                return
            self.conexiones += 1
            if self.modo == "mudo":
                self.abiertas.append(conexion)  # kept open, never a byte back
            else:
                conexion.close()
                self.cerrar()
                return

    def cerrar(self):
        self.escucha.close()
        if os.path.exists(self.ruta):
            os.unlink(self.ruta)
        for c in self.abiertas:
            c.close()


def probar(modo):
    with tempfile.TemporaryDirectory(prefix="jubo-mudo-") as tmp:
        servidor = Servidor(os.path.join(tmp, "pulse"), modo)
        entorno = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=tmp, HOME=tmp,
                       PULSE_SERVER="unix:" + servidor.ruta)
        entorno.pop("DBUS_SESSION_BUS_ADDRESS", None)
        inicio = time.monotonic()
        try:
            r = subprocess.run([PROGRAMA], env=entorno, capture_output=True, text=True,
                               timeout=120)
        finally:
            servidor.cerrar()
        total = (time.monotonic() - inicio) * 1000
    lineas = [l.split() for l in r.stdout.splitlines() if l.strip()]
    clics = [(l[1], int(l[2])) for l in lineas if l[0] == "clic"]
    valor = {l[0]: int(l[1]) for l in lineas if l[0] in ("quieto", "salida")}
    peor = max(clics, key=lambda c: c[1], default=("ninguno", 0))
    tras_main = total - valor.get("salida", 0)
    print(f"{modo}: {len(clics)} clics, el más lento {peor}; quieto como mucho "
          f"{valor.get('quieto')} ms; {servidor.conexiones} conexiones; {tras_main:.0f} ms tras main")
    fallos = [que for mal, que in [
        (r.returncode != 0, f"terminó con {r.returncode}: {r.stderr.strip()}"),
        (len(clics) != 8 or peor[1] > CLIC_MAX, f"clics {clics}: faltan o pasan de {CLIC_MAX} ms"),
        (valor.get("quieto", QUIETO_MAX + 1) > QUIETO_MAX, "la ventana estuvo parada"),
        (servidor.conexiones == 0, "el sonido no llegó a intentar el servidor"),
        (tras_main > SALIDA_MAX, "tardó en acabar tras main"),
    ] if mal]
    return [f"{modo}: {f}" for f in fallos]


if __name__ == "__main__":
    fallos = probar("mudo") + probar("cuelga")
    print("\n".join("MAL: " + f for f in fallos) or "ok")
    sys.exit(1 if fallos else 0)
