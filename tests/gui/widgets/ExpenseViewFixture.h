#pragma once

#include "core/store/Database.h"
#include "core/store/View.h"
#include "gui/widgets/HandlerGuard.h"
#include "support/ScriptedUserPort.h"
#include "support/store/TempDatabase.h"

#include <QStringList>
#include <functional>
#include <memory>

namespace kelvora::test {

// A fresh Kelvora.db whose expense records are written by `fill` before the
// view opens, the view in Ref order on its first record, and a guard that
// logs into `logged` and shows into `port`.
struct ExpenseViewFixture
{
    explicit ExpenseViewFixture(const std::function<void(const TempDatabase&)>& fill)
    {
        fill(files);
        view = std::make_unique<View>(*db, TableId::Expense);
        view->setOrder(QStringLiteral("Ref"));
        view->first();
    }

    // What the file holds, read past the program.
    Value fileValue(const char* field, int ref) const
    {
        return files.scalar(QStringLiteral("SELECT %1 FROM Expense WHERE Ref = ?").arg(QLatin1String(field)),
                            {Value::integer(ref)});
    }
    qint64 fileCount() const { return files.scalar(QStringLiteral("SELECT COUNT(*) FROM Expense")).toInteger(); }

    TempDatabase files;
    std::unique_ptr<Database> db = files.open();
    ScriptedUserPort port;
    QStringList logged;
    HandlerGuard guard{port, [this](const QString& line) { logged << line; }};
    std::unique_ptr<View> view;
};

} // namespace kelvora::test
