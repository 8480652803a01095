#include "report/DisplayFormat.h"

#include "core/dates/DateText.h"
#include "core/dates/DateTimeFormat.h"
#include "core/format/NumberText.h"
#include "report/Expression.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace kelvora::report {

namespace {

const QRegularExpression& valueSpec()
{
    static const QRegularExpression re(QStringLiteral("%(-?)(\\d*)(?:\\.(\\d+))?([dfnmgsDFNMGS])"));
    return re;
}

bool hasDigitPlaceholder(const QString& format)
{
    QChar quote;
    for (const QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'#' || c == u'0') {
            return true;
        }
    }
    return false;
}

std::optional<double> numberOf(const QVariant& value)
{
    if (Expression::isNumber(value))
        return value.toDouble();
    return std::nullopt;
}

// A date held as text, as the database stores it: "2026-12-11" or "2026-12-11 15:07:09".
QVariant dateFromText(const QString& text)
{
    const QString t = text.trimmed();
    if (t.size() == 10) {
        const QDate d = QDate::fromString(t, Qt::ISODate);
        if (d.isValid())
            return d;
    } else if (t.size() > 10) {
        QDateTime dt = QDateTime::fromString(t, Qt::ISODate);
        if (!dt.isValid())
            dt = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (dt.isValid())
            return dt;
    }
    return {};
}

QString valueFormatText(const QRegularExpressionMatch& m, const QString& format, const QVariant& value,
                        const Regional& regional)
{
    // No text on a page is wider than this; a mistyped "%2000000000s" must not
    // ask for gigabytes of blanks.
    constexpr int kWidest = 255;
    const bool leftAlign = !m.captured(1).isEmpty();
    const int width = std::min(m.captured(2).toInt(), kWidest);
    const bool hasPrecision = m.capturedLength(3) > 0;
    const int precision = std::min(m.captured(3).toInt(), kWidest);
    const QChar type = m.captured(4).at(0).toLower();
    QString body;
    const auto number = numberOf(value);
    if (type == u's') {
        body = DisplayFormat::plainText(value, regional);
        if (hasPrecision)
            body.truncate(precision);
    } else if (!number) {
        body = DisplayFormat::plainText(value, regional);
    } else if (type == u'm') {
        body = formatFloat(*number, NumberStyle::Currency, 15, hasPrecision ? precision : regional.currencyDecimals,
                           regional);
    } else if (type == u'n') {
        body = formatFloat(*number, NumberStyle::Number, 15, hasPrecision ? precision : 2, regional);
    } else if (type == u'f') {
        body = formatFloat(*number, NumberStyle::Fixed, 15, hasPrecision ? precision : 2, regional);
    } else if (type == u'g') {
        body = formatFloat(*number, NumberStyle::General, hasPrecision ? precision : 15, 0, regional);
    } else { // d: a whole number, at least `precision` digits
        QString digits = formatFloat(std::fabs(*number), NumberStyle::Fixed, 15, 0, regional);
        if (hasPrecision && digits.size() < precision)
            digits = QString(precision - digits.size(), u'0') + digits;
        body = (std::round(*number) < 0 ? QStringLiteral("-") : QString()) + digits;
    }
    if (body.size() < width)
        body = leftAlign ? body.leftJustified(width) : body.rightJustified(width);
    return format.left(m.capturedStart()) + body + format.mid(m.capturedEnd());
}

} // namespace

DisplayFormat::Kind DisplayFormat::kindOf(const QString& format)
{
    if (format.isEmpty())
        return Kind::None;
    if (valueSpec().match(format).hasMatch())
        return Kind::ValueFormat;
    if (hasDigitPlaceholder(format))
        return Kind::NumberPattern;
    return Kind::DatePattern;
}

QString DisplayFormat::check(const QString& format)
{
    if (kindOf(format) != Kind::DatePattern)
        return {};
    // A date pattern must name at least one part of a date or time.
    static const QRegularExpression parts(QStringLiteral("[dmyhnsz]|am/pm|a/p"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (!parts.match(format).hasMatch())
        return QStringLiteral("\"%1\" is not a display format").arg(format);
    return {};
}

QString DisplayFormat::text(const QVariant& value, const QString& format, const Regional& regional)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (kindOf(format)) {
    case Kind::None: break;
    case Kind::ValueFormat: return valueFormatText(valueSpec().match(format), format, value, regional);
    case Kind::NumberPattern:
        if (const auto number = numberOf(value))
            return formatFloatPattern(format, *number, regional);
        break;
    case Kind::DatePattern: {
        QVariant moment = value;
        if (moment.typeId() == QMetaType::QString)
            moment = dateFromText(moment.toString());
        if (moment.typeId() == QMetaType::QDate)
            return formatDate(format, moment.toDate(), regional);
        if (moment.typeId() == QMetaType::QDateTime)
            return formatDateTime(format, moment.toDateTime(), regional);
        if (moment.typeId() == QMetaType::QTime)
            return formatDateTime(format, QDate(), moment.toTime(), regional);
        break;
    }
    }
    return plainText(value, regional);
}

QString DisplayFormat::plainText(const QVariant& value, const Regional& regional)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: return formatFloat(value.toDouble(), NumberStyle::General, 15, 0, regional);
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDate: return shortDateText(value.toDate(), regional);
    case QMetaType::QTime: return longTimeText(value.toTime(), regional);
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        if (moment.time() == QTime(0, 0))
            return shortDateText(moment.date(), regional);
        return dateTimeText(moment, regional);
    }
    case QMetaType::QByteArray: return {};
    default: return value.toString();
    }
}

} // namespace kelvora::report
