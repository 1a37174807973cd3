#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web edition played to the end in headless Chromium, through what a screen reader gets: the
controls by role and name in the accessibility tree, the answers from the live region. The
whole-game transcript's actions are replayed, the first half by keyboard alone and the rest by
mouse, and after each one the region must hold exactly what the desktop shows (the transcript's
lines) with the place and the hint spoken, and the cues must be the transcript's. On the way: the
help and back, the order box's description, the key of a way that is not there, the mute switch, a
reload that resumes, Space, Enter and letters on a button, Alt + R with the hint up, nothing to
continue after winning, a reload with no network, the folder opened from disk on a phone-sized
screen played by touch, the Escape farewell, and no error on the console.

usage: navegador.py SITIO_DIR TRANSCRIPT"""

import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from navegador import Navegador, Servidor, esperar  # noqa: E402

sitio, transcripcion = sys.argv[1:3]
fallos = 0


def comprobar(bien, que):
    global fallos
    print("ok: " if bien else "MAL: ", que, sep="", flush=True)
    fallos += not bien


# Every play() and pause() of a cue, and what else was still sounding then; stays across actions
# within one page.
ESCUCHA = """
window.__cues = [];
const sonando = new Set();
const play = HTMLMediaElement.prototype.play;
HTMLMediaElement.prototype.play = function () {
  const otros = [...sonando].filter((a) => a !== this && !a.paused && !a.ended).length;
  const cue = { cue: decodeURIComponent(this.src.split("/").pop()).replace(/\\.wav$/, ""),
                activo: navigator.userActivation.hasBeenActive, otros, resultado: "pendiente" };
  window.__cues.push(cue);
  sonando.add(this);
  const p = play.call(this);
  p.then(() => { cue.resultado = "suena"; }, (e) => { cue.resultado = e.name; });
  return p;
};
"""

BOTONES = {"/palante": "Pa' Lante", "/patras": "Pa' Tras", "/derecha": "Pa' ya, a la derecha",
           "/izquierda": "Pa' Ca, a la izquierda", "/ver": "Ver",
           "/inventario": "Pa' Ver lo que tienes"}
TECLAS = {"/palante": "ArrowUp", "/patras": "ArrowDown", "/derecha": "ArrowRight",
          "/izquierda": "ArrowLeft", "/ver": "v", "/inventario": "i"}
ORDEN_SALIDAS = ["/palante", "/patras", "/derecha", "/izquierda"]
# The order box's description after the place: how to give an order.
AYUDA_ORDEN = "Escribe una orden y pulsa Intro; Alt + R repite la última respuesta y dónde estás."


def acciones(fichero):
    """[(input line, place or None, exits, cues, game lines, hint shown, won)] of a transcript."""
    with open(fichero, encoding="utf-8") as f:
        lineas = [l for l in f.read().split("\n")[:-1] if not l.startswith("#")]
    resultado, actual = [], None
    for l in lineas:
        if l.startswith("> "):
            actual = {"entrada": l[2:], "lugar": None, "salidas": [], "cues": [], "lineas": [],
                      "pista": False, "final": False}
            resultado.append(actual)
        elif actual is None:
            continue
        elif l.startswith("== "):
            actual["lugar"] = l[3:-3]
            actual["final"] = actual["lugar"] == "Final"
        elif l.startswith("(salidas: "):
            actual["salidas"] = l[len("(salidas: "):-1].split(", ")
        elif l.startswith("(suena "):
            actual["cues"].append(l[len("(suena "):-1])
        elif l.startswith("** "):
            actual["pista"] = l[3:-3]
        elif not actual["final"]:
            actual["lineas"].append(l)
        else:
            actual.setdefault("textos_final", []).append(l)
    return resultado


class Prueba:
    def __init__(self, nav):
        self.nav = nav
        self.pista_vista = False

    def cues(self):
        return self.nav.driver.execute_script("return window.__cues.slice()")

    def esperar_cues(self, antes, cuantas):
        """The cues played since the first `antes`, once there are at least `cuantas`."""
        def bastan():
            c = self.cues()[antes:]
            return c if len(c) >= cuantas else None
        return esperar(bastan, 5, f"{cuantas} cues") if cuantas else self.cues()[antes:]

    def jugar(self, accion, por_teclado, con_sonido=True, escrito=""):
        """One action; an order whose start (escrito) is already in the box is finished there."""
        nav = self.nav
        antes = len(self.cues())
        entrada = accion["entrada"]
        if entrada in BOTONES and por_teclado:
            nav.tecla(TECLAS[entrada], alt=True)
        elif entrada in BOTONES:
            nav.pulsar("button", BOTONES[entrada])
        else:
            if not por_teclado and not escrito:
                nav.pulsar("textbox", "Orden")
            nav.escribir(entrada[len(escrito):])
            nav.tecla("Enter")
        quien = f"«{entrada}» ({'teclado' if por_teclado else 'ratón'})"
        if accion["final"]:
            return self.final(accion, antes, quien)

        esperado = []
        if accion["lugar"]:
            visibles = [BOTONES[s] for s in ORDEN_SALIDAS if s in accion["salidas"]]
            esperado.append(f"{accion['lugar']}. Salidas: {'; '.join(visibles)}.")
        esperado += accion["lineas"]
        if accion["pista"] and not self.pista_vista:
            esperado.append(accion["pista"])
        self.pista_vista = bool(accion["pista"])
        lineas = esperar(lambda: (l := nav.lineas()) == esperado and l, 5,
                         lambda: f"{quien}: {nav.lineas()} en vez de {esperado}")
        comprobar(lineas == esperado, f"{quien}: {len(lineas)} líneas en «Respuestas»")
        if accion["lugar"]:
            botones = {n.nombre for n in nav.buscar("button") if n.nombre in BOTONES.values()}
            esperados = {BOTONES[s] for s in accion["salidas"]} | {"Ver", "Pa' Ver lo que tienes"}
            comprobar(botones == esperados, f"{quien}: botones {sorted(botones)}")
        if por_teclado:
            foco = nav.enfocado()
            comprobar(foco is not None and (foco.rol, foco.nombre) == ("textbox", "Orden"),
                      f"{quien}: el foco sigue en «Orden» ({foco})")
        oidas = [c["cue"] for c in self.esperar_cues(antes, len(accion["cues"]) * con_sonido)]
        comprobar(oidas == (accion["cues"] if con_sonido else []), f"{quien}: suenan {oidas}")

    def final(self, accion, antes, quien):
        nav = self.nav
        boton = nav.uno("button", "Final")
        foco = nav.enfocado()
        comprobar(foco is not None and foco.id == boton.id, f"{quien}: «Final» tiene el foco")
        texto = nav.texto(nav.buscar("main", "Final")[0], nav.arbol())
        comprobar(all(t in texto for t in accion["textos_final"]),
                  f"{quien}: la pantalla final dice {accion['textos_final']}")
        oidas = [c["cue"] for c in self.esperar_cues(antes, len(accion["cues"]))]
        comprobar(oidas == accion["cues"], f"{quien}: suenan {oidas}")


def partida(nav, url, pasos):
    prueba = Prueba(nav)
    nav.al_empezar(ESCUCHA)
    # A page behind, so that Alt + Left taken by the browser for going back would be seen.
    nav.abrir("data:text/html,<title>antes</title>")
    nav.abrir(url + "?semilla=1")
    nav.uno("button", "Juego")
    comprobar(not nav.hay("button", "Continuar"), "la primera vez no hay «Continuar»")
    interruptor = nav.uno("switch", "Sonido")
    comprobar(interruptor.props.get("checked") == "true", "el sonido empieza encendido")
    comprobar(prueba.cues() == [], "nada suena antes del primer clic")

    # The help and back: the first click is the first cue.
    nav.pulsar("button", "Intro / Ayuda")
    volver = nav.uno("button", "Volver")
    comprobar("Aventura conversacional." in volver.descripcion and "Dorli Vánez" in
              volver.descripcion and "Alt + flecha arriba" in volver.descripcion and
              "Pal' Menú. Alt + R: repite la última respuesta" in volver.descripcion,
              "«Volver» lleva la ayuda, la historia y las teclas")
    nav.pulsar("button", "Volver")
    nav.uno("button", "Juego")
    cues = prueba.esperar_cues(0, 2)
    comprobar([c["cue"] for c in cues] == ["Ayuda", "Ayuda"] and all(c["activo"] for c in cues),
              f"Intro y Volver: Ayuda tras el primer clic ({cues})")

    nav.pulsar("button", "Juego")
    foco = esperar(lambda: (f := nav.enfocado()) and f.rol == "textbox" and f, 5, "el foco")
    comprobar(foco.nombre == "Orden", "Juego deja el foco en «Orden»")
    comprobar(nav.lineas() == ["Entrada. Salidas: Pa' Lante; Pa' Tras."],
              f"al entrar se dice dónde estás: {nav.lineas()}")
    comprobar(foco.descripcion == f"Entrada. Salidas: Pa' Lante; Pa' Tras. {AYUDA_ORDEN}",
              f"«Orden» se describe con el sitio: «{foco.descripcion}»")
    cues = prueba.esperar_cues(2, 2)
    comprobar([c["cue"] for c in cues] == ["Direccion", "Empieza"] and cues[1]["otros"] == 0,
              f"Juego: Direccion, cortado por Empieza ({cues})")

    # The key of a way that is not there says so (the region holds it once, however often it is
    # pressed), and nothing else changes: no cue, the same buttons, the focus in the order box.
    botones = {n.nombre for n in nav.buscar("button")}
    for _ in range(2):
        nav.tecla("ArrowRight", alt=True)
    dicho = ["Entrada. Salidas: Pa' Lante; Pa' Tras.", "Por ahí no hay salida."]
    esperar(lambda: nav.lineas() == dicho, 5, lambda: f"Alt + flecha derecha: {nav.lineas()}")
    foco = nav.enfocado()
    comprobar(len(prueba.cues()) == 4 and {n.nombre for n in nav.buscar("button")} == botones
              and foco and foco.nombre == "Orden",
              f"Alt + flecha derecha en la Entrada: {nav.lineas()}, foco en {foco}")

    mitad = next(i for i, a in enumerate(pasos) if a["lugar"] == "Comedor")
    for accion in pasos[:mitad + 1]:
        prueba.jugar(accion, por_teclado=True)
    comprobar(nav.driver.current_url == url + "?semilla=1",
              f"Alt + flechas no llevan el navegador atrás: {nav.driver.current_url}")

    # Muted, an order's cue is not heard, and the switch is remembered across a reload.
    nav.pulsar("switch", "Sonido")
    esperar(lambda: nav.uno("switch", "Sonido").props.get("checked") == "false", 5, "silencio")
    prueba.jugar(pasos[mitad + 1], por_teclado=False, con_sonido=False)

    nav.abrir(url + "?semilla=1")
    continuar = nav.uno("button", "Continuar")
    foco = nav.enfocado()
    comprobar(foco is not None and foco.id == continuar.id, "al volver, «Continuar» tiene el foco")
    comprobar(nav.uno("switch", "Sonido").props.get("checked") == "false",
              "el silencio se recuerda al recargar")
    nav.pulsar("switch", "Sonido")
    nav.pulsar("button", "Continuar")
    esperar(lambda: nav.lineas() == ["Comedor. Salidas: Pa' ya, a la derecha; Pa' Ca, a la "
                                     "izquierda."], 5, lambda: f"Comedor: {nav.lineas()}")
    dibujo = nav.buscar("image")
    comprobar(len(dibujo) == 1 and dibujo[0].nombre.startswith("Un comedor"),
              f"el dibujo describe el comedor: {dibujo}")
    nav.pulsar("button", "Pa' Ver lo que tienes")
    esperar(lambda: nav.lineas() == ["Inventario: ", "- Clavo", "- Mazo"], 5,
            lambda: f"inventario tras recargar: {nav.lineas()}")
    comprobar(True, "al continuar, el mazo y el clavo siguen en el inventario")

    # On the button just clicked, Space and Enter press it again; letters typed there go to the
    # order box, the focus with them, and the next order is finished there.
    for tecla in (" ", "Enter"):
        antes = len(prueba.cues())
        nav.tecla(tecla)
        oidas = [c["cue"] for c in prueba.esperar_cues(antes, 1)]
        foco = nav.enfocado()
        comprobar(oidas == ["Objeto"] and foco and foco.nombre == "Pa' Ver lo que tienes",
                  f"«{tecla}» en «Pa' Ver lo que tienes» lo pulsa: {oidas}, foco en {foco}")
    inicio = pasos[mitad + 2]["entrada"][:2]
    for letra in inicio:
        nav.tecla(letra)
    foco = nav.enfocado()
    en_caja = foco and (foco.rol, foco.nombre, foco.valor)
    comprobar(en_caja == ("textbox", "Orden", inicio),
              f"«{inicio}» tecleado en un botón va a la caja de órdenes: {en_caja}")
    prueba.jugar(pasos[mitad + 2], por_teclado=False, escrito=inicio)

    for accion in pasos[mitad + 3:]:
        prueba.jugar(accion, por_teclado=False)
        if accion["pista"]:
            # To the menu and back with the hint up: the place and the hint are told again.
            nav.pulsar("button", "Pal' Menú")
            nav.pulsar("button", "Continuar")
            esperado = ["Cercanías. Salidas: Pa' Tras.", accion["pista"]]
            esperar(lambda: nav.lineas()[-2:] == esperado, 5,
                    lambda: f"de vuelta del menú: {nav.lineas()}")
            comprobar(nav.lineas()[:-2] == accion["lineas"] + [accion["pista"]],
                      f"de vuelta del menú, lo dicho sigue ahí y no se repite: {nav.lineas()}")
            # Alt + R says again the answer, the hint and the place, for the screen reader
            # alone: nothing more is shown, and pressed twice the region holds it once.
            antes = nav.lineas()
            for _ in range(2):
                nav.tecla("r", alt=True)
            otra_vez = antes + accion["lineas"] + [accion["pista"], esperado[0]]
            esperar(lambda: nav.lineas() == otra_vez, 5, lambda: f"Alt + R: {nav.lineas()}")
            vistas = nav.driver.execute_script(
                "return [...document.getElementById('List1').children].filter((p) => "
                "p.getBoundingClientRect().height > 1).map((p) => p.textContent)")
            comprobar(vistas == accion["lineas"], f"Alt + R lo dice sin enseñarlo: {vistas}")
            descripcion = nav.uno("textbox", "Orden").descripcion
            comprobar(descripcion == f"{esperado[0]} {AYUDA_ORDEN}",
                      f"la descripción de «Orden» sigue al sitio: «{descripcion}»")
    cues = prueba.cues()
    comprobar(all(c["activo"] and c["otros"] == 0 for c in cues),
              "cada cue corta la anterior y suena tras un gesto")
    esperar(lambda: all(c["resultado"] != "pendiente" for c in prueba.cues()), 5, "play()")
    comprobar(all(c["resultado"] in ("suena", "AbortError") for c in prueba.cues()),
              f"el navegador deja sonar las cues: {sorted({c['resultado'] for c in prueba.cues()})}")

    nav.pulsar("button", "Final")
    nav.uno("button", "Volver a jugar")
    nav.abrir(url + "?semilla=1")
    nav.uno("button", "Juego")
    comprobar(not nav.hay("button", "Continuar"), "tras ganar no hay nada que continuar")


def sin_red(nav, url):
    """Reloaded without a network, the page still plays (kept by its service worker)."""
    esperar(lambda: nav.driver.execute_script(
        "return !!navigator.serviceWorker.controller"), 10, "el service worker")
    nav.cdp("Network.enable")
    nav.cdp("Network.emulateNetworkConditions", offline=True, latency=0, downloadThroughput=-1,
            uploadThroughput=-1)
    nav.abrir(url + "?semilla=2")
    nav.pulsar("button", "Juego")
    nav.pulsar("button", "Pa' Lante")
    lineas = esperar(lambda: (l := nav.lineas())[:1] == ["Cuarto. Salidas: Pa' Tras; Pa' Ca, a la "
                                                          "izquierda."] and l, 5,
                     lambda: f"sin red: {nav.lineas()}")
    # The page swaps the picture once the new one is decoded, which may come after the answer.
    def dibujo():
        return nav.driver.execute_script(
            "const i = document.querySelector('main:not([hidden]) img'); return [i.complete, "
            "i.naturalWidth, i.currentSrc]")
    imagen = esperar(lambda: (d := dibujo())[2].endswith("cuarto.jpg") and d, 5,
                     lambda: f"sin red, el dibujo del cuarto: {dibujo()}")
    comprobar(imagen[0] and imagen[1] > 0, f"sin red: {lineas}, dibujo {imagen}")
    nav.cdp("Network.emulateNetworkConditions", offline=False, latency=0, downloadThroughput=-1,
            uploadThroughput=-1)


def desde_disco(nav, carpeta):
    """index.html opened from disk on a phone-sized screen, played by touch; then Escape."""
    nav.movil(320, 640)
    pagina = "file://" + os.path.abspath(carpeta) + "/index.html?semilla=3"
    nav.abrir(pagina)
    # A kept game that is not one (damaged, or another version's): Continuar starts afresh.
    nav.driver.execute_script("localStorage.setItem('jubo.partida', 'jubo1-3110000000-0000')")
    nav.abrir(pagina)
    for nombre in ("Juego", "Continuar", "Intro / Ayuda", "Salir"):
        _, _, ancho, alto = nav.centro(nav.uno("button", nombre))
        comprobar(ancho >= 44 and alto >= 44, f"en el móvil, «{nombre}» mide {ancho}×{alto}")
    nav.tocar("button", "Continuar")
    esperar(lambda: nav.lineas() == ["Entrada. Salidas: Pa' Lante; Pa' Tras."], 5,
            lambda: f"una partida guardada mala: {nav.lineas()}")
    comprobar(True, "una partida guardada mala empieza una nueva, sin decir nada")
    nav.tocar("button", "Pa' Lante")
    esperar(lambda: nav.lineas()[:1] == ["Cuarto. Salidas: Pa' Tras; Pa' Ca, a la izquierda."], 5,
            lambda: f"desde disco: {nav.lineas()}")
    for nombre in ("Pa' Tras", "Pa' Ca, a la izquierda", "Ver", "Pa' Ver lo que tienes",
                   "Pal' Menú"):
        _, _, ancho, alto = nav.centro(nav.uno("button", nombre))
        comprobar(ancho >= 44 and alto >= 44, f"en el móvil, «{nombre}» mide {ancho}×{alto}")
    anchura = nav.driver.execute_script("return document.documentElement.scrollWidth")
    comprobar(anchura <= 320, f"a 320 px nada se sale por los lados ({anchura})")
    nav.tocar("textbox", "Orden")
    nav.escribir("mirar cajón")
    nav.tecla("Enter")
    esperar(lambda: nav.lineas() == ["¡Hay un mazo! ... Pos mu bién, ¿no?"], 5,
            lambda: f"desde disco: {nav.lineas()}")
    comprobar(True, "desde disco, en el móvil y con el dedo: se juega")

    # The order box: Up recalls the last order, Down comes back to what was being typed; a paste
    # past 4096 units keeps 4096 at most, and never half of a character.
    def en_la_caja():
        return nav.uno("textbox", "Orden").valor
    nav.escribir("coger")
    nav.tecla("ArrowUp")
    recordada = en_la_caja()
    nav.tecla("ArrowDown")
    comprobar((recordada, en_la_caja()) == ("mirar cajón", "coger"),
              f"flechas arriba y abajo: «{recordada}», «{en_la_caja()}»")
    nav.tecla("Enter")
    nav.escribir("a" * 4095 + "😀")  # the cut at 4096 falls inside the emoji
    valor = en_la_caja()
    comprobar(valor == "a" * 4095, f"pegado de más: quedan {len(valor)} unidades, "
              f"{valor[-2:].encode('utf-16-le', 'surrogatepass').hex()} al final")

    # Half an order and Escape: the farewell with its exclamation, then the end.
    nav.tecla("Enter")
    nav.escribir("coger ma")
    antes = esperar(nav.lineas, 5, "una respuesta")
    nav.tecla("Escape")
    caja = nav.uno("alertdialog", "Salir")
    comprobar(caja.descripcion == "¡Gracias por jugar!, y vuelva pronto",
              f"Escape: la despedida dice «{caja.descripcion}»")
    # Behind a modal box the page is out of a screen reader's reach; the page itself says it.
    detras = nav.driver.execute_script(
        "return [[...document.getElementById('List1').children].map((p) => p.textContent), "
        "document.getElementById('text1').value]")
    comprobar(detras == [antes, "coger ma"], f"la orden a medias no se ha dado: {detras}")
    nav.tocar("button", "Aceptar")
    nav.uno("button", "Volver a jugar")
    comprobar(not nav.hay("textbox", "Orden"), "tras la despedida, el juego ha acabado")


def main():
    pasos = acciones(transcripcion)
    with Servidor(sitio) as servidor, Navegador() as nav:
        partida(nav, servidor.url, pasos)
        sin_red(nav, servidor.url)
        desde_disco(nav, sitio)
        errores = nav.errores_de_consola()
        comprobar(not errores, f"ningún error en la consola: {errores}")
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
