#include "support/DataFolderGenerator.h"

#include "core/dates/PeriodAndYear.h"
#include "core/store/Database.h"
#include "core/store/SqliteStatement.h"
#include "core/store/Transaction.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringList>

#include <cmath>

namespace kelvora::bench {

namespace {

const QStringList kBusinesses = {QStringLiteral("FARM"), QStringLiteral("HOME"), QStringLiteral("SHOP"),
                                 QStringLiteral("Café"), QStringLiteral("rental")};
const QStringList kExpenses = {QStringLiteral("Fuel"),
                               QStringLiteral("Stationery"),
                               QStringLiteral("Phone account"),
                               QStringLiteral("Electricity"),
                               QStringLiteral("Seed and fertiliser"),
                               QStringLiteral("Repairs to shed"),
                               QStringLiteral("Insurance"),
                               QStringLiteral("Bank fees"),
                               QStringLiteral("Postage"),
                               QStringLiteral("Café supplies – coffee beans"),
                               QStringLiteral("Motor vehicle service"),
                               QStringLiteral("Accountant")};
const QStringList kSuppliers = {
    QStringLiteral("Caltex Mudgee"),  QStringLiteral("Officeworks"),    QStringLiteral("Telstra"),
    QStringLiteral("Origin Energy"),  QStringLiteral("Elders"),         QStringLiteral("Bunnings"),
    QStringLiteral("NRMA"),           QStringLiteral("Westpac"),        QStringLiteral("Australia Post"),
    QStringLiteral("Müller & Söhne"), QStringLiteral("Ōtaki Roasters"), QStringLiteral("Jørgensen Motors"),
    QStringLiteral("Smith & Co")};
const QStringList kCategories = {QStringLiteral("Fuel"),    QStringLiteral("Office"), QStringLiteral("Power"),
                                 QStringLiteral("Repairs"), QStringLiteral("Stock"),  QStringLiteral("Fees")};
const QStringList kPaidBy = {QStringLiteral("Cash"), QStringLiteral("Cheque"), QStringLiteral("EFT"),
                             QStringLiteral("Visa")};
const QStringList kSurnames = {
    QStringLiteral("Smith"),        QStringLiteral("Nguyen"),   QStringLiteral("O'Brien"),
    QStringLiteral("Jones"),        QStringLiteral("Williams"), QStringLiteral("Brown"),
    QStringLiteral("Müller"),       QStringLiteral("Zoë"),      QStringLiteral("Kowalski"),
    QStringLiteral("Papadopoulos"), QStringLiteral("Taylor"),   QStringLiteral("Ångström"),
    QStringLiteral("wilson"),       QStringLiteral("Chen"),     QStringLiteral("Singh")};
const QStringList kFirstNames = {QStringLiteral("Jack"),  QStringLiteral("Olivia"), QStringLiteral("Noah"),
                                 QStringLiteral("Chloé"), QStringLiteral("Liam"),   QStringLiteral("Mia"),
                                 QStringLiteral("José"),  QStringLiteral("Ava"),    QStringLiteral("Søren"),
                                 QStringLiteral("Grace")};
const QStringList kTowns = {QStringLiteral("Mudgee"), QStringLiteral("Dubbo"), QStringLiteral("Orange"),
                            QStringLiteral("Bathurst"), QStringLiteral("Gulgong")};

class Random
{
public:
    explicit Random(quint32 seed) : m_random(seed) {}
    int below(int n) { return int(m_random.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    const QString& pick(const QStringList& list) { return list[below(int(list.size()))]; }
    double amount(double low, double high)
    {
        return std::round((low + m_random.generateDouble() * (high - low)) * 100.0) / 100.0;
    }

private:
    QRandomGenerator m_random;
};

Value text(const QString& s)
{
    return Value::text(s);
}

Value maybe(Random& r, int nullPercent, const Value& v)
{
    return r.chance(nullPercent) ? Value() : v;
}

Value cents(double v)
{
    return Value::real(std::round(v * 100.0) / 100.0);
}

QByteArray insertSql(const char* table, const QStringList& fields)
{
    QStringList marks;
    for (qsizetype i = 0; i < fields.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(QLatin1String(table), fields.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))
        .toUtf8();
}

void insertRow(SqliteStatement& statement, const QList<Value>& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        statement.bind(int(i) + 1, values[i]);
    statement.run();
    statement.reset();
}

QDate ledgerDate(Random& r)
{
    return QDate(2014, 7, 1).addDays(r.below(3652));
}

void addExpenses(Database& db, Random& r, int count)
{
    const QStringList fields = {"Ref",   "Date", "Bus",   "Expense", "Supplier", "Invoice", "Bank",
                                "Cat",   "Code", "F1",    "F2",      "F3",       "F4",      "F5",
                                "F6",    "F7",   "Notes", "Office",  "Other",    "PaidBy",  "Period",
                                "Phone", "Tag",  "Tax",   "Year"};
    SqliteStatement insert(db.handle(), insertSql("Expense", fields));
    for (int ref = 1; ref <= count; ++ref) {
        const QDate date = ledgerDate(r);
        const double gross = r.amount(2, 2500);
        const bool gst = r.chance(70);
        const double tax = gst ? gross / 11.0 : 0.0;
        QList<Value> amounts(7);
        amounts[r.below(gst ? 6 : 7)] = cents(gross - tax);
        const auto codes = computePeriodAndYear(date, QStringLiteral("3"), QStringLiteral("Fin"));
        QList<Value> row = {
            Value::integer(ref),
            maybe(r, 1, text(date.toString(Qt::ISODate))),
            maybe(r, 3, text(r.pick(kBusinesses))),
            text(r.pick(kExpenses) + (r.chance(30) ? QStringLiteral(" %1").arg(r.below(40)) : QString())),
            maybe(r, 5, text(r.pick(kSuppliers))),
            text(r.chance(80) ? QString::number(ref) : QStringLiteral("INV-%1").arg(r.below(100000))),
            cents(gross),
            maybe(r, 10, text(r.pick(kCategories))),
            maybe(r, 20, text(QStringLiteral("C%1").arg(r.below(30)))),
        };
        row << amounts;
        row << maybe(r, 95,
                     text(QStringLiteral("Paid on the %1th; receipt in the shoebox.").arg(r.below(28) + 1)))
            << maybe(r, 90, cents(r.amount(0, 80))) << maybe(r, 90, cents(r.amount(0, 80)))
            << maybe(r, 10, text(r.pick(kPaidBy))) << (codes ? text(codes->periodCode) : Value())
            << maybe(r, 90, cents(r.amount(0, 120)))
            << (r.chance(10) ? text(QStringLiteral("y"))
                             : (r.chance(2) ? text(QStringLiteral("X")) : Value()))
            << cents(tax) << (codes ? text(codes->yearCode) : Value());
        insertRow(insert, row);
    }
}

void addIncome(Database& db, Random& r, int count)
{
    const QStringList fields = {"Ref",    "Date",   "Bus",   "Incom", "Sourc",    "ABN",       "Bank",
                                "Cat",    "Code",   "F1",    "F5",    "Interest", "OrderDate", "OrderNo",
                                "PaidBy", "Period", "Sales", "Tag",   "Tax",      "Year"};
    SqliteStatement insert(db.handle(), insertSql("Income", fields));
    for (int ref = 1; ref <= count; ++ref) {
        const QDate date = ledgerDate(r);
        const double gross = r.amount(20, 9000);
        const auto codes = computePeriodAndYear(date, QStringLiteral("3"), QStringLiteral("Fin"));
        insertRow(insert,
                  {Value::integer(ref),
                   text(date.toString(Qt::ISODate)),
                   maybe(r, 3, text(r.pick(kBusinesses))),
                   text(r.chance(50) ? QStringLiteral("Consulting") : QStringLiteral("Sales of produce")),
                   maybe(r, 5, text(r.pick(kSurnames) + QStringLiteral(" Pty Ltd"))),
                   maybe(r, 60, text(QStringLiteral("%1").arg(r.below(999999999), 11, 10, QLatin1Char('0')))),
                   cents(gross),
                   maybe(r, 10, text(r.pick(kCategories))),
                   Value(),
                   cents(gross / 11.0 * 10.0),
                   maybe(r, 80, cents(r.amount(0, 50))),
                   maybe(r, 95, cents(r.amount(0, 30))),
                   maybe(r, 50, text(date.addDays(-r.below(30)).toString(Qt::ISODate))),
                   maybe(r, 50, text(QStringLiteral("PO%1").arg(r.below(99999)))),
                   maybe(r, 10, text(r.pick(kPaidBy))),
                   codes ? text(codes->periodCode) : Value(),
                   maybe(r, 70, cents(gross)),
                   r.chance(10) ? text(QStringLiteral("y")) : Value(),
                   cents(gross / 11.0),
                   codes ? text(codes->yearCode) : Value()});
    }
}

void addClients(Database& db, Random& r, int count)
{
    const QStringList fields = {"Ref",    "Surname",   "FirstName", "Company", "EntryDate", "Cat",
                                "Code",   "DOB",       "Email",     "Grp",     "Hcity",     "Hphone",
                                "Mobile", "Hours",     "PaidDate",  "PaidWay", "Service",   "Tag",
                                "Tax",    "TaxExempt", "Taxable",   "Title",   "Wcity"};
    SqliteStatement insert(db.handle(), insertSql("Names", fields));
    for (int ref = 1; ref <= count; ++ref) {
        const QString surname = r.pick(kSurnames);
        const QString first = r.pick(kFirstNames);
        const double hours = r.amount(1, 40);
        const bool billed = r.chance(60);
        insertRow(
            insert,
            {Value::integer(ref),
             maybe(r, 2, text(surname)),
             maybe(r, 5, text(first)),
             maybe(r, 40, text(surname + QStringLiteral(" Holdings"))),
             maybe(r, 5, text(QDate(2005, 1, 1).addDays(r.below(7000)).toString(Qt::ISODate))),
             maybe(r, 30, text(QStringLiteral("m"))),
             maybe(r, 30, text(QStringLiteral("C%1").arg(r.below(9)))),
             maybe(r, 20, text(QDate(1940, 1, 1).addDays(r.below(25000)).toString(Qt::ISODate))),
             maybe(r, 30,
                   text(first.toLower() + QLatin1Char('.') + QString::number(ref) +
                        QStringLiteral("@example.com.au"))),
             maybe(r, 50, text(QStringLiteral("G%1").arg(r.below(5)))),
             maybe(r, 10, text(r.pick(kTowns))),
             maybe(r, 20, text(QStringLiteral("02 63%1").arg(r.below(999999), 6, 10, QLatin1Char('0')))),
             maybe(r, 20, text(QStringLiteral("04%1").arg(r.below(99999999), 8, 10, QLatin1Char('0')))),
             Value::real(hours),
             billed && r.chance(70) ? text(QDate(2020, 1, 1).addDays(r.below(1500)).toString(Qt::ISODate))
                                    : Value(),
             maybe(r, 50, text(r.pick(kPaidBy))),
             maybe(r, 20, text(QStringLiteral("Bookkeeping, %1 hours").arg(hours))),
             r.chance(10) ? text(QStringLiteral("y")) : Value(),
             billed ? cents(hours * 8.0) : Value(),
             billed && r.chance(20) ? Value::real(0.0) : Value(),
             billed ? cents(hours * 80.0) : Value(),
             maybe(r, 50, text(r.chance(50) ? QStringLiteral("Mr") : QStringLiteral("Ms"))),
             maybe(r, 30, text(r.pick(kTowns)))});
    }
}

void addDiary(Database& db, Random& r, int days)
{
    SqliteStatement insert(db.handle(), "INSERT INTO Diary (Date, Day, Tag) VALUES (?, ?, ?)");
    const QDate first = QDate(2024, 12, 31).addDays(-days);
    for (int d = 0; d < days; ++d) {
        QString day = QStringLiteral("Rang %1 about the invoice.\r\nPicked up parts from %2.")
                          .arg(r.pick(kSurnames), r.pick(kSuppliers));
        if (r.chance(20))
            day += QStringLiteral("\r\nRemember: BAS due.");
        insertRow(insert, {text(first.addDays(d).toString(Qt::ISODate)), maybe(r, 5, text(day)),
                           r.chance(5) ? text(QStringLiteral("y")) : Value()});
    }
}

} // namespace

QString DataFolderGenerator::generate(const QString& folder, const DataFolderSpec& spec)
{
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("Kelvora.db"));
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
    Database db(path);
    Random random(spec.seed);
    Transaction transaction(db);
    addExpenses(db, random, spec.expenses);
    addIncome(db, random, spec.income);
    addClients(db, random, spec.clients);
    addDiary(db, random, spec.diaryDays);
    transaction.commit();
    return path;
}

} // namespace kelvora::bench
