#include "report/FontMapper.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace kelvora::report {

namespace {

struct Substitution
{
    QStringList requested;
    QStringList candidates;
};

const QList<Substitution>& substitutions()
{
    static const QList<Substitution> table = {
        {{"Arial", "Helvetica", "MS Sans Serif", "Microsoft Sans Serif"},
         {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"}},
        {{"Arial Narrow"}, {"Liberation Sans Narrow", "Nimbus Sans Narrow", "DejaVu Sans Condensed", "DejaVu Sans"}},
        {{"Tahoma", "Verdana", "Segoe UI", "Calibri", "Trebuchet MS"}, {"DejaVu Sans", "Liberation Sans"}},
        {{"Times New Roman", "Times"}, {"Liberation Serif", "Tinos", "Nimbus Roman", "DejaVu Serif"}},
        {{"Georgia", "Cambria", "Book Antiqua", "Palatino Linotype"}, {"DejaVu Serif", "Liberation Serif", "P052"}},
        {{"Courier New", "Courier", "Consolas", "Lucida Console"},
         {"Liberation Mono", "Cousine", "Nimbus Mono PS", "DejaVu Sans Mono"}},
    };
    return table;
}

bool installed(const QString& family)
{
    static const QStringList families = QFontDatabase::families();
    return families.contains(family, Qt::CaseInsensitive);
}

QString lookUp(const QString& requested)
{
    for (const Substitution& s : substitutions()) {
        if (!s.requested.contains(requested, Qt::CaseInsensitive))
            continue;
        for (const QString& candidate : s.candidates) {
            if (installed(candidate))
                return candidate;
        }
    }
    if (installed(requested))
        return requested;
    return installed(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans") : requested;
}

} // namespace

QString FontMapper::installedFamily(const QString& requested)
{
    static QHash<QString, QString> cache;
    const QString key = requested.toLower();
    auto it = cache.constFind(key);
    if (it == cache.constEnd())
        it = cache.insert(key, lookUp(requested));
    return it.value();
}

QFont FontMapper::font(const FontSpec& spec)
{
    QFont f(installedFamily(spec.family));
    f.setPointSizeF(spec.size > 0 ? spec.size : 1.0);
    f.setBold(spec.bold);
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    f.setStrikeOut(spec.strikeOut);
    // Outlines without hinting scale linearly, so widths measured once hold everywhere.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

} // namespace kelvora::report
