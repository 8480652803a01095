#pragma once

// Synthetic data and helpers shared by the report tests and the report benchmark.

#include "report/MemoryDataset.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>

namespace kelvora::test {

inline QString reportFixture(const QString& name)
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("fixtures/") + name);
}

// Ledger rows already in category order, as the program hands a view sorted for a
// grouped report: Date, Ref, Description, Category, Amount, Tax, Notes. Every
// seventh record has a note, every fifth a long description, every ninth a zero tax.
inline std::unique_ptr<report::MemoryDataset> ledgerRows(int count, int categories)
{
    static const QStringList categoryNames = {
        QStringLiteral("Advertising"), QStringLiteral("Bank Fees"),  QStringLiteral("Motor Vehicle"),
        QStringLiteral("Office Supplies"), QStringLiteral("Rent"),   QStringLiteral("Telephone"),
        QStringLiteral("Travel"),      QStringLiteral("Utilities")};
    static const QStringList suppliers = {QStringLiteral("Harbour Stationers"), QStringLiteral("Telco Direct"),
                                          QStringLiteral("Coastal Fuel"), QStringLiteral("Westside Printing"),
                                          QStringLiteral("Northern Power")};
    auto rows = std::make_unique<report::MemoryDataset>(QStringList{
        QStringLiteral("Date"), QStringLiteral("Ref"), QStringLiteral("Description"), QStringLiteral("Category"),
        QStringLiteral("Amount"), QStringLiteral("Tax"), QStringLiteral("Notes")});
    const int perCategory = std::max(1, (count + categories - 1) / categories);
    for (int i = 0; i < count; ++i) {
        const int c = std::min(categories - 1, i / perCategory);
        const QString category = c < categoryNames.size() ? categoryNames[c]
                                                           : QStringLiteral("Category %1").arg(c + 1, 3, 10, QChar(u'0'));
        QString description = suppliers[i % suppliers.size()];
        if (i % 5 == 4)
            description += QStringLiteral(" - quarterly account covering several deliveries, fuel surcharges and "
                                          "the replacement of a damaged pallet");
        const double amount = 12.5 + (i * 37 % 1000) + (i % 100) / 100.0;
        const double tax = i % 9 == 8 ? 0.0 : amount / 11.0;
        const QVariant notes = i % 7 == 3 ? QVariant(QStringLiteral("Paid by card, receipt filed under %1").arg(category))
                                          : QVariant();
        rows->appendRow({QDate(2025, 7, 1).addDays(i % 365), 1000 + i, description, category, amount, tax, notes});
    }
    return rows;
}

// Client names and addresses for label sheets: FirstName, Surname, Address, Suburb, City, State, Zip.
inline std::unique_ptr<report::MemoryDataset> nameRows(int count)
{
    static const QStringList first = {QStringLiteral("Ava"), QStringLiteral("Noah"), QStringLiteral("Isla"),
                                      QStringLiteral("Jack"), QStringLiteral("Mia"), QStringLiteral("Leo")};
    static const QStringList last = {QStringLiteral("Nguyen"), QStringLiteral("Smith"), QStringLiteral("O'Brien"),
                                     QStringLiteral("Kowalski"), QStringLiteral("Patel")};
    auto rows = std::make_unique<report::MemoryDataset>(
        QStringList{QStringLiteral("FirstName"), QStringLiteral("Surname"), QStringLiteral("Address"),
                    QStringLiteral("Suburb"), QStringLiteral("City"), QStringLiteral("State"), QStringLiteral("Zip")});
    for (int i = 0; i < count; ++i)
        rows->appendRow({first[i % first.size()], last[i % last.size()],
                         QStringLiteral("%1 Harbour Road").arg(10 + i), QStringLiteral("Hillside"),
                         QStringLiteral("Rivertown"), QStringLiteral("North"), QStringLiteral("%1").arg(2000 + i)});
    return rows;
}

// A small logo, written where a template looks for Logo.Jpg.
inline bool writeLogo(const QString& path)
{
    QImage logo(120, 120, QImage::Format_RGB32);
    logo.fill(QColor(0, 90, 160));
    for (int y = 30; y < 90; ++y)
        for (int x = 30; x < 90; ++x)
            logo.setPixelColor(x, y, (x + y) % 20 < 10 ? QColor(Qt::white) : QColor(250, 200, 40));
    return logo.save(path, "JPG");
}

} // namespace kelvora::test
