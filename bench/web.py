#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Measures the web edition in one headless Chromium, served from this machine as ./jugar --web
serves it, beside a bare page (bench/web/referencia.html: one button, one text box and one of our
pictures) served the same way, and prints a Markdown table:

- start-up: from asking for the page to the order box focused after a click on «Juego» made as
  soon as the page has loaded (the bare page: its button focuses its box), up to the next frame;
  rounds alternate the two pages, each a first visit (the browser's cache emptied, the service
  worker bypassed);
- Enter in the order box, and a click on a button, to the answer in the page's live region, up to
  the start of the frame that shows it, and up to the end of the handler (no frame waited for);
- bytes fetched before the first answer (Juego, then one order), in all and for script and engine.

Reported, never asserted. usage: bench/web.py [--rapido] [--guardar bench/RESULTADOS.md]
(needs build-web/, from scripts/compilar-web)"""

import argparse
import gzip
import json
import os
import platform
import shutil
import statistics
import sys
import tempfile
import time
from pathlib import Path

RAIZ = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(RAIZ / "scripts"))
from navegador import Navegador, Servidor, esperar  # noqa: E402

SITIO = RAIZ / "build-web" / "sitio"

# Clicks the page's «Juego» (or the bare page's button) as soon as the page has loaded, and notes
# when the text box gets the focus and when the frame after that starts; and for each Enter or
# click, when the live region changed and the frame after.
SONDA = """
window.__medida = { lat: [] };
const m = window.__medida;
window.addEventListener("load", () => {
  m.cargada = performance.now();
  const b = document.getElementById("Eljuego") || document.getElementById("boton");
  m.clic = performance.now();
  b.click();
});
document.addEventListener("focusin", (e) => {
  if (m.foco || !(e.target instanceof HTMLInputElement)) return;
  m.foco = performance.now();
  requestAnimationFrame(() => { m.cuadro = performance.now(); });
}, true);
let t0 = null;
for (const tipo of ["keydown", "click"]) {
  document.addEventListener(tipo, (e) => {
    if (e.isTrusted && (tipo === "click" || e.key === "Enter")) t0 = e.timeStamp;
  }, true);
}
document.addEventListener("DOMContentLoaded", () => {
  const log = document.getElementById("List1");
  if (!log) return;
  new MutationObserver(() => {
    if (m.clic && !m.preparado) m.preparado = performance.now();
    if (t0 === null) return;
    const inicio = t0;
    t0 = null;
    const hecho = performance.now();
    requestAnimationFrame(() => m.lat.push([hecho - inicio, performance.now() - inicio]));
  }).observe(log, { childList: true });
});
"""


def carpeta_servida(tmp):
    """One folder with the game's site and the bare page, served by one server."""
    os.symlink(SITIO, f"{tmp}/sitio")
    os.makedirs(f"{tmp}/referencia")
    shutil.copy(RAIZ / "bench" / "web" / "referencia.html", f"{tmp}/referencia/index.html")
    shutil.copy(RAIZ / "Archivos" / "Dibujos" / "Entrada.jpg", f"{tmp}/referencia/Entrada.jpg")
    return tmp


def arranque(nav, url, juego):
    nav.cdp("Network.clearBrowserCache")  # each start-up a first visit
    nav.abrir(url)
    return esperar(lambda: nav.driver.execute_script(
        "const m = window.__medida; return m && m.cuadro && (m.preparado || !arguments[0]) && m",
        juego), 20, f"el foco en {url}")


def percentil(valores, p):
    v = sorted(valores)
    return v[min(len(v) - 1, round(p / 100 * (len(v) - 1)))]


def bytes_hasta_primera_respuesta(nav, url):
    """(every byte received, bytes of juego.js + motor.js, {file: bytes}) from asking for the page
    to the first answer to an order."""
    nav.driver.get_log("performance")
    nav.cdp("Network.clearBrowserCache")
    nav.abrir(url)
    nav.uno("textbox", "Orden", plazo=20)
    nav.escribir("mirar coche")
    nav.tecla("Enter")
    esperar(lambda: nav.driver.execute_script("return window.__medida.lat.length"), 5,
            "la primera respuesta")
    time.sleep(0.5)
    urls, recibidos = {}, {}
    for entrada in nav.driver.get_log("performance"):
        mensaje = json.loads(entrada["message"])["message"]
        p = mensaje.get("params", {})
        if mensaje["method"] == "Network.responseReceived" and \
                not p["response"]["url"].startswith("data:"):  # nothing fetched
            urls[p["requestId"]] = p["response"]["url"]
        elif mensaje["method"] == "Network.loadingFinished":
            recibidos[p["requestId"]] = recibidos.get(p["requestId"], 0) + p["encodedDataLength"]
    por_fichero = {}
    for rid, n in recibidos.items():
        if rid not in urls:
            continue
        nombre = urls.get(rid, "?").split("?")[0].removeprefix(url.split("?")[0]) or "index.html"
        por_fichero[nombre] = por_fichero.get(nombre, 0) + n
    codigo = por_fichero.get("juego.js", 0) + por_fichero.get("motor.js", 0)
    return sum(por_fichero.values()), codigo, por_fichero


def latencias(nav, url, veces):
    nav.abrir(url)
    nav.uno("textbox", "Orden", plazo=20)
    nav.driver.execute_script("window.__medida.lat.length = 0")
    ordenes = ["mirar coche", "coger mazo", "vacilar", "mirar el arbol", "xyzzy"]
    for i in range(veces):
        nav.escribir(ordenes[i % len(ordenes)])
        nav.tecla("Enter")
        esperar(lambda: len(nav.driver.execute_script("return window.__medida.lat")) > i, 5,
                "una respuesta")
    enter = nav.driver.execute_script("return window.__medida.lat.splice(0)")
    for i in range(veces):
        nav.pulsar("button", ["Ver", "Pa' Ver lo que tienes"][i % 2])
        esperar(lambda: len(nav.driver.execute_script("return window.__medida.lat")) > i, 5,
                "una respuesta")
    clic = nav.driver.execute_script("return window.__medida.lat.splice(0)")
    return enter, clic


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--rapido", action="store_true", help="few rounds, to check that all works")
    p.add_argument("--guardar", metavar="FICHERO", help="also write the table into FICHERO")
    a = p.parse_args()
    rondas, veces = (3, 10) if a.rapido else (41, 100)
    if not (SITIO / "index.html").exists():
        sys.exit(f"bench/web.py: falta {SITIO}: compila primero (scripts/compilar-web)")

    with tempfile.TemporaryDirectory(prefix="jubo-bench-web-") as tmp, \
            Servidor(carpeta_servida(tmp)) as servidor, Navegador(rendimiento=True) as nav:
        juego, referencia = servidor.url + "sitio/?semilla=1", servidor.url + "referencia/"
        nav.cdp("Network.enable")
        nav.cdp("Network.setBypassServiceWorker", bypass=True)
        nav.al_empezar(SONDA)

        for url in (juego, referencia):  # Chromium's own first-use costs
            arranque(nav, url, url == juego)
        tiempos = {juego: [], referencia: []}
        preparado = []
        for i in range(rondas):
            for url in (juego, referencia) if i % 2 == 0 else (referencia, juego):
                m = arranque(nav, url, url == juego)
                tiempos[url].append(m["cuadro"])
                if url == juego:
                    preparado.append(m["preparado"])
        razones = [j / r for j, r in zip(tiempos[juego], tiempos[referencia])]
        razones_prep = [p / r for p, r in zip(preparado, tiempos[referencia])]

        total, codigo, por_fichero = bytes_hasta_primera_respuesta(nav, juego)
        enter, clic = latencias(nav, juego, veces)

    gz = {n: len(gzip.compress((SITIO / n).read_bytes(), 9)) for n in ("juego.js", "motor.js")}
    filas = []

    def fila(medida, ref, web, razon, meta, cumple):
        marca = "" if cumple is None else ("yes" if cumple else "**no**")
        filas.append(f"| {medida} | {ref} | {web} | {razon} | {meta} | {marca} |")

    r, cuartos = statistics.median(razones), statistics.quantiles(razones, n=4)
    fila("Page asked for → order box focused after «Juego», next frame",
         f"{statistics.median(tiempos[referencia]):.0f} ms",
         f"{statistics.median(tiempos[juego]):.0f} ms",
         f"{r:.2f} ({cuartos[0]:.2f}–{cuartos[2]:.2f})", "≤ 1.5", r <= 1.5)
    r, cuartos = statistics.median(razones_prep), statistics.quantiles(razones_prep, n=4)
    fila("… and the game set up by the engine (the place announced)",
         f"{statistics.median(tiempos[referencia]):.0f} ms", f"{statistics.median(preparado):.0f} ms",
         f"{r:.2f} ({cuartos[0]:.2f}–{cuartos[2]:.2f})", "—", None)
    for nombre, muestras in (("Enter", enter), ("Click on Ver / Pa' Ver lo que tienes", clic)):
        hecho = [m[0] for m in muestras]
        cuadro = [m[1] for m in muestras]
        fila(f"{nombre} → answer in the live region (handler done)", "—",
             f"{statistics.median(hecho):.2f} ms (p95 {percentil(hecho, 95):.2f})", "—", "—", None)
        p95 = percentil(cuadro, 95)
        fila(f"{nombre} → answer in the live region, next frame", "—",
             f"{statistics.median(cuadro):.2f} ms (p95 {p95:.2f}, max {max(cuadro):.2f})", "—",
             "p95 ≤ 16.7 ms", p95 <= 16.7)
    fila("Bytes fetched before the first answer", "—", f"{total / 1024:.0f} KiB", "—", "≤ 1 MB",
         total <= 1_000_000)
    fila("… of which script and engine (juego.js + motor.js)", "—",
         f"{codigo / 1024:.0f} KiB ({(gz['juego.js'] + gz['motor.js']) / 1024:.0f} KiB gzipped)",
         "—", "≤ 350 KB", codigo <= 350_000)
    tabla = "\n".join(["| Measure | Bare page | Web edition | Web / bare | Goal | Met |",
                       "|---|---:|---:|---:|---|---|"] + filas)
    detalle = ", ".join(f"{n} {b / 1024:.1f}" for n, b in sorted(por_fichero.items(),
                                                                 key=lambda x: -x[1]))
    print(tabla)
    print(f"\nKiB per file before the first answer: {detalle}")
    if a.guardar:
        guardar(Path(a.guardar), tabla, detalle, rondas, veces, a.rapido)


def maquina():
    cpu = "?"
    with open("/proc/cpuinfo") as f:
        for linea in f:
            if linea.startswith("model name"):
                cpu = linea.split(":", 1)[1].strip().split(" ")[:2]
                cpu = " ".join(cpu)
                break
    carga = ", ".join(f"{c:.1f}" for c in os.getloadavg())
    return f"{os.cpu_count()} CPU, {cpu}, Linux {platform.release()}, load average {carga}"


SECCION = "## Web edition"


def guardar(fichero, tabla, detalle, rondas, veces, rapido):
    """Writes the web section at the end of fichero, replacing an earlier one."""
    import subprocess
    version = subprocess.run(["chromium", "--version"], capture_output=True, text=True).stdout
    orden = "bench/web.py" + (" --rapido" if rapido else "") + f" --guardar {fichero}"
    texto = fichero.read_text() if fichero.exists() else ""
    antes = texto.split("\n" + SECCION)[0].rstrip("\n")
    seccion = (
        f"{SECCION}\n\n"
        f"Command: `{orden}` after `scripts/compilar-web` ({rondas} rounds of start-ups, "
        f"{veces} Enters and {veces} clicks; medians). {version.strip()} headless, pages served "
        f"by Python's http.server on 127.0.0.1 without compression, each page load a first visit "
        f"(the browser's cache emptied before it, the service worker bypassed). Machine: {maquina()}. Taken "
        f"{time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime())}.\n\n{tabla}\n\n"
        f"KiB per file before the first answer: {detalle}.\n\n"
        "- Start-up: a probe injected before the page's own scripts clicks «Juego» (the bare "
        "page's button) in the `load` event, and notes when the text box gets the focus and when "
        "the next animation frame starts; times are from the navigation's start. The game screen "
        "comes up and takes the focus at once; when the engine is still loading (as it may be "
        "at `load`), it sets the screen up as soon as it is ready, and the second row is when "
        "it has (the live region tells the place). Ratios are the median of the rounds' ratios, "
        "with their interquartile range, both to the bare page's focus.\n"
        "- Answers: orders typed and Enter pressed, and clicks, are real input events sent "
        "through the DevTools protocol; the time runs from the event's time stamp to the change "
        "of the live region «Respuestas» (handler done), and to the start of the next animation "
        "frame, the one that paints it (Chromium aligns frames to 60 Hz, so this includes the wait "
        "for it).\n"
        "- Bytes: every response's encoded length as received (headers included) from asking for "
        "the page to the first answer, from Chromium's network log.\n")
    fichero.write_text((antes + "\n\n" if antes else "") + seccion)


if __name__ == "__main__":
    main()
