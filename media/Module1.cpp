#include "Module1.h"

#include "Altavoz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Module1 {

namespace {

Salida &salida() {
    static Salida s;
    return s;
}

void altavozReal(Sonido s) {
    // Made on the first cue, never before: a run that plays nothing touches no audio device.
    // Never taken down either: the program ends at once, and a teardown at exit could only wait
    // on the audio system.
    static Altavoz *altavoz = nullptr;
    if (!altavoz)
        altavoz = new Altavoz(QCoreApplication::applicationDirPath());
    altavoz->tocar(s);
}

} // namespace

Salida ponerSalida(Salida nueva) {
    Salida vieja = std::move(salida());
    salida() = std::move(nueva);
    return vieja;
}

void tocar(Sonido s) {
    if (salida())
        salida()(s);
    else
        altavozReal(s);
}

QString ficheroSonido(Sonido s, const QString &carpetaPrograma) {
    const QString nombre = QString::fromLatin1(nombreSonido(s)) + QStringLiteral(".wav");
    const QDir programa(carpetaPrograma);
    const QString candidatos[] = {
        programa.filePath(QStringLiteral("Archivos/Sonidos/") + nombre),
        programa.filePath(QStringLiteral("../share/jubo/Archivos/Sonidos/") + nombre),
    };
    for (const QString &c : candidatos)
        if (QFileInfo(c).isFile())
            return QDir::cleanPath(c);
    return {};
}

void Cagonto() {
    tocar(Sonido::Cagonto);
}
void Empieza() {
    tocar(Sonido::Empieza);
}
void Direccion() {
    tocar(Sonido::Direccion);
}
void Ayuda() {
    tocar(Sonido::Ayuda);
}
void Objeto() {
    tocar(Sonido::Objeto);
}
void Ver() {
    tocar(Sonido::Ver);
}

} // namespace Module1
