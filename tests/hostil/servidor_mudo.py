#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Sound servers that misbehave, and the game clicked through meanwhile (clics_con_sonido).
PULSE_SERVER points at a Unix socket of ours that
  mudo:   accepts every connection and never answers (PulseAudio's client waits 30 s for it);
  cuelga: accepts the first connection, then hangs up and goes away.
Each time every click must be answered at once, the event loop must never stand still for long,
the sound must really have tried the server, and the process must end promptly after its main,
even with the sound thread still waiting on the server.

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
    clics = [(l.split()[1], int(l.split()[2])) for l in r.stdout.splitlines()
             if l.startswith("clic ")]
    valor = {l.split()[0]: int(l.split()[1]) for l in r.stdout.splitlines()
             if l.startswith(("quieto ", "salida "))}
    peor = max(clics, key=lambda c: c[1]) if clics else ("ninguno", 0)
    print(f"{modo}: {len(clics)} clics, el más lento {peor[0]} {peor[1]} ms; quieto como mucho "
          f"{valor.get('quieto')} ms; {servidor.conexiones} conexiones al servidor; "
          f"{total - valor.get('salida', total):.0f} ms de main al final del proceso")
    fallos = []
    if r.returncode != 0:
        fallos.append(f"terminó con {r.returncode}: {r.stderr.strip()}")
    if len(clics) != 8 or peor[1] > CLIC_MAX:
        fallos.append(f"clics {clics}: alguno pasó de {CLIC_MAX:.0f} ms o faltan")
    if valor.get("quieto", QUIETO_MAX + 1) > QUIETO_MAX:
        fallos.append(f"la ventana estuvo parada {valor.get('quieto')} ms")
    if servidor.conexiones == 0:
        fallos.append("el sonido no llegó a intentar el servidor")
    if total - valor.get("salida", 0) > SALIDA_MAX:
        fallos.append(f"tras main tardó {total - valor.get('salida', 0):.0f} ms en acabar")
    return [f"{modo}: {f}" for f in fallos]


def main():
    fallos = probar("mudo") + probar("cuelga")
    for f in fallos:
        print("MAL:", f)
    if fallos:
        sys.exit(1)
    print("ok")


if __name__ == "__main__":
    main()
