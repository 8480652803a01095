#pragma once

#include "core/app/MainModel.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "gui/app/TMainForm.h"
#include "gui/pages/PageBase.h"
#include "support/ScriptedUserPort.h"
#include "support/TempDataFolder.h"

#include <QTest>

#include <memory>

namespace kelvora::test {

// A main window on a data folder of its own, with a scripted user.
struct MainFormFixture
{
    std::unique_ptr<TempDataFolder> dir = std::make_unique<TempDataFolder>();
    ScriptedUserPort port;
    std::unique_ptr<MainModel> model;
    std::unique_ptr<TMainForm> form;

    AppFolders folders() const { return dir->folders(); }

    // Creates the window; `beforeShow` may size it. False when start-up ended the program.
    bool start(const std::function<void(TMainForm&)>& beforeShow = {})
    {
        model = dir->model(port);
        form = std::make_unique<TMainForm>(*model, port);
        if (!form->FormCreate())
            return false;
        if (beforeShow)
            beforeShow(*form);
        form->show();
        return QTest::qWaitForWindowExposed(form.get());
    }

    void addRecords(TableId table, int count)
    {
        Database db(folders().databaseFile());
        View v(db, table);
        for (int i = 1; i <= count; ++i) {
            v.append();
            v.setField(u"Ref", double(i));
            v.setField(u"Date", QDate(2009, 1, i));
            v.post();
        }
    }

    // One ledger record of `amounts` on `date`, written before the window starts.
    void addAmounts(TableId table, int ref, const QDate& date, const QList<std::pair<const char16_t*, double>>& amounts)
    {
        Database db(folders().databaseFile());
        View v(db, table);
        v.append();
        v.setField(u"Ref", double(ref));
        v.setField(u"Date", date);
        for (const auto& [field, amount] : amounts)
            v.setField(QStringView(field), amount);
        v.post();
    }

    ~MainFormFixture()
    {
        form.reset();
        model.reset();
    }
};

} // namespace kelvora::test
