#pragma once

#include "core/store/View.h"

#include <QList>

namespace kelvora::test {

// The Ref of every record a view shows, in its order.
inline QList<qint64> refsShown(const View& view)
{
    QList<qint64> refs;
    const int ref = view.fieldIndex(u"Ref");
    for (int r = 0; r < view.rowCount(); ++r)
        refs << view.integerAt(r, ref);
    return refs;
}

} // namespace kelvora::test
