// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the game: the four screens and their flow, the order box, the cues, what a
// screen reader hears, and keeping the game between visits. The game itself is the engine in
// motor.js (the same C++ as the desktop's, in WebAssembly), which calls `pantalla` below.
// A classic script, not a module: modules are refused to pages opened from disk.
"use strict";

(() => {
  const $ = (id) => document.getElementById(id);

  const CLAVE_PARTIDA = "jubo.partida";
  const CLAVE_SONIDO = "jubo.sonido";
  const LARGO_MAXIMO = 4096; // the desktop's order box holds as many UTF-16 units

  // localStorage may be missing or refuse (private windows, strict settings): the game plays on
  // without keeping anything.
  const almacen = {
    leer(clave) {
      try { return window.localStorage.getItem(clave); } catch { return null; }
    },
    poner(clave, valor) {
      try { window.localStorage.setItem(clave, valor); } catch { /* nothing kept */ }
    },
    quitar(clave) {
      try { window.localStorage.removeItem(clave); } catch { /* nothing kept */ }
    },
  };

  // ?semilla=N fixes the random replies, as jubo-texto --semilla N does.
  const semilla = (() => {
    const texto = new URLSearchParams(window.location.search).get("semilla");
    const n = texto === null ? NaN : Number(texto);
    return Number.isInteger(n) && n >= 0 && n < 2 ** 32 ? n : -1;
  })();

  // --- Sound ---------------------------------------------------------------------------------
  // One <audio> per cue, loaded ahead. A new cue stops the one playing. Nothing plays before the
  // player's first click or key (browsers refuse it, and the desktop plays nothing at start).
  const sonidos = new Map();
  let sonando = null;
  let activado = false;
  let callado = false; // while the engine sets up a game the player already hears starting
  let conSonido = almacen.leer(CLAVE_SONIDO) !== "no";

  // Loaded once the menu is up, so that they do not hold it back.
  function cargarSonidos() {
    for (const nombre of ["Cagonto", "Empieza", "Direccion", "Ayuda", "Objeto", "Ver"]) {
      const audio = new Audio();
      audio.preload = "auto";
      audio.src = `sonidos/${nombre}.wav`;
      sonidos.set(nombre, audio);
    }
  }
  for (const tipo of ["pointerdown", "keydown", "touchend"]) {
    window.addEventListener(tipo, (e) => {
      if (e.isTrusted && !(tipo === "keydown" && e.key === "Escape")) activado = true;
    }, { capture: true, passive: true });
  }
  const puedeSonar = () =>
    navigator.userActivation ? navigator.userActivation.hasBeenActive : activado;

  function callar() {
    if (sonando) {
      sonando.pause();
      sonando = null;
    }
  }

  function sonar(nombre) {
    const audio = sonidos.get(nombre);
    if (!audio || callado || !conSonido || !puedeSonar()) return;
    if (sonando && sonando !== audio) sonando.pause();
    audio.currentTime = 0;
    // A cue cut off by the next one, or refused by the browser, is silence, never an error.
    const promesa = audio.play();
    if (promesa) promesa.catch(() => {});
    sonando = audio;
  }

  function ponerSonido(si) {
    conSonido = si;
    almacen.poner(CLAVE_SONIDO, si ? "si" : "no");
    $("sonido").setAttribute("aria-checked", String(si));
    $("sonido-estado").textContent = si ? "sí" : "no";
    if (!si) callar();
  }
  $("sonido").addEventListener("click", () => ponerSonido(!conSonido));
  ponerSonido(conSonido);

  // --- Screens -------------------------------------------------------------------------------
  const pantallas = ["Menu", "Juego", "IntroAyuda", "Sacabo", "Fin"];
  let visible = "Menu";

  function mostrar(id, foco) {
    for (const p of pantallas) $(p).hidden = p !== id;
    visible = id;
    document.title = $(id).querySelector("h1").textContent;
    if (foco) foco.focus();
  }

  // --- The engine ----------------------------------------------------------------------------
  let motor = null;
  let partidaEnCurso = false;
  let lugarDicho = "";

  // What one action of the game showed, applied to the page in one go when it ends, so that a
  // screen reader gets the new place, the answer and the hint once each, in that order.
  let cambios = null;
  const sinCambios = () => ({ vaciado: false, lugar: null, lineas: [], pista: false,
                              ganado: false, terminado: false });

  const direcciones = ["PaLante", "Patras", "Derecha", "Izquierda"];
  let dibujoPedido = "";

  const pantalla = {
    vaciar() {
      $("text1").value = "";
      cambios.vaciado = true;
      cambios.lineas = [];
      cambios.pista = false;
    },
    linea(texto) { cambios.lineas.push(texto); },
    pista(visible) {
      $("pista").hidden = !visible;
      if (visible) cambios.pista = true;
    },
    botones(...usables) {
      const conFoco = document.activeElement;
      direcciones.forEach((d, i) => {
        const boton = $(d);
        // A button that goes away with the focus on it hands the focus to the order box, as on
        // the desktop: the next button would be the way back.
        if (!usables[i] && boton === conFoco) $("text1").focus();
        boton.hidden = !usables[i];
      });
    },
    dibujo(fichero) {
      // The picture shown stays until the new one is ready; a missing one never replaces it.
      const url = `dibujos/${fichero}`;
      dibujoPedido = url;
      if ($("dibujo").getAttribute("src") === url) return;
      const nuevo = new Image();
      nuevo.src = url;
      nuevo.decode().then(() => {
        if (dibujoPedido === url) $("dibujo").src = url;
      }, () => {});
    },
    sonar(nombre) { sonar(nombre); },
    ganar() { cambios.ganado = true; },
    terminar() { cambios.terminado = true; },
    lugar(descripcion, donde) {
      $("dibujo").alt = descripcion;
      $("text1-lugar").textContent = donde;
      cambios.lugar = donde;
      lugarDicho = donde;
    },
  };

  const listo = (typeof crearMotor === "function"
    ? crearMotor({ pantalla })
    : Promise.reject(new Error("motor.js no se ha cargado"))).then((m) => {
    motor = m;
    rellenarTextos();
    return m;
  });

  const texto = (clave) => motor.ccall("jubo_texto", "string", ["string"], [clave]) ?? "";

  function rellenarTextos() {
    for (const el of document.querySelectorAll("[data-texto]")) el.textContent = texto(el.dataset.texto);
    for (const el of document.querySelectorAll("[data-alt]")) el.alt = texto(el.dataset.alt);
    for (const d of direcciones) $(d).setAttribute("aria-label", texto(d));
    const lista = $("lista-teclas");
    lista.prepend(...TECLAS.map((t) => {
      const li = document.createElement("li");
      li.textContent = `${t.dicho}: ${$(t.boton).getAttribute("aria-label") || $(t.boton).textContent}.`;
      return li;
    }));
  }

  // Runs now, or as soon as the engine has loaded: a click made the moment the page appears
  // waits for it, and what comes after waits behind it, in the order it came.
  function conMotor(hacer) {
    if (motor) hacer();
    else listo.then(hacer, () => {});
  }

  // One action of the game, then what it showed.
  function jugar(accion) {
    if (!motor) {
      conMotor(() => jugar(accion));
      return;
    }
    cambios = sinCambios();
    accion();
    const hecho = cambios;
    cambios = null;
    aplicar(hecho);
  }

  function linea(texto, oculta) {
    const p = document.createElement("p");
    p.textContent = texto;
    if (oculta) p.className = "solo-lector";
    return p;
  }

  // Lines for the screen reader alone, outside any action of the game: they replace the last
  // ones said so, so that the region does not grow with each key.
  function decirAparte(lineas) {
    const lista = $("List1");
    for (const p of lista.querySelectorAll(".aparte")) p.remove();
    lista.append(...lineas.map((l) => {
      const p = linea(l, true);
      p.classList.add("aparte");
      return p;
    }));
  }

  // Alt + R, as on the desktop: the lines on show, the hint if it is up, and where the player
  // is, said again (the screen already shows them).
  function repetir() {
    const lineas = [...$("List1").children].filter((p) => !p.classList.contains("solo-lector"))
      .map((p) => p.textContent);
    if (!$("pista").hidden) lineas.push($("pista").textContent);
    if (lugarDicho) lineas.push(lugarDicho);
    decirAparte(lineas);
  }

  function aplicar(hecho) {
    if (hecho.terminado) {
      acabar();
      return;
    }
    const lista = $("List1");
    if (hecho.vaciado) lista.replaceChildren();
    // Heard, not seen: where the player now is, and the hint after the answer that shows it.
    const nuevas = [];
    if (hecho.lugar) nuevas.push(linea(hecho.lugar, true));
    for (const l of hecho.lineas) nuevas.push(linea(l, false));
    if (hecho.pista) nuevas.push(linea($("pista").textContent, true));
    if (nuevas.length) lista.append(...nuevas);
    if (hecho.ganado) {
      // Nothing to come back to after the ending.
      almacen.quitar(CLAVE_PARTIDA);
      partidaEnCurso = false;
      mostrar("Sacabo", $("Command1"));
      return;
    }
    almacen.poner(CLAVE_PARTIDA, motor.UTF8ToString(motor._jubo_guardar()));
  }

  // The order box's text as the engine takes it: UTF-16 code units, exactly as typed.
  function enviarOrden(orden) {
    const largo = orden.length;
    const sitio = motor._malloc(2 * largo + 2);
    try {
      const unidades = new Uint16Array(motor.HEAPU16.buffer, sitio, largo);
      for (let i = 0; i < largo; i++) unidades[i] = orden.charCodeAt(i);
      motor._jubo_orden(sitio, largo);
    } finally {
      motor._free(sitio);
    }
  }

  const BOTONES = { PaLante: 0, Patras: 1, Derecha: 2, Izquierda: 3, Ver: 4, Inventario: 5 };

  function pulsar(nombre) {
    jugar(() => motor._jubo_boton(BOTONES[nombre]));
  }

  function nuevaPartida() {
    motor._jubo_nueva(semilla);
    $("List1").replaceChildren();
    historial.olvidar();
    partidaEnCurso = true;
  }

  // --- Menu ----------------------------------------------------------------------------------
  function ponerContinuar() {
    $("Continuar").hidden = !(partidaEnCurso || almacen.leer(CLAVE_PARTIDA));
  }

  // The game screen at once, set up by the engine (preparar) as soon as it can be. Setting up
  // plays Direccion, which Empieza cuts, as on the desktop; when the engine comes only after the
  // click, Empieza is already playing and the setting up is silent.
  function entrarEnJuego(preparar) {
    const tarde = !motor;
    mostrar("Juego", $("text1"));
    conMotor(() => {
      callado = tarde;
      preparar();
      callado = false;
      // Where the player is, and the hint when it is up, told on arriving; the last answer is
      // not read again.
      $("List1").append(linea(lugarDicho, true));
      if (!$("pista").hidden) $("List1").append(linea($("pista").textContent, true));
    });
    sonar("Empieza");
  }

  // Juego: always a new game.
  $("Eljuego").addEventListener("click", () => entrarEnJuego(() => {
    nuevaPartida();
    jugar(() => motor._jubo_cargar());
    $("List1").replaceChildren();
  }));

  // Continuar: back to the game in progress, or to the one kept from an earlier visit.
  $("Continuar").addEventListener("click", () => {
    if (partidaEnCurso) {
      entrarEnJuego(() => {});
      return;
    }
    const guardada = almacen.leer(CLAVE_PARTIDA) ?? "";
    entrarEnJuego(() => {
      nuevaPartida();
      // A token this game cannot read (damaged, or of another version) starts afresh, quietly.
      let restaurada = false;
      jugar(() => {
        restaurada = motor.ccall("jubo_restaurar", "number", ["string"], [guardada]) === 0;
      });
      if (!restaurada) jugar(() => motor._jubo_cargar());
      $("List1").replaceChildren();
    });
  });

  $("Intro").addEventListener("click", async () => {
    await listo;
    mostrar("IntroAyuda", $("Volver"));
    sonar("Ayuda");
  });

  $("Salir").addEventListener("click", () => despedirse("despedida", false));

  $("Volver").addEventListener("click", () => {
    ponerContinuar();
    mostrar("Menu", $("Continuar").hidden ? $("Eljuego") : $("Continuar"));
    sonar("Ayuda");
  });

  // --- Game screen ---------------------------------------------------------------------------
  for (const nombre of Object.keys(BOTONES))
    $(nombre).addEventListener("click", () => pulsar(nombre));

  $("PalMenu").addEventListener("click", () => {
    ponerContinuar();
    mostrar("Menu", $("Continuar"));
    sonar("Empieza");
  });

  // Earlier orders, as the desktop's order box keeps them: Up goes back, Down forward, and past
  // the newest comes back what was being typed.
  const historial = {
    ordenes: [], pos: 0, borrador: "",
    olvidar() { this.ordenes = []; this.pos = 0; this.borrador = ""; },
    anotar(orden) {
      if (orden.trim() !== "") {
        this.ordenes = this.ordenes.filter((o) => o !== orden);
        this.ordenes.push(orden);
      }
      this.pos = this.ordenes.length;
      this.borrador = "";
    },
    anterior(escrito) {
      if (this.pos === 0) return null;
      if (this.pos === this.ordenes.length) this.borrador = escrito;
      return this.ordenes[--this.pos];
    },
    siguiente() {
      if (this.pos >= this.ordenes.length) return null;
      ++this.pos;
      return this.pos === this.ordenes.length ? this.borrador : this.ordenes[this.pos];
    },
  };

  // At most LARGO_MAXIMO units, and never half of a character such as an emoji: a paste cut at
  // the cap loses the half that fell on it, and a lone half from anywhere is dropped.
  const MEDIO = /[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g;
  function sinMedios(texto) {
    let t = texto.replace(MEDIO, "");
    if (t.length > LARGO_MAXIMO) {
      let n = LARGO_MAXIMO;
      const c = t.charCodeAt(n - 1);
      if (c >= 0xd800 && c <= 0xdbff) n--;
      t = t.slice(0, n);
    }
    return t;
  }

  const text1 = $("text1");
  text1.addEventListener("input", () => {
    const limpio = sinMedios(text1.value);
    if (limpio !== text1.value) {
      const caret = Math.min(text1.selectionStart ?? limpio.length, limpio.length);
      text1.value = limpio;
      text1.setSelectionRange(caret, caret);
    }
  });

  text1.addEventListener("keydown", (e) => {
    if (e.isComposing || e.altKey || e.ctrlKey || e.metaKey) return;
    if (e.key === "Enter") {
      e.preventDefault();
      const orden = sinMedios(text1.value);
      historial.anotar(orden);
      jugar(() => enviarOrden(orden));
    } else if (e.key === "Escape") {
      e.preventDefault();
      despedirse("despedidaEscape", true);
    } else if (e.key === "ArrowUp" || e.key === "ArrowDown") {
      e.preventDefault();
      const recuerdo = e.key === "ArrowUp" ? historial.anterior(text1.value) : historial.siguiente();
      if (recuerdo !== null) {
        text1.value = recuerdo;
        text1.setSelectionRange(recuerdo.length, recuerdo.length);
      }
    }
  });

  // The desktop's keys: each presses a button without moving the focus. Alt + Shift + arrow is
  // taken too, for browsers that keep Alt + arrow for going back and forward. The key of a way
  // that is not there says so: silence would leave the player wondering whether it was heard.
  const SIN_SALIDA = "Por ahí no hay salida.";
  const TECLA_REPETIR = "KeyR";
  const TECLAS = [
    { codigo: "ArrowUp", dicho: "Alt + flecha arriba", boton: "PaLante" },
    { codigo: "ArrowDown", dicho: "Alt + flecha abajo", boton: "Patras" },
    { codigo: "ArrowRight", dicho: "Alt + flecha derecha", boton: "Derecha" },
    { codigo: "ArrowLeft", dicho: "Alt + flecha izquierda", boton: "Izquierda" },
    { codigo: "KeyV", dicho: "Alt + V", boton: "Ver" },
    { codigo: "KeyI", dicho: "Alt + I", boton: "Inventario" },
    { codigo: "KeyM", dicho: "Alt + M", boton: "PalMenu" },
  ];
  document.addEventListener("keydown", (e) => {
    if (visible !== "Juego" || $("despedida").open) return;
    if (!e.altKey || e.ctrlKey || e.metaKey) return;
    if (e.code === TECLA_REPETIR && !e.shiftKey) {
      e.preventDefault();
      if (!e.repeat && motor) repetir();
      return;
    }
    const tecla = TECLAS.find((t) => t.codigo === e.code && (!e.shiftKey || t.codigo.startsWith("Arrow")));
    if (!tecla) return;
    e.preventDefault();
    if (e.repeat) return;
    const boton = $(tecla.boton);
    if (!boton.hidden) boton.click();
    else if (motor) decirAparte([SIN_SALIDA]);
  });

  // Players of text games start typing an order wherever the focus is: a letter or digit typed
  // while a button of the game has the focus goes to the order box, and the focus with it (moved
  // before the key is typed, the box takes the letter). Space and Enter stay the button's.
  const LETRA = /^[\p{L}\p{N}]$/u;
  document.addEventListener("keydown", (e) => {
    if (e.isComposing || e.altKey || e.ctrlKey || e.metaKey || !LETRA.test(e.key)) return;
    if (!(e.target instanceof HTMLButtonElement) || !$("Juego").contains(e.target)) return;
    text1.focus();
    text1.setSelectionRange(text1.value.length, text1.value.length);
  });

  // Enter held down on a button presses it once, as on the desktop.
  document.addEventListener("keydown", (e) => {
    if (e.key === "Enter" && e.repeat && e.target instanceof HTMLButtonElement) e.preventDefault();
  }, { capture: true });

  // --- Leaving -------------------------------------------------------------------------------
  // The farewell: the Cagonto cue, the box, and when it is closed the end. A page cannot close
  // itself, so the end offers to play again.
  async function despedirse(clave, exclamacion) {
    sonar("Cagonto");
    await listo;
    const caja = $("despedida");
    $("despedida-titulo").textContent = texto("tituloSalir");
    $("despedida-texto").textContent = texto(clave);
    $("despedida-icono").hidden = !exclamacion;
    caja.setAttribute("role", exclamacion ? "alertdialog" : "dialog");
    caja.addEventListener("close", acabar, { once: true });
    caja.showModal();
  }

  function acabar() {
    callar();
    partidaEnCurso = false;
    mostrar("Fin", $("OtraVez"));
  }

  $("Command1").addEventListener("click", acabar);
  $("OtraVez").addEventListener("click", () => window.location.reload());

  // --- Start ---------------------------------------------------------------------------------
  ponerContinuar();
  mostrar("Menu", $("Continuar").hidden ? $("Eljuego") : $("Continuar"));
  listo.catch(() => {
    for (const id of ["Eljuego", "Continuar", "Intro"]) $(id).disabled = true;
  });
  // What the menu does not show comes after it: the cues, and the game's first picture (the
  // other screens' pictures load when they are shown).
  window.addEventListener("load", () => {
    cargarSonidos();
    new Image().src = $("dibujo").getAttribute("src");
  }, { once: true });

  // Installing and offline play once the page has come from a web server. From disk a browser
  // may not read the manifest, and the page needs nothing more to play.
  if (/^https?:$/.test(window.location.protocol)) {
    const manifiesto = document.createElement("link");
    manifiesto.rel = "manifest";
    manifiesto.href = "manifest.webmanifest";
    document.head.append(manifiesto);
  }
  if ("serviceWorker" in navigator && /^https?:$/.test(window.location.protocol)) {
    window.addEventListener("load", () => {
      navigator.serviceWorker.register("sw.js").catch(() => {});
    });
  }
})();
