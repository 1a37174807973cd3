#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Real sound: a private PulseAudio with a null sink, its monitor recorded while the real
loudspeaker plays a long cue and, before that one ends, a short one. The recording must hold the
first cue, then the second, and nothing more of the first once the second has started. A control
run with two loudspeakers, where nothing cuts the first cue, shows the recording can tell.
The sink takes no rewinds: stopping a stream would otherwise take back what the monitor had
already recorded of it.

Usage: sonido_real.py path/to/sonar
"""
import math
import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import wave

SONAR = os.path.abspath(sys.argv[1])
TASA = 44100
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


def esperar(condicion, que, plazo=20.0):
    fin = time.monotonic() + plazo
    while time.monotonic() < fin:
        if condicion():
            return
        time.sleep(0.05)
    raise SystemExit(f"MAL: no llega: {que}")


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
    """20 ms windows of the recording: how many hold the long cue, the short one, and the long
    one after the short one has started."""
    with wave.open(grabacion, "rb") as w:
        assert w.getframerate() == TASA and w.getsampwidth() == 2 and w.getnchannels() == 1
        datos = w.readframes(w.getnframes())
    muestras = [m / 32768 for m in struct.unpack(f"<{len(datos) // 2}h", datos)]
    paso = TASA // 50
    ventanas = [muestras[i:i + paso] for i in range(0, len(muestras) - paso, paso)]
    largo = [potencia(v, LARGO) > 0.3 for v in ventanas]
    corto = [potencia(v, CORTO) > 0.3 for v in ventanas]
    empieza = corto.index(True) if any(corto) else len(corto)
    return sum(largo), sum(corto), sum(largo[empieza + 3:])  # 60 ms of grace for the switch


def main():
    tmp = tempfile.mkdtemp(prefix="jubo-sonido-")
    pulse = None
    try:
        sonidos = os.path.join(tmp, "Archivos", "Sonidos")
        os.makedirs(sonidos)
        tono(os.path.join(sonidos, "Direccion.wav"), LARGO, 5.0)
        tono(os.path.join(sonidos, "Empieza.wav"), CORTO, 0.6)

        runtime = os.path.join(tmp, "run")
        os.makedirs(runtime, mode=0o700)
        socket = os.path.join(runtime, "native")
        entorno = dict(os.environ, HOME=tmp, XDG_RUNTIME_DIR=runtime,
                       PULSE_RUNTIME_PATH=os.path.join(runtime, "pulse"),
                       PULSE_SERVER="unix:" + socket)
        entorno.pop("DBUS_SESSION_BUS_ADDRESS", None)
        pulse = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--load=module-null-sink sink_name=jubo rate=44100 channels=1 norewinds=1",
             f"--load=module-native-protocol-unix socket={socket} auth-anonymous=1"],
            env=entorno, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        esperar(lambda: subprocess.run(["pactl", "info"], env=entorno, capture_output=True)
                .returncode == 0, "PulseAudio")
        subprocess.run(["pactl", "set-default-sink", "jubo"], env=entorno, check=True)

        def tocar(caso, *extra):
            grabacion = os.path.join(tmp, caso + ".wav")
            grabar = subprocess.Popen(
                ["parecord", "--device=jubo.monitor", "--latency-msec=20", "--file-format=wav",
                 "--channels=1", f"--rate={TASA}", "--format=s16le", grabacion], env=entorno)
            try:
                time.sleep(0.5)
                r = subprocess.run([SONAR, tmp, str(int(SEGUNDO_A * 1000)), "6500", *extra],
                                   env=entorno, timeout=30, capture_output=True, text=True)
                if r.returncode != 0:
                    raise SystemExit(f"MAL: sonar terminó con {r.returncode}: {r.stderr}")
                time.sleep(0.5)
            finally:
                grabar.send_signal(signal.SIGINT)
                grabar.wait(timeout=10)
            largo, corto, despues = analizar(grabacion)
            print(f"{caso}: primer sonido {largo * 0.02:.2f} s, segundo {corto * 0.02:.2f} s, "
                  f"primero tras empezar el segundo {despues * 0.02:.2f} s")
            return largo, corto, despues

        # Control: two loudspeakers, so the long cue plays on under the short one.
        largo, corto, despues = tocar("control", "dos")
        if not (largo >= 25 and corto >= 10 and despues >= 25):
            raise SystemExit("MAL: la grabación no distingue un sonido cortado de uno que sigue")

        largo, corto, despues = tocar("altavoz")
        if largo < 5:
            raise SystemExit("MAL: el primer sonido no llegó al altavoz")
        if corto < 10:
            raise SystemExit("MAL: el segundo sonido no llegó al altavoz")
        if despues > 0:
            raise SystemExit("MAL: el primer sonido siguió tras empezar el segundo")
        print("ok")
    finally:
        if pulse and pulse.poll() is None:
            pulse.terminate()
            try:
                pulse.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pulse.kill()
        shutil.rmtree(tmp, ignore_errors=True)


if __name__ == "__main__":
    main()
