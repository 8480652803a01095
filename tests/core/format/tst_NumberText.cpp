#include <QtTest>

#include <limits>
#include <optional>

#include "core/format/NumberText.h"

using namespace kelvora;

Q_DECLARE_METATYPE(kelvora::NumberStyle)

namespace {

// "au" is the fixture; "au-paren" puts negative amounts in parentheses; "de" writes
// 1.234,50 € with the sign after a space and a leading minus.
Regional regionalNamed(const QString& name)
{
    Regional r = Regional::australian();
    if (name == QLatin1String("au-paren")) {
        r.negCurrencyFormat = 0;
    } else if (name == QLatin1String("de")) {
        r.decimalSeparator = QLatin1Char(',');
        r.thousandSeparator = QLatin1Char('.');
        r.currencyString = QStringLiteral("€");
        r.currencyFormat = 3;
        r.negCurrencyFormat = 8;
    }
    return r;
}

} // namespace

class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void formatFloat_data();
    void formatFloat();
    void formatFloatPattern_data();
    void formatFloatPattern();
    void parseTypedNumber_data();
    void parseTypedNumber();
    void parseWholeNumber_data();
    void parseWholeNumber();
    void generalTextsReadBack();
};

void tst_NumberText::formatFloat_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<NumberStyle>("style");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("regional");
    QTest::addColumn<QString>("expected");

    const QString au = QStringLiteral("au");
    using S = NumberStyle;
    QTest::newRow("number thousands") << 1234.56 << S::Number << 15 << 2 << au << "1,234.56";
    QTest::newRow("number pads decimals") << 120.0 << S::Number << 14 << 2 << au << "120.00";
    QTest::newRow("number 1825") << 1825.0 << S::Number << 14 << 2 << au << "1,825.00";
    QTest::newRow("number millions negative") << -1234567.891 << S::Number << 15 << 2 << au << "-1,234,567.89";
    QTest::newRow("number no decimals rounds") << 1234.5 << S::Number << 15 << 0 << au << "1,235";
    QTest::newRow("number below thousand") << 999.994 << S::Number << 15 << 2 << au << "999.99";
    QTest::newRow("number carries into thousands") << 999.995 << S::Number << 15 << 2 << au << "1,000.00";
    QTest::newRow("fixed no separators") << 1234567.891 << S::Fixed << 15 << 2 << au << "1234567.89";
    QTest::newRow("fixed half away from zero") << 2.5 << S::Fixed << 15 << 0 << au << "3";
    QTest::newRow("fixed negative half") << -2.5 << S::Fixed << 15 << 0 << au << "-3";
    QTest::newRow("fixed binary trap 1.005") << 1.005 << S::Fixed << 15 << 2 << au << "1.01";
    QTest::newRow("fixed below one") << 0.5 << S::Fixed << 15 << 2 << au << "0.50";
    QTest::newRow("fixed one decimal") << 42.0 / 365 * 100 << S::Fixed << 4 << 1 << au << "11.5";
    QTest::newRow("fixed zero") << 0.0 << S::Fixed << 15 << 2 << au << "0.00";
    QTest::newRow("fixed negative zero") << -0.0 << S::Fixed << 15 << 2 << au << "0.00";
    QTest::newRow("fixed tiny negative loses sign") << -0.001 << S::Fixed << 15 << 2 << au << "0.00";
    QTest::newRow("fixed exponent") << 123456789.0 << S::Fixed << 4 << 2 << au << "1.235E+008";
    QTest::newRow("fixed exponent negative") << -123456789.0 << S::Fixed << 4 << 2 << au << "-1.235E+008";
    QTest::newRow("fixed integer part at precision") << 1234.5678 << S::Fixed << 4 << 2 << au << "1235.00";
    QTest::newRow("fixed rounding grows past precision") << 9999.6 << S::Fixed << 4 << 2 << au << "1E+004";
    QTest::newRow("fixed decimal comma") << 12.5 << S::Fixed << 11 << 2 << "de" << "12,50";
    QTest::newRow("currency positive") << 1234.5 << S::Currency << 15 << 2 << au << "$1,234.50";
    QTest::newRow("currency negative leading minus") << -5.0 << S::Currency << 15 << 2 << au << "-$5.00";
    QTest::newRow("currency negative parentheses") << -5.0 << S::Currency << 15 << 2 << "au-paren" << "($5.00)";
    QTest::newRow("currency zero") << 0.0 << S::Currency << 11 << 2 << au << "$0.00";
    QTest::newRow("currency cents lost to precision") << 123456.785 << S::Currency << 7 << 2 << au << "$123,456.80";
    QTest::newRow("currency sign after") << 1234.5 << S::Currency << 15 << 2 << "de" << "1.234,50 €";
    QTest::newRow("currency negative sign after") << -1234.5 << S::Currency << 15 << 2 << "de" << "-1.234,50 €";
    QTest::newRow("currency exponent has no sign") << 123456789.0 << S::Currency << 4 << 2 << au << "1.235E+008";
    QTest::newRow("general integer") << 120.0 << S::General << 15 << 0 << au << "120";
    QTest::newRow("general decimals trimmed") << 2.50 << S::General << 15 << 0 << au << "2.5";
    QTest::newRow("general no separators") << -1234.5 << S::General << 15 << 0 << au << "-1234.5";
    QTest::newRow("general binary noise hidden") << 0.1 + 0.2 << S::General << 15 << 0 << au << "0.3";
    QTest::newRow("general zero") << 0.0 << S::General << 15 << 0 << au << "0";
    QTest::newRow("general fifteen digits") << 123456789012345.0 << S::General << 15 << 0 << au << "123456789012345";
    QTest::newRow("general past precision") << 1e15 << S::General << 15 << 0 << au << "1E+015";
    QTest::newRow("general smallest fixed") << 0.00001 << S::General << 15 << 0 << au << "0.00001";
    QTest::newRow("general tiny") << 0.0000015 << S::General << 15 << 0 << au << "1.5E-006";
    QTest::newRow("general rounded to precision") << 2.0 / 3 << S::General << 4 << 0 << au << "0.6667";
    QTest::newRow("general decimal comma") << 0.25 << S::General << 15 << 0 << "de" << "0,25";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << S::Currency << 15 << 2 << au << "INF";
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << S::Fixed << 15 << 2 << au << "-INF";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << S::Number << 15 << 2 << au << "NAN";
}

void tst_NumberText::formatFloat()
{
    QFETCH(double, value);
    QFETCH(NumberStyle, style);
    QFETCH(int, precision);
    QFETCH(int, digits);
    QFETCH(QString, regional);
    QFETCH(QString, expected);
    QCOMPARE(kelvora::formatFloat(value, style, precision, digits, regionalNamed(regional)), expected);
}

void tst_NumberText::formatFloatPattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("regional");
    QTest::addColumn<QString>("expected");

    const QString au = QStringLiteral("au");
    const QString amounts = QStringLiteral("###,###.##");
    const QString dollars = QStringLiteral("$###,###.00");
    QTest::newRow("amount") << amounts << 1234.5 << au << "1,234.5";
    QTest::newRow("amount millions") << amounts << 1234567.891 << au << "1,234,567.89";
    QTest::newRow("amount zero shows nothing") << amounts << 0.0 << au << "";
    QTest::newRow("amount whole drops the point") << amounts << 40.0 << au << "40";
    QTest::newRow("amount below one") << amounts << 0.5 << au << ".5";
    QTest::newRow("amount negative") << amounts << -1234.5 << au << "-1,234.5";
    QTest::newRow("amount rounds away from zero") << amounts << 2.675 << au << "2.68";
    QTest::newRow("dollars") << dollars << 1234.5 << au << "$1,234.50";
    QTest::newRow("dollars negative") << dollars << -7.0 << au << "-$7.00";
    QTest::newRow("dollars decimal comma") << dollars << 1234.5 << "de" << "$1.234,50";
    QTest::newRow("percent literal") << "##0%" << 45.27 << au << "45%";
    QTest::newRow("percent zero") << "##0%" << 0.0 << au << "0%";
    QTest::newRow("quoted suffix") << "#,###\" KB\"" << 16384000.0 << au << "16,384,000 KB";
    QTest::newRow("zero padding") << "0000" << 42.0 << au << "0042";
    QTest::newRow("digits beyond the placeholders") << "#" << 1234567.0 << au << "1234567";
    QTest::newRow("digits between literals") << "00-00" << 1234.0 << au << "12-34";
    QTest::newRow("quoted specifiers stay text") << "0 '#,.0'" << 5.0 << au << "5 #,.0";
    QTest::newRow("negative section") << "0.00;(0.00);\"nil\"" << -5.0 << au << "(5.00)";
    QTest::newRow("zero section") << "0.00;(0.00);\"nil\"" << 0.0 << au << "nil";
    QTest::newRow("rounds to zero section") << "0.00;(0.00);\"nil\"" << -0.001 << au << "nil";
    QTest::newRow("positive section") << "0.00;(0.00);\"nil\"" << 5.0 << au << "5.00";
    QTest::newRow("empty negative section") << "0.0;;-" << -1.25 << au << "-1.3";
    QTest::newRow("empty pattern is general") << "" << 0.5 << au << "0.5";
}

void tst_NumberText::formatFloatPattern()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, regional);
    QFETCH(QString, expected);
    QCOMPARE(kelvora::formatFloatPattern(pattern, value, regionalNamed(regional)), expected);
}

void tst_NumberText::parseTypedNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("regional");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    const QString au = QStringLiteral("au");
    QTest::newRow("decimal") << "1234.56" << au << true << 1234.56;
    QTest::newRow("spaces trimmed") << "  -5  " << au << true << -5.0;
    QTest::newRow("plus sign") << "+7" << au << true << 7.0;
    QTest::newRow("no integer digits") << ".5" << au << true << 0.5;
    QTest::newRow("no decimal digits") << "5." << au << true << 5.0;
    QTest::newRow("exponent") << "1e3" << au << true << 1000.0;
    QTest::newRow("exponent signed") << "2.5E-2" << au << true << 0.025;
    QTest::newRow("own exponent text") << "1.235E+008" << au << true << 123500000.0;
    QTest::newRow("decimal comma") << "1,5" << "de" << true << 1.5;
    QTest::newRow("thousands separator") << "1,234" << au << false << 0.0;
    QTest::newRow("point under decimal comma") << "1.5" << "de" << false << 0.0;
    QTest::newRow("lone minus") << "-" << au << false << 0.0;
    QTest::newRow("empty") << "" << au << false << 0.0;
    QTest::newRow("blank") << "   " << au << false << 0.0;
    QTest::newRow("lone point") << "." << au << false << 0.0;
    QTest::newRow("currency sign") << "$5" << au << false << 0.0;
    QTest::newRow("percent") << "5%" << au << false << 0.0;
    QTest::newRow("inner space") << "1 000" << au << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << au << false << 0.0;
    QTest::newRow("letters") << "abc" << au << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << au << false << 0.0;
    QTest::newRow("exponent alone") << "e3" << au << false << 0.0;
    QTest::newRow("double sign") << "--5" << au << false << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << au << false << 0.0;
    QTest::newRow("infinity word") << "inf" << au << false << 0.0;
    QTest::newRow("nan word") << "nan" << au << false << 0.0;
    QTest::newRow("beyond a double") << "1e400" << au << false << 0.0;
    QTest::newRow("full-width digit") << QStringLiteral("\uFF15") << au << false << 0.0;
}

void tst_NumberText::parseTypedNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, regional);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> read = kelvora::parseTypedNumber(text, regionalNamed(regional));
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

void tst_NumberText::parseWholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "42" << true << 42;
    QTest::newRow("spaces and minus") << " -7 " << true << -7;
    QTest::newRow("plus") << "+3" << true << 3;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::newRow("too large") << "2147483648" << false << 0;
    QTest::newRow("too small") << "-2147483649" << false << 0;
    QTest::newRow("far too large") << "99999999999999999999" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("lone minus") << "-" << false << 0;
    QTest::newRow("decimal") << "1.0" << false << 0;
    QTest::newRow("thousands") << "1,000" << false << 0;
    QTest::newRow("trailing letter") << "12a" << false << 0;
    QTest::newRow("arabic-indic digit") << QStringLiteral("\u0663") << false << 0;
}

void tst_NumberText::parseWholeNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(int, value);
    const std::optional<int> read = kelvora::parseWholeNumber(text);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

// A value shown in General 15 reads back as the same number, exponent forms included.
void tst_NumberText::generalTextsReadBack()
{
    const Regional de = regionalNamed(QStringLiteral("de"));
    for (const double v : {0.0, 1.5, -2.25, 123456789012345.0, 1e20, -3.5e-9, 0.00001, 1234.5678}) {
        const QString text = kelvora::formatFloat(v, NumberStyle::General, 15, 0, de);
        const std::optional<double> back = kelvora::parseTypedNumber(text, de);
        QVERIFY2(back.has_value(), qPrintable(text));
        QCOMPARE(*back, v);
    }
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_NumberText.moc"
