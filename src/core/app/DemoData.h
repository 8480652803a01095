#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QVariantMap>

#include "core/settings/AppFolders.h"

namespace kelvora {

// A small, believable data folder: an Australian sole trader's clients, expenses
// and income from 2008 to 2010 and a few diary days. Generated, never shipped, so
// it always matches the program's own tables and arithmetic.
struct DemoData
{
    QList<QVariantMap> clients;  // fields of Names
    QList<QVariantMap> expenses; // fields of Expense (Ref, Invoice, Period and Year included)
    QList<QVariantMap> income;   // fields of Income
    QList<QVariantMap> diary;    // fields of Diary

    // Key/value pairs of the settings file section Detail and of the per-user store.
    QList<QPair<QString, QString>> detailSettings;
    QList<QPair<QString, QString>> userSettings;
    QString toDoText;
    QString importantText;

    // Deterministic: the same data every time. Diary days are placed around `today`.
    static DemoData generate(const QDate& today);

    // Fills a data folder that has no database yet: the database, the settings
    // file, the list files, and the per-user settings at `settingsKeyFile`.
    // False (and nothing touched) when the folder already holds a database.
    static bool writeFolder(const AppFolders& folders, const QString& settingsKeyFile, const QDate& today);
};

} // namespace kelvora
