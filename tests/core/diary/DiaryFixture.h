#pragma once

#include "core/diary/DiaryModel.h"
#include "core/settings/Settings.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/ScriptedUserPort.h"
#include "support/store/TempDatabase.h"

#include <QDateTime>
#include <QStringList>

#include <memory>

namespace kelvora::test {

// A diary on a database of its own, a scripted user, a clock that stands
// still, and pauses that are only counted.
struct DiaryFixture
{
    QDateTime now{QDate(2012, 3, 20), QTime(9, 30, 0)};
    ScriptedUserPort port;
    Regional regional = Regional::australian();
    Settings settings{SettingsLocations{}, regional, [this] { return now.date(); }};
    ListText toDo{QString()};
    TempDatabase temp;
    std::unique_ptr<Database> db = temp.open();
    std::unique_ptr<DiaryModel> model;
    QList<int> pauses;

    // A day written before the diary reads its table.
    void addDay(const QDate& date, const QString& text = {}, const QString& tag = {}) const
    {
        temp.exec(QStringLiteral("INSERT INTO Diary (Date, Day, Tag) VALUES (?, ?, ?)"),
                  {Value::text(date.toString(Qt::ISODate)), text.isNull() ? Value() : Value::text(text),
                   tag.isNull() ? Value() : Value::text(tag)});
    }

    DiaryModel& start()
    {
        model = std::make_unique<DiaryModel>(
            PageContext{port, settings, regional, [this] { return now; }}, *db, toDo);
        model->setPause([this](int ms) { pauses.append(ms); });
        return *model;
    }

    View& view() { return model->view(); }

    // The dates the view shows, in order, as "d/m/yyyy".
    QStringList shownDates()
    {
        QStringList dates;
        const int field = view().fieldIndex(u"Date");
        for (int row = 0; row < view().rowCount(); ++row)
            dates << view().dateAt(row, field).toString(QStringLiteral("d/M/yyyy"));
        return dates;
    }
    // Every date of the table in the file.
    QStringList storedDates() const
    {
        QStringList dates;
        for (const Value& v : temp.column(QStringLiteral("SELECT Date FROM Diary ORDER BY Date")))
            dates << QDate::fromString(v.toString(), Qt::ISODate).toString(QStringLiteral("d/M/yyyy"));
        return dates;
    }
    QString storedText(const QDate& date) const
    {
        return temp.scalar(QStringLiteral("SELECT Day FROM Diary WHERE Date = ?"),
                           {Value::text(date.toString(Qt::ISODate))})
            .toString();
    }
    QString calendar() const { return model->calendarDate().toString(QStringLiteral("d/M/yyyy")); }

    ~DiaryFixture() { model.reset(); }
};

} // namespace kelvora::test
