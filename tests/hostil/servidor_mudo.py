#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Sound servers that misbehave, and the game clicked through meanwhile (clics_con_sonido).
PULSE_SERVER points at a Unix socket of ours that either accepts every connection and never answers
("mudo": PulseAudio's client waits 30 s) or accepts the first, then hangs up and goes away
("cuelga"). Each time every click is answered at once, the event loop never stands still for long,
the sound really tried the server, and the process ends promptly after its main. Then a real
server that stops answering while a cue is on its way ("parado", played by sonar): Qt Multimedia's
warning from libpulse's thread 30 s later stays off stderr.

Usage: servidor_mudo.py path/to/clics_con_sonido path/to/sonar [slowness factor]
"""
import os
import socket
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from escritorio import Escritorio, esperar  # noqa: E402

PROGRAMA, SONAR = sys.argv[1], sys.argv[2]
LENTITUD = float(sys.argv[3]) if len(sys.argv) > 3 else 1.0
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


def parado():
    """Two players on a private PulseAudio, which is stopped once they have reached it and before
    their second cue. libpulse gives up on that cue's stream after 30 s and Qt Multimedia warns
    from libpulse's own thread: nothing on stderr, but with jubo.sonido's debug rule, which shows
    that the warning did come."""
    sonidos = os.path.join(os.path.dirname(SONAR), "Archivos", "Sonidos")
    segunda = int(3000 * LENTITUD)  # ms to the second cue
    orden = [SONAR, os.path.join(sonidos, "Empieza.wav"), str(segunda),
             os.path.join(sonidos, "Direccion.wav"), str(segunda + 36000)]
    with Escritorio(con_pantalla=False, con_sonido=True) as e:
        entorno = dict(e.env, QT_QPA_PLATFORM="offscreen")
        callado = subprocess.Popen(orden, env=entorno, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE, text=True)
        hablador = subprocess.Popen(orden,
                                    env=dict(entorno, QT_LOGGING_RULES="jubo.sonido.debug=true"),
                                    stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            esperar(lambda: e.clientes_de_sonido(callado.pid) and
                    e.clientes_de_sonido(hablador.pid), segunda / 1000 * 0.8, "los reproductores")
            e.pausar_sonido()
            _, error = callado.communicate(timeout=segunda / 1000 + 60)
            _, avisos = hablador.communicate(timeout=30)
        finally:
            e.pausar_sonido(False)
            callado.kill()
            hablador.kill()
    print(f"parado: stderr {error!r}; con la regla de depuración {avisos.count(chr(10))} líneas")
    fallos = [que for mal, que in [
        (callado.returncode != 0 or error, f"terminó con {callado.returncode}: {error.strip()}"),
        ("Stream error" not in avisos, "el servidor parado no llegó a notarse: " + avisos),
    ] if mal]
    return [f"parado: {f}" for f in fallos]


if __name__ == "__main__":
    fallos = probar("mudo") + probar("cuelga") + parado()
    print("\n".join("MAL: " + f for f in fallos) or "ok")
    sys.exit(1 if fallos else 0)
