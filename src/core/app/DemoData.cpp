#include "core/app/DemoData.h"

#include "core/dates/PeriodAndYear.h"
#include "core/format/Cents.h"
#include "core/settings/IniFile.h"
#include "core/settings/ListFile.h"
#include "core/settings/UserStore.h"
#include "core/store/Database.h"
#include "core/store/Transaction.h"
#include "core/store/View.h"

#include <QFileInfo>

#include <QRandomGenerator>

namespace kelvora {

namespace {

struct Person
{
    const char* title;
    const char* first;
    const char* surname;
    const char* company;
    const char* code;
    const char* cat;
    const char* grp;
    const char* wcity;
    const char* service;
};

// Surnames with a "y", codes "b", companies with "Ea" and a South Grafton office are
// all here on purpose: the filtering demonstrations look for them.
const Person kPeople[] = {
    {"Mr", "Henry", "Abernethy", "Eastside Plumbing", "b", "TRD", "North", "Grafton", "Bathroom renovation quote"},
    {"Mrs", "Mary", "Bailey", "Bailey Bookbinders", "a", "RET", "North", "Lismore", "Bookkeeping, March quarter"},
    {"Ms", "Joyce", "Carmody", "Eagle Freight", "b", "TRN", "South", "South Grafton", "Fleet logbook set-up"},
    {"Mr", "Lachlan", "Dunstan", "", "c", "PRV", "West", "Armidale", "Personal tax return"},
    {"Dr", "Priya", "Evans", "Clarence Medical", "a", "MED", "North", "Grafton", "Payroll set-up"},
    {"Mr", "Tom", "Fairley", "Fairley Farms", "b", "AGR", "West", "Casino", "BAS preparation"},
    {"Ms", "Ngaio", "Gray", "East Coast Ceramics", "c", "RET", "South", "South Grafton", "Stocktake reconciliation"},
    {"Mr", "Oliver", "Hardy", "", "a", "PRV", "North", "Yamba", "Personal tax return"},
    {"Mrs", "Sofia", "Iyer", "Iyer Dental", "a", "MED", "South", "Coffs Harbour", "Quarterly accounts"},
    {"Mr", "Jack", "Jeffrey", "Jeffrey & Sons", "b", "TRD", "West", "Grafton", "Invoice run"},
    {"Ms", "Chloe", "Kennedy", "Kennedy Cafe", "c", "HOS", "North", "Maclean", "Cash book review"},
    {"Mr", "Liam", "Lindsay", "Earthworks North", "b", "TRD", "North", "Grafton", "Plant register"},
    {"Mrs", "Ruth", "Murray", "", "a", "PRV", "South", "South Grafton", "Personal tax return"},
    {"Mr", "Noah", "Nguyen", "Nguyen Bakery", "c", "HOS", "West", "Lismore", "Wages, June"},
    {"Ms", "Amelia", "O'Reilly", "Reilly Real Estate", "a", "PRO", "North", "Ballina", "Trust account audit prep"},
    {"Mr", "Ethan", "Perry", "Perry Electrical", "b", "TRD", "South", "South Grafton", "BAS preparation"},
    {"Mrs", "Isla", "Quigley", "", "c", "PRV", "West", "Casino", "Family budget review"},
    {"Mr", "Mason", "Riley", "Riley Motors", "b", "TRN", "North", "Grafton", "Vehicle finance schedule"},
    {"Ms", "Zoë", "Schäfer", "Seaview Gallery", "a", "RET", "South", "Yamba", "End of year accounts"},
    {"Mr", "William", "Tully", "Tully Transport", "b", "TRN", "West", "Grafton", "Fuel tax credits"},
    {"Mrs", "Grace", "Upton", "", "c", "PRV", "North", "Grafton", "Personal tax return"},
    {"Mr", "James", "Vickery", "Vickery Vineyards", "a", "AGR", "West", "Tenterfield", "Harvest costing"},
    {"Ms", "Ava", "Whaley", "Whaley Hair Studio", "c", "HOS", "South", "South Grafton", "BAS preparation"},
    {"Mr", "Lucas", "Yardley", "Yardley Fencing", "b", "TRD", "North", "Casino", "Quote templates"},
    {"Mrs", "Harper", "Zhang", "Zhang Imports", "a", "RET", "West", "Lismore", "GST review"},
    {"Mr", "Charlie", "Ashby", "Eastern Roofing", "b", "TRD", "South", "South Grafton", "Bathroom renovation quote"},
    {"Ms", "Mia", "Blyth", "", "c", "PRV", "North", "Grafton", "Personal tax return"},
    {"Mr", "Leo", "Conway", "Conway Catering", "c", "HOS", "West", "Armidale", "Cash book review"},
    {"Mrs", "Evie", "Doyle", "Doyle Physio", "a", "MED", "North", "Grafton", "Quarterly accounts"},
    {"Mr", "Oscar", "Emery", "Emery Earthmoving", "b", "TRD", "South", "South Grafton", "Plant register"},
    {"Ms", "Ruby", "Finlay", "Finlay Florist", "c", "RET", "North", "Maclean", "Stocktake reconciliation"},
    {"Mr", "Archie", "Godfrey", "", "a", "PRV", "West", "Casino", "Personal tax return"},
    {"Mrs", "Lily", "Hennessy", "Hennessy Legal", "a", "PRO", "North", "Grafton", "Trust account audit prep"},
    {"Mr", "Hugo", "Ivey", "Ivey Landscapes", "b", "TRD", "South", "Yamba", "Invoice run"},
    {"Ms", "Sienna", "Jolley", "Beach Yoga", "c", "HOS", "North", "Yamba", "BAS preparation"},
    {"Mr", "Finn", "Kelly", "Kelly Panel Beaters", "b", "TRN", "West", "Grafton", "Vehicle finance schedule"},
    {"Mrs", "Matilda", "Lacey", "", "c", "PRV", "South", "South Grafton", "Family budget review"},
    {"Mr", "Max", "Moseley", "Moseley Mowers", "b", "TRD", "North", "Grafton", "Wages, June"},
    {"Ms", "Willow", "Nye", "Northern Eats", "c", "HOS", "West", "Lismore", "Cash book review"},
    {"Mr", "Theo", "Ormsby", "Ormsby Accounting Software", "a", "PRO", "North", "Grafton", "Software training"},
};

const char* const kStreets[] = {"Prince St", "Victoria St", "Fitzroy St", "Pound St", "Bent St",
                                "Through St", "Skinner St", "Ryan St", "Villiers St", "Duke St"};

struct ExpenseKind
{
    const char* description;
    const char* supplier;
    const char* code;
    const char* cat;
    const char* column; // the amount column the cost goes into
    double low;
    double high;
    bool gst;
};

// Codes "Material" and categories holding "To" (Tools) feed the expense filtering demonstration.
const ExpenseKind kExpenseKinds[] = {
    {"Printer paper and toner", "Officeworks", "Office", "Stationery", "Office", 25, 180, true},
    {"Mobile phone plan", "Telstra", "Phone", "Comms", "Phone", 49, 99, true},
    {"Internet service", "iiNet", "Phone", "Comms", "Phone", 59, 89, true},
    {"Timber and fixings", "Bunnings", "Material", "Supplies", "F1", 40, 650, true},
    {"Paint and brushes", "Dulux Trade", "Material", "Supplies", "F1", 35, 320, true},
    {"Cordless drill", "Total Tools", "Equipment", "Tools", "F1", 149, 499, true},
    {"Hand tools", "Sydney Tools", "Equipment", "Tools", "F1", 20, 260, true},
    {"Fuel", "Caltex", "Vehicle", "Motor", "F2", 45, 120, true},
    {"Car service", "Grafton Motors", "Vehicle", "Motor", "F2", 180, 620, true},
    {"Accounting software", "Ormsby Accounting Software", "Software", "Office", "Office", 30, 60, true},
    {"Client lunch", "Georgie's Cafe", "Entertain", "Meals", "F5", 30, 140, true},
    {"Bank fees", "Westpac", "Bank", "Finance", "F7", 5, 25, false},
    {"Insurance premium", "NRMA", "Insurance", "Finance", "Other", 300, 1400, true},
    {"Workshop rent", "Clarence Property", "Rent", "Premises", "F3", 800, 800, true},
    {"Electricity", "Essential Energy", "Utilities", "Premises", "F4", 120, 480, true},
    {"Stamps and parcels", "Australia Post", "Office", "Stationery", "Office", 10, 60, true},
    {"Council rates", "Clarence Valley Council", "Rates", "Premises", "F7", 350, 350, false},
};

struct IncomeKind
{
    const char* description;
    const char* column;
    double low;
    double high;
    bool gst;
};

const IncomeKind kIncomeKinds[] = {
    {"Bookkeeping services", "Sales", 220, 1650, true},
    {"BAS preparation", "Sales", 165, 440, true},
    {"Payroll processing", "F1", 110, 880, true},
    {"Software training", "F2", 99, 495, true},
    {"Interest on deposit", "Interest", 3, 45, false},
};

double between(QRandomGenerator& rng, double low, double high)
{
    if (high <= low)
        return low;
    const int cents = int((high - low) * 100);
    return low + double(rng.bounded(cents + 1)) / 100.0;
}

QDate dateIn(QRandomGenerator& rng, const QDate& first, const QDate& last)
{
    return first.addDays(rng.bounded(int(first.daysTo(last)) + 1));
}

// Splits a GST-inclusive amount the way the Split button does at 10 %.
void splitInto(QVariantMap& record, const QString& column, double gross, bool gst)
{
    if (!gst) {
        record[column] = roundCents(gross);
        record[QStringLiteral("Bank")] = roundCents(gross);
        return;
    }
    const double net = roundCents(gross * 100.0 / 110.0);
    const double tax = roundCents(10.0 * gross / 110.0);
    record[column] = net;
    record[QStringLiteral("Tax")] = tax;
    record[QStringLiteral("Bank")] = roundCents(net + tax);
}

void addCodes(QVariantMap& record)
{
    if (const auto codes = computePeriodAndYear(record.value(QStringLiteral("Date")).toDate(), QStringLiteral("3"),
                                                QStringLiteral("Fin"))) {
        record[QStringLiteral("Period")] = codes->periodCode;
        record[QStringLiteral("Year")] = codes->yearCode;
    }
}

} // namespace

DemoData DemoData::generate(const QDate& today)
{
    DemoData demo;
    QRandomGenerator rng(20081231);
    const QDate first(2008, 1, 1);
    const QDate last(2010, 12, 31);

    int ref = 0;
    for (const Person& p : kPeople) {
        ++ref;
        QVariantMap c;
        const QString surname = QString::fromUtf8(p.surname);
        const QString street = QString::fromLatin1(kStreets[ref % 10]);
        c[QStringLiteral("Ref")] = ref;
        c[QStringLiteral("Title")] = QString::fromLatin1(p.title);
        c[QStringLiteral("FirstName")] = QString::fromUtf8(p.first);
        c[QStringLiteral("Surname")] = surname;
        c[QStringLiteral("Company")] = QString::fromUtf8(p.company);
        c[QStringLiteral("Code")] = QString::fromLatin1(p.code);
        c[QStringLiteral("Cat")] = QString::fromLatin1(p.cat);
        c[QStringLiteral("Grp")] = QString::fromLatin1(p.grp);
        c[QStringLiteral("EntryDate")] = dateIn(rng, first, QDate(2009, 6, 30));
        c[QStringLiteral("Hphone")] = QStringLiteral("02 66%1 %2").arg(42 + ref % 7).arg(1000 + ref * 137 % 9000);
        c[QStringLiteral("Mobile")] = QStringLiteral("04%1 %2 %3").arg(10 + ref).arg(200 + ref * 7).arg(300 + ref * 11);
        c[QStringLiteral("Haddress")] = QStringLiteral("%1 %2").arg(ref * 3 + 2).arg(street);
        c[QStringLiteral("Hsuburb")] = QStringLiteral("Grafton");
        c[QStringLiteral("Hcity")] = QStringLiteral("Grafton");
        c[QStringLiteral("Hstate")] = QStringLiteral("NSW");
        c[QStringLiteral("Hzip")] = QStringLiteral("2460");
        const QString wcity = QString::fromLatin1(p.wcity);
        if (!c.value(QStringLiteral("Company")).toString().isEmpty()) {
            c[QStringLiteral("Wphone")] = QStringLiteral("02 66%1 %2").arg(43 + ref % 5).arg(2000 + ref * 211 % 7000);
            c[QStringLiteral("Waddress")] = QStringLiteral("Unit %1, %2 %3").arg(ref % 9 + 1).arg(ref * 5 + 10).arg(street);
            c[QStringLiteral("Wsuburb")] = wcity;
            c[QStringLiteral("Wcity")] = wcity;
            c[QStringLiteral("Wstate")] = QStringLiteral("NSW");
            c[QStringLiteral("Wzip")] = wcity == QLatin1String("South Grafton") ? QStringLiteral("2460")
                                                                                 : QStringLiteral("24%1").arg(50 + ref % 40);
            QString mailbox = QString::fromUtf8(p.first).toLower();
            mailbox.replace(QChar(0x00EB), QLatin1Char('e'));
            c[QStringLiteral("Email")] = QStringLiteral("%1@%2.com.au").arg(mailbox, surname.toLower().remove(QLatin1Char('\'')).replace(QChar(0x00E4), QLatin1String("ae")));
            c[QStringLiteral("ABN")] = QStringLiteral("%1 %2 %3 %4").arg(51 + ref).arg(100 + ref * 3).arg(200 + ref * 7).arg(300 + ref * 9);
        }
        c[QStringLiteral("Service")] = QString::fromLatin1(p.service);
        c[QStringLiteral("Hours")] = double(1 + ref % 6);
        const double fee = double(1 + ref % 6) * 55.0;
        c[QStringLiteral("Taxable")] = fee;
        c[QStringLiteral("Tax")] = roundCents(fee * 0.1);
        if (ref % 3 == 0) {
            c[QStringLiteral("PaidDate")] = dateIn(rng, QDate(2010, 1, 1), QDate(2010, 6, 30));
            c[QStringLiteral("PaidWay")] = ref % 2 ? QStringLiteral("EFT") : QStringLiteral("Cheque");
        }
        if (ref % 4 == 0)
            c[QStringLiteral("DOB")] = QDate(1950 + ref, ref % 12 + 1, ref % 27 + 1);
        if (ref % 5 == 0)
            c[QStringLiteral("Notes")] = QStringLiteral("Prefers a call after 4 pm.\r\nSends records in a shoebox each quarter.");
        if (ref % 7 == 0)
            c[QStringLiteral("Tag")] = QStringLiteral("y");
        demo.clients.append(c);
    }

    for (int i = 0; i < 300; ++i) {
        const ExpenseKind& k = kExpenseKinds[rng.bounded(int(std::size(kExpenseKinds)))];
        QVariantMap e;
        e[QStringLiteral("Date")] = dateIn(rng, first, last);
        e[QStringLiteral("Bus")] = i % 5 == 0 ? QStringLiteral("Home") : QStringLiteral("Main");
        e[QStringLiteral("Expense")] = QString::fromLatin1(k.description);
        e[QStringLiteral("Supplier")] = QString::fromLatin1(k.supplier);
        e[QStringLiteral("Code")] = QString::fromLatin1(k.code);
        e[QStringLiteral("Cat")] = QString::fromLatin1(k.cat);
        e[QStringLiteral("PaidBy")] = i % 3 == 0 ? QStringLiteral("Visa") : (i % 3 == 1 ? QStringLiteral("EFT") : QStringLiteral("Cash"));
        splitInto(e, QString::fromLatin1(k.column), between(rng, k.low, k.high), k.gst);
        if (i % 17 == 0)
            e[QStringLiteral("Notes")] = QStringLiteral("Receipt filed in the blue folder.");
        if (i % 11 == 0)
            e[QStringLiteral("Tag")] = QStringLiteral("y");
        addCodes(e);
        demo.expenses.append(e);
    }
    std::stable_sort(demo.expenses.begin(), demo.expenses.end(), [](const QVariantMap& a, const QVariantMap& b) {
        return a.value(QStringLiteral("Date")).toDate() < b.value(QStringLiteral("Date")).toDate();
    });
    for (int i = 0; i < demo.expenses.size(); ++i) {
        demo.expenses[i][QStringLiteral("Ref")] = i + 1;
        demo.expenses[i][QStringLiteral("Invoice")] = QString::number(i + 1);
    }

    for (int i = 0; i < 150; ++i) {
        const IncomeKind& k = kIncomeKinds[rng.bounded(int(std::size(kIncomeKinds)))];
        const Person& p = kPeople[rng.bounded(int(std::size(kPeople)))];
        QVariantMap r;
        r[QStringLiteral("Date")] = dateIn(rng, first, last);
        r[QStringLiteral("Bus")] = QStringLiteral("Main");
        r[QStringLiteral("Incom")] = QString::fromLatin1(k.description);
        const QString source = QString::fromUtf8(*p.company ? p.company : p.surname);
        r[QStringLiteral("Sourc")] = k.gst ? source.left(30) : QStringLiteral("Westpac");
        r[QStringLiteral("Code")] = k.gst ? QStringLiteral("Fees") : QStringLiteral("Interest");
        r[QStringLiteral("Cat")] = QString::fromLatin1(p.cat);
        r[QStringLiteral("PaidBy")] = i % 2 ? QStringLiteral("EFT") : QStringLiteral("Cheque");
        splitInto(r, QString::fromLatin1(k.column), between(rng, k.low, k.high), k.gst);
        if (k.gst) {
            r[QStringLiteral("OrderNo")] = QStringLiteral("PO-%1").arg(4100 + i);
            r[QStringLiteral("OrderDate")] = r.value(QStringLiteral("Date")).toDate().addDays(-14);
        }
        addCodes(r);
        demo.income.append(r);
    }
    std::stable_sort(demo.income.begin(), demo.income.end(), [](const QVariantMap& a, const QVariantMap& b) {
        return a.value(QStringLiteral("Date")).toDate() < b.value(QStringLiteral("Date")).toDate();
    });
    for (int i = 0; i < demo.income.size(); ++i)
        demo.income[i][QStringLiteral("Ref")] = i + 1;

    const char* const dayNotes[] = {
        "Called %1 about the quarterly figures. Sending the draft BAS tomorrow.",
        "Bank reconciliation for the month. All statements ticked off.",
        "Met %1 at the office. Brought receipts for the tool purchases.",
        "Chased two overdue invoices. Followed up by e-mail.",
        "Quiet day: filed receipts, backed up the data folder.",
        "Workshop on payroll changes in Grafton, 9.30 am to 12.",
    };
    for (int i = 0; i < 60; ++i) {
        QVariantMap d;
        const QDate date = today.addDays(-3 * (59 - i) + (i == 59 ? 0 : -1));
        d[QStringLiteral("Date")] = date;
        const Person& p = kPeople[(i * 7) % int(std::size(kPeople))];
        QString note = QString::fromLatin1(dayNotes[i % 6]);
        if (note.contains(QLatin1String("%1")))
            note = note.arg(QString::fromUtf8(p.first) + QLatin1Char(' ') + QString::fromUtf8(p.surname));
        d[QStringLiteral("Day")] = note;
        if (i % 10 == 0)
            d[QStringLiteral("Tag")] = QStringLiteral("y");
        demo.diary.append(d);
    }

    demo.detailSettings = {
        {QStringLiteral("ABN"), QStringLiteral("53 004 085 616")},
        {QStringLiteral("ApplyRate"), QStringLiteral("10")},
        {QStringLiteral("Company"), QStringLiteral("Clarence Valley Books")},
        {QStringLiteral("FiscalYr"), QStringLiteral("Fin")},
        {QStringLiteral("Period"), QStringLiteral("3")},
        {QStringLiteral("VAT"), QStringLiteral("GST")},
        {QStringLiteral("E1"), QStringLiteral("Materials")},
        {QStringLiteral("E2"), QStringLiteral("Vehicle")},
        {QStringLiteral("E3"), QStringLiteral("Rent")},
        {QStringLiteral("E4"), QStringLiteral("Power")},
        {QStringLiteral("E5"), QStringLiteral("Meals")},
        {QStringLiteral("E6"), QStringLiteral("Sundry")},
        {QStringLiteral("I1"), QStringLiteral("Payroll")},
        {QStringLiteral("I2"), QStringLiteral("Training")},
        {QStringLiteral("I3"), QStringLiteral("Other")},
        {QStringLiteral("I4"), QStringLiteral("Grants")},
    };
    demo.userSettings = {
        {QStringLiteral("NameStr"), QStringLiteral("Margaret Ellison")},
        {QStringLiteral("CoDetStr"), QStringLiteral("Bookkeeping and BAS agent, registered 2004")},
        {QStringLiteral("Addr1Str"), QStringLiteral("PO Box 412")},
        {QStringLiteral("Addr2Str"), QStringLiteral("27 Prince Street")},
        {QStringLiteral("Addr3Str"), QStringLiteral("Grafton")},
        {QStringLiteral("Addr4Str"), QStringLiteral("Clarence Valley")},
        {QStringLiteral("Addr5Str"), QStringLiteral("NSW")},
        {QStringLiteral("Addr6Str"), QStringLiteral("2460")},
        {QStringLiteral("EmailStr"), QStringLiteral("margaret@clarencebooks.com.au")},
        {QStringLiteral("WebStr"), QStringLiteral("www.clarencebooks.com.au")},
        {QStringLiteral("WPhoneStr"), QStringLiteral("02 6642 1180")},
        {QStringLiteral("HPhoneStr"), QStringLiteral("02 6643 5521")},
        {QStringLiteral("MPhoneStr"), QStringLiteral("0412 555 018")},
        {QStringLiteral("FaxStr"), QStringLiteral("02 6642 1181")},
        {QStringLiteral("ServicesStr"), QStringLiteral("Bookkeeping  -  BAS  -  Payroll")},
        {QStringLiteral("PixStr"), QStringLiteral("Yes")},
    };
    demo.toDoText = QStringLiteral("Lodge the March quarter BAS\r\nOrder toner for the laser printer\r\nRenew the NRMA policy");
    demo.importantText = QStringLiteral("Tax agent number: 7310 4412\r\nBank: Westpac Grafton, BSB 732-557");
    return demo;
}

namespace {
void appendAll(Database& db, TableId table, const QList<QVariantMap>& records)
{
    View view(db, table);
    for (const QVariantMap& record : records) {
        view.append();
        for (auto it = record.cbegin(); it != record.cend(); ++it)
            view.setField(it.key(), it.value());
        view.post();
    }
}
} // namespace

bool DemoData::writeFolder(const AppFolders& folders, const QString& settingsKeyFile, const QDate& today)
{
    if (QFileInfo::exists(folders.databaseFile()))
        return false;
    const DemoData demo = generate(today);
    {
        Database db(folders.databaseFile());
        Transaction all(db);
        appendAll(db, TableId::Names, demo.clients);
        appendAll(db, TableId::Expense, demo.expenses);
        appendAll(db, TableId::Income, demo.income);
        appendAll(db, TableId::Diary, demo.diary);
        all.commit();
    }
    IniFile ini(folders.settingsFile());
    for (const auto& [key, value] : demo.detailSettings)
        ini.setValue(QStringLiteral("Detail"), key, value);
    ini.save();
    UserStore key(settingsKeyFile);
    for (const auto& [name, value] : demo.userSettings)
        key.writeValue(name, value);
    key.commit();
    ListFile::save(folders.toDoFile(), demo.toDoText);
    ListFile::save(folders.importantFile(), demo.importantText);
    return true;
}

} // namespace kelvora
