# SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web edition in a headless Chromium, seen as a screen reader sees it. Servidor: a local web
server for a folder, on a free port of 127.0.0.1, in a thread. Navegador: Debian's Chromium and
chromedriver through Selenium, with a throw-away profile; controls are found by role and name in
Chromium's accessibility tree (CDP Accessibility.getFullAXTree), and pressed with real mouse,
touch and key events (CDP Input), so they count as the player's own gestures.
Needs Debian's chromium, chromium-driver and python3-selenium (for /usr/bin/python3)."""

import contextlib
import functools
import http.server
import os
import shutil
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


class Error(Exception):
    pass


def esperar(condicion, plazo, que):
    """condicion()'s first true value within plazo seconds; else Error naming que (or que())."""
    limite = time.monotonic() + plazo
    while True:
        valor = condicion()
        if valor:
            return valor
        if time.monotonic() > limite:
            raise Error(f"plazo agotado esperando {que() if callable(que) else que}")
        time.sleep(0.02)


class Servidor:
    """http://127.0.0.1:PORT/ serving carpeta, as python3 -m http.server does, quietly."""

    def __init__(self, carpeta):
        manejador = functools.partial(_Silencioso, directory=carpeta)
        self.http = _ServidorCallado(("127.0.0.1", 0), manejador)
        self.url = f"http://127.0.0.1:{self.http.server_address[1]}/"
        self.hilo = threading.Thread(target=self.http.serve_forever, daemon=True)

    def __enter__(self):
        self.hilo.start()
        return self

    def __exit__(self, *_):
        self.http.shutdown()
        self.http.server_close()


class _ServidorCallado(http.server.ThreadingHTTPServer):
    def handle_error(self, *_):
        pass  # a browser drops requests it no longer wants (media, a page left): nothing to say


class _Silencioso(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".js": "text/javascript", ".webmanifest": "application/manifest+json"}

    def log_message(self, *_):
        pass


class Nodo:
    """One node of the accessibility tree: role, name, properties and children ids."""

    def __init__(self, crudo):
        self.id = crudo["nodeId"]
        self.rol = crudo.get("role", {}).get("value", "")
        self.nombre = crudo.get("name", {}).get("value", "")
        self.ignorado = crudo.get("ignored", False)
        self.hijos = crudo.get("childIds", [])
        self.dom = crudo.get("backendDOMNodeId")
        self.props = {p["name"]: p["value"].get("value") for p in crudo.get("properties", [])}
        self.descripcion = crudo.get("description", {}).get("value", "")
        self.valor = crudo.get("value", {}).get("value", "")  # a text box's text

    def __repr__(self):
        return f"{self.rol} «{self.nombre}»"


class Navegador:
    def __init__(self, ancho=1024, alto=768, movil=False, rendimiento=False):
        self.perfil = tempfile.mkdtemp(prefix="jubo-chromium-")
        opciones = webdriver.ChromeOptions()
        opciones.binary_location = shutil.which("chromium") or "/usr/bin/chromium"
        for a in ("--headless=new", "--disable-gpu", "--no-first-run", "--mute-audio",
                  "--disable-extensions", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync",
                  "--autoplay-policy=user-gesture-required",
                  f"--user-data-dir={self.perfil}", f"--window-size={ancho},{alto}"):
            opciones.add_argument(a)
        if os.geteuid() == 0:
            opciones.add_argument("--no-sandbox")  # Chromium refuses to run as root otherwise
        registros = {"browser": "ALL"}
        if rendimiento:  # the network's events, read back with get_log("performance")
            registros["performance"] = "ALL"
        opciones.set_capability("goog:loggingPrefs", registros)
        servicio = Service(
            executable_path=shutil.which("chromedriver") or "/usr/bin/chromedriver")
        self.driver = webdriver.Chrome(options=opciones, service=servicio)
        self.consola = []
        if movil:
            self.movil(ancho, alto)

    def close(self):
        with contextlib.suppress(Exception):
            self.driver.quit()
        shutil.rmtree(self.perfil, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()

    def cdp(self, metodo, **parametros):
        return self.driver.execute_cdp_cmd(metodo, parametros)

    def movil(self, ancho, alto):
        """A phone's screen: narrow, with touch."""
        self.cdp("Emulation.setDeviceMetricsOverride", width=ancho, height=alto,
                 deviceScaleFactor=2, mobile=True)
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)

    def escritorio(self, ancho, alto):
        self.cdp("Emulation.setTouchEmulationEnabled", enabled=False)
        self.cdp("Emulation.setDeviceMetricsOverride", width=ancho, height=alto,
                 deviceScaleFactor=1, mobile=False)

    def al_empezar(self, script):
        """Runs script in every page before the page's own scripts."""
        self.cdp("Page.addScriptToEvaluateOnNewDocument", source=script)

    def abrir(self, url):
        self.driver.get(url)

    def errores_de_consola(self):
        """Everything the page logged as an error since the last call (and kept in self.consola)."""
        nuevos = [e for e in self.driver.get_log("browser")]
        self.consola += nuevos
        return [e["message"] for e in nuevos if e["level"] == "SEVERE"]

    # --- The accessibility tree ---------------------------------------------------------------
    def arbol(self):
        nodos = [Nodo(n) for n in self.cdp("Accessibility.getFullAXTree")["nodes"]]
        return {n.id: n for n in nodos}

    def buscar(self, rol, nombre=None, arbol=None):
        arbol = arbol or self.arbol()
        return [n for n in arbol.values() if not n.ignorado and n.rol == rol
                and (nombre is None or n.nombre == nombre)]

    def uno(self, rol, nombre, plazo=5):
        """The one node of that role and name, waiting up to plazo seconds for it."""
        def hallado():
            encontrados = self.buscar(rol, nombre)
            return encontrados[0] if len(encontrados) == 1 else None
        return esperar(hallado, plazo, lambda: f"{rol} «{nombre}» en {self.resumen()}")

    def hay(self, rol, nombre):
        return bool(self.buscar(rol, nombre))

    def resumen(self):
        return [n for n in self.arbol().values() if not n.ignorado and n.rol in
                ("button", "switch", "textbox", "log", "heading", "dialog", "alertdialog")]

    def texto(self, nodo, arbol):
        """The text of a node as a screen reader reads it: its static texts, in order."""
        if nodo.rol in ("StaticText", "InlineTextBox"):
            return nodo.nombre if nodo.rol == "StaticText" else ""
        return "".join(self.texto(arbol[h], arbol) for h in nodo.hijos if h in arbol)

    def lineas(self, rol="log", nombre="Respuestas"):
        """The text of each child of the live region, as a list."""
        arbol = self.arbol()
        region = [n for n in arbol.values() if n.rol == rol and n.nombre == nombre]
        if len(region) != 1:
            raise Error(f"{len(region)} regiones {rol} «{nombre}»")
        return [self.texto(arbol[h], arbol) for h in region[0].hijos if h in arbol]

    def enfocado(self):
        """The control with the keyboard focus (not the document, which has it too)."""
        arbol = self.arbol()
        for n in arbol.values():
            if n.props.get("focused") and not n.ignorado and n.rol != "RootWebArea":
                return n
        return None

    # --- Gestures -----------------------------------------------------------------------------
    def centro(self, nodo):
        self.cdp("DOM.scrollIntoViewIfNeeded", backendNodeId=nodo.dom)
        caja = self.cdp("DOM.getBoxModel", backendNodeId=nodo.dom)["model"]
        x = sum(caja["border"][0::2]) / 4
        y = sum(caja["border"][1::2]) / 4
        return x, y, caja["width"], caja["height"]

    def pulsar(self, rol, nombre):
        """A left click in the middle of the control, as a mouse makes it."""
        x, y, _, _ = self.centro(self.uno(rol, nombre))
        for tipo in ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=tipo, x=x, y=y, button="left", clickCount=1)

    def tocar(self, rol, nombre):
        """A finger's tap in the middle of the control."""
        x, y, _, _ = self.centro(self.uno(rol, nombre))
        self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    TECLAS = {"Enter": 13, "Escape": 27, "ArrowUp": 38, "ArrowDown": 40, "ArrowLeft": 37,
              "ArrowRight": 39, "Tab": 9, " ": 32}

    def tecla(self, tecla, alt=False):
        """One key pressed and released where the focus is; alt=True holds Alt down. A plain
        letter or digit (a to z, 0 to 9) types itself, as its own key does."""
        sola = len(tecla) == 1 and tecla.isascii() and tecla.isalnum()
        if sola:
            codigo = ord(tecla.upper())
            code = f"Digit{tecla}" if tecla.isdigit() else f"Key{tecla.upper()}"
        else:
            codigo = self.TECLAS[tecla]
            code = {" ": "Space"}.get(tecla, tecla)
        comun = dict(key=tecla, code=code, windowsVirtualKeyCode=codigo,
                     nativeVirtualKeyCode=codigo, modifiers=1 if alt else 0)
        texto = {"Enter": "\r", " ": " "}.get(tecla, tecla if sola else None) if not alt else None
        if texto:
            self.cdp("Input.dispatchKeyEvent", type="keyDown", text=texto, **comun)
        else:
            self.cdp("Input.dispatchKeyEvent", type="rawKeyDown", **comun)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", **comun)

    def escribir(self, texto):
        """Text typed into the focused control (as an input method hands it over)."""
        self.cdp("Input.insertText", text=texto)
