#include "Coincide.h"

namespace {

template <typename Vista> bool todasLasPalabrasEstan(Vista patron, QStringView texto) {
    // Walk the pattern; a word ends at a space (which belongs to it) or at the last character.
    qsizetype inicio = 0;
    const qsizetype n = patron.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (patron[i] != QLatin1Char(' ') && i != n - 1)
            continue;
        if (!texto.contains(patron.mid(inicio, i - inicio + 1)))
            return false; // one missing word decides it; the rest cannot change the answer
        inicio = i + 1;
    }
    return true;
}

} // namespace

QString normalizarOrden(const QString &orden) {
    // Composing first means a vowel typed as letter plus combining accent counts as the
    // accented vowel, and so as the plain one after the replacements below.
    QString t = orden.normalized(QString::NormalizationForm_C).toUpper();
    static const std::pair<const char16_t *, const char16_t *> cambios[] = {
        {u",", u""},
        {u".", u""},
        {u"Á", u"A"},
        {u"É", u"E"},
        {u"Í", u"I"},
        {u"Ó", u"O"},
        {u"Ú", u"U"},
        {u"MOVER", u"SACAR"},
        {u"REMOVER", u"SACAR"},
        {u"VER", u"MIRAR"},
        {u"OBSERVAR", u"MIRAR"},
    };
    for (const auto &[busca, pon] : cambios)
        t.replace(QString::fromUtf16(busca), QString::fromUtf16(pon), Qt::CaseSensitive);
    return t;
}

bool coincideNormalizada(QStringView patron, QStringView texto) {
    return todasLasPalabrasEstan(patron, texto);
}

bool coincideNormalizada(QLatin1StringView patron, QStringView texto) {
    return todasLasPalabrasEstan(patron, texto);
}

bool Coincide(const QString &patron, const QString &orden) {
    return coincideNormalizada(QStringView(patron.toUpper()), normalizarOrden(orden));
}
