// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser's game screen: the engine's calls go to the page's script (juego.js), and the page's
// clicks and orders come back through the jubo_* functions. One game at a time.

#include "Partida.h"
#include "Sitios.h"
#include "Textos.h"

#include <emscripten/emscripten.h>

#include <memory>
#include <string>
#include <string_view>

// Each call hands the page's screen (juego.js) what the engine said; text as UTF-8 that lives only
// during the call. The JavaScript stays one plain call each, out of the formatter's way.
EM_JS(void, js_vaciar, (), { Module.pantalla.vaciar(); });
EM_JS(void, js_linea, (const char *texto, int largo),
      { Module.pantalla.linea(UTF8ToString(texto, largo)); });
EM_JS(void, js_pista, (int visible), { Module.pantalla.pista(visible); });
EM_JS(void, js_botones, (int palante, int patras, int derecha, int izquierda),
      { Module.pantalla.botones(palante, patras, derecha, izquierda); });
EM_JS(void, js_dibujo, (const char *fichero), { Module.pantalla.dibujo(UTF8ToString(fichero)); });
EM_JS(void, js_sonar, (const char *nombre), { Module.pantalla.sonar(UTF8ToString(nombre)); });
EM_JS(void, js_ganar, (), { Module.pantalla.ganar(); });
EM_JS(void, js_terminar, (), { Module.pantalla.terminar(); });
EM_JS(void, js_lugar, (const char *descripcion, const char *donde),
      { Module.pantalla.lugar(UTF8ToString(descripcion), UTF8ToString(donde)); });

namespace {

class PantallaWeb final : public Pantalla {
  public:
    void vaciar() override { js_vaciar(); }
    void anadirLinea(std::string_view utf8) override {
        js_linea(utf8.data(), static_cast<int>(utf8.size()));
    }
    void mostrarPista(bool visible) override { js_pista(visible); }
    void ponerBotones(const Botones &b) override {
        js_botones(b.PaLante, b.Patras, b.Derecha, b.Izquierda);
    }
    void cargarDibujo(const char *fichero) override { js_dibujo(fichero); }
    void sonar(Sonido s) override { js_sonar(nombreSonido(s)); }
    void ganar() override { js_ganar(); }
    void terminar() override { js_terminar(); }
    void entrarLugar(const Sitio &sitio) override {
        js_lugar(sitio.descripcion, dondeEstoy(sitio).c_str());
    }
};

PantallaWeb pantalla;
std::unique_ptr<Partida> partida;
std::string guardado;

// The fixed texts the page shows, by the name the page asks for: one copy, the engine's.
struct TextoFijo {
    std::string_view clave;
    const char *texto;
};
const TextoFijo TextosFijos[] = {
    {"pista", TextoPista},
    {"enhorabuena", TextoEnhorabuena},
    {"final", TextoFinal},
    {"ayuda", TextoAyuda},
    {"historia", TextoHistoria},
    {"logo", DescripcionLogo},
    {"retrato", DescripcionRetrato},
    {"PaLante", NombrePaLante},
    {"Patras", NombrePatras},
    {"Derecha", NombreDerecha},
    {"Izquierda", NombreIzquierda},
    {"autoria", TextoAutoria},
    {"tituloSalir", TituloSalir},
    {"despedida", TextoDespedida},
    {"despedidaEscape", TextoDespedidaEscape},
};

} // namespace

extern "C" {

// A new game, not yet set up: semilla >= 0 fixes the random replies (tests), else the clock.
EMSCRIPTEN_KEEPALIVE void jubo_nueva(double semilla) {
    partida.reset();
    if (semilla >= 0)
        partida =
            std::make_unique<Partida>(pantalla, SorteoFijo(static_cast<std::uint32_t>(semilla)));
    else
        partida = std::make_unique<Partida>(pantalla);
}

EMSCRIPTEN_KEEPALIVE void jubo_cargar() {
    partida->Cargar();
}

// The six buttons of the game screen, numbered as the page numbers them.
EMSCRIPTEN_KEEPALIVE void jubo_boton(int boton) {
    switch (boton) {
    case 0: partida->PaLante(); break;
    case 1: partida->Patras(); break;
    case 2: partida->Derecha(); break;
    case 3: partida->Izquierda(); break;
    case 4: partida->Ver(); break;
    case 5: partida->Inventario(); break;
    }
}

// Enter in the order box: the box's text as UTF-16 code units, exactly as the page holds them.
EMSCRIPTEN_KEEPALIVE void jubo_orden(const char16_t *orden, int largo) {
    partida->ProcesarOrden(std::u16string_view(orden, static_cast<std::size_t>(largo)));
}

EMSCRIPTEN_KEEPALIVE const char *jubo_guardar() {
    guardado = partida->guardar();
    return guardado.c_str();
}

// Null when the game is back where the token left it (the screen told of it all); else why not.
EMSCRIPTEN_KEEPALIVE const char *jubo_restaurar(const char *token) {
    return partida->restaurar(token);
}

// A fixed text by its name; null for a name the page should not be asking for.
EMSCRIPTEN_KEEPALIVE const char *jubo_texto(const char *clave) {
    for (const TextoFijo &t : TextosFijos)
        if (t.clave == clave)
            return t.texto;
    return nullptr;
}

} // extern "C"
