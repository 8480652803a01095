#include "core/store/StoredDate.h"

namespace kelvora {

namespace {

int digits(const QChar* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        if (!p[i].isDigit() || p[i].unicode() > '9')
            return -1;
        v = v * 10 + (p[i].unicode() - '0');
    }
    return v;
}

} // namespace

QDate StoredDate::parse(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() < 10 || t[4] != QLatin1Char('-') || t[7] != QLatin1Char('-'))
        return {};
    if (t.size() > 10 && t[10] != QLatin1Char(' ') && t[10] != QLatin1Char('T'))
        return {};
    const int y = digits(t.constData(), 4);
    const int m = digits(t.constData() + 5, 2);
    const int d = digits(t.constData() + 8, 2);
    if (y < 0 || m < 0 || d < 0)
        return {};
    return QDate(y, m, d);
}

QDate StoredDate::parse(const CellView& value)
{
    if (value.type != CellView::Type::Text)
        return {};
    return parse(QString::fromUtf8(value.p, value.n));
}

Value StoredDate::toValue(const QDate& date)
{
    if (!date.isValid())
        return {};
    return Value::text(date.toString(Qt::ISODate));
}

bool StoredDate::isEmpty(const CellView& value)
{
    const QDate date = parse(value);
    return !date.isValid() || date <= QDate(1899, 12, 30);
}

} // namespace kelvora
