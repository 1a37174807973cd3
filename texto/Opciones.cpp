// SPDX-FileCopyrightText: 2026 Los autores de Las rozozerad der Jubo
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Opciones.h"

#include "Atajos.h"

#include <QCommandLineParser>
#include <charconv>
#include <limits>

namespace {

const QString Semilla = QStringLiteral("semilla");

QString nombreDe(const QString &argumento) {
    QString nombre = argumento.section(QLatin1Char('='), 0, 0);
    while (nombre.startsWith(QLatin1Char('-')))
        nombre.remove(0, 1);
    return nombre;
}

// The option as the player wrote it, for the message: "-x", "--semila".
QString escrita(const QStringList &argumentos, const QString &nombre) {
    for (const QString &a : argumentos.mid(1)) {
        if (a == QLatin1String("--"))
            break;
        if (a.startsWith(QLatin1Char('-')) && nombreDe(a) == nombre)
            return a.section(QLatin1Char('='), 0, 0);
    }
    return QStringLiteral("--") + nombre;
}

QString semillaMala() {
    return QStringLiteral("--semilla necesita un número entre 0 y %1")
        .arg(std::numeric_limits<std::uint32_t>::max());
}

} // namespace

Opciones leerOpciones(const QStringList &argumentos) {
    QCommandLineParser lector;
    // Qt programs take -option and --option alike; "-semilla 3" then works too.
    lector.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption ayuda(
        QStringList{QStringLiteral("h"), QStringLiteral("ayuda"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    const QCommandLineOption semilla(Semilla, QString(), QStringLiteral("N"));
    lector.addOptions({ayuda, version, semilla});

    Opciones o;
    o.pide = Opciones::Pide::Nada;
    const bool bien = lector.parse(argumentos);
    if (!lector.unknownOptionNames().isEmpty()) {
        o.problema = QStringLiteral("opción desconocida: %1 (--ayuda dice cuáles hay)")
                         .arg(escrita(argumentos, lector.unknownOptionNames().constFirst()));
        return o;
    }
    if (!bien) {
        // The one other failure: a value missing after --semilla, or given to an option
        // that takes none ("--ayuda=1").
        for (const QString &a : argumentos.mid(1)) {
            if (a == QLatin1String("--"))
                break;
            if (a.startsWith(QLatin1Char('-')) && a.contains(QLatin1Char('=')) &&
                nombreDe(a) != Semilla) {
                o.problema =
                    QStringLiteral("%1 no lleva valor").arg(escrita(argumentos, nombreDe(a)));
                return o;
            }
        }
        o.problema = semillaMala();
        return o;
    }
    if (!lector.positionalArguments().isEmpty()) {
        o.problema = QStringLiteral("argumento de más: %1 (--ayuda dice cuáles hay)")
                         .arg(lector.positionalArguments().constFirst());
        return o;
    }
    if (lector.isSet(ayuda)) {
        o.pide = Opciones::Pide::Ayuda;
        return o;
    }
    if (lector.isSet(version)) {
        o.pide = Opciones::Pide::Version;
        return o;
    }
    if (lector.isSet(semilla)) {
        const QByteArray n = lector.value(semilla).toUtf8();
        std::uint32_t v = 0;
        const auto [fin, error] = std::from_chars(n.constData(), n.constData() + n.size(), v);
        if (n.isEmpty() || error != std::errc() || fin != n.constData() + n.size()) {
            o.problema = semillaMala() + QStringLiteral(", no «%1»").arg(lector.value(semilla));
            return o;
        }
        o.semilla = v;
    }
    o.pide = Opciones::Pide::Jugar;
    return o;
}

QString textoAyuda() {
    QStringList botones;
    for (const Atajo &a : Atajos)
        botones << QString::fromLatin1(a.linea);
    return QStringLiteral(
               "Uso: jubo-texto [--semilla N]\n"
               "Las rozozerad der Jubo en un terminal. Lee una acción por línea: una orden\n"
               "(MIRAR COCHE) o %1.\n"
               "/guardar [FICHERO] guarda la partida y /cargar [FICHERO] la sigue donde estaba\n"
               "(sin FICHERO, en $XDG_DATA_HOME/jubo/partida).\n"
               "En un terminal, las flechas editan la línea y recuerdan las órdenes anteriores.\n"
               "\n"
               "Opciones:\n"
               "  --semilla N          hace repetibles las respuestas al azar (N de 0 a "
               "4294967295)\n"
               "  -h, --ayuda, --help  muestra esta ayuda y termina\n"
               "  -v, --version        muestra la versión y termina\n"
               "\n"
               "Sale con 0 al acabar la entrada o la partida, 1 si no puede leer o escribir,\n"
               "2 si las opciones no valen.\n")
        .arg(botones.join(QStringLiteral(", ")));
}

QString textoVersion() {
    return QStringLiteral("jubo-texto (Las rozozerad der Jubo) " JUBO_VERSION "\n"
                          "Licencia GPL-3.0-or-later: puedes cambiarlo y compartirlo.\n");
}
