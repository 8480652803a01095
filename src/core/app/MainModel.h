#pragma once

#include "core/app/ErrorLog.h"
#include "core/base/Reporter.h"
#include "core/format/Regional.h"
#include "core/pages/PageContext.h"
#include "core/pages/PageId.h"
#include "core/security/StartupPassword.h"
#include "core/settings/ColourScheme.h"
#include "core/settings/AppFolders.h"
#include "core/settings/ListText.h"
#include "core/settings/Settings.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace kelvora {

class ClientsModel;
class Database;
class DiaryModel;
class LedgerModel;
class OfficeModel;
class PageModel;
class UserPort;
class View;

// What the main window owns, without the window: the connection, the held
// settings, the error log, the list files and the five page models, and the
// start-up, show, close and destroy sequences that run through them. The window
// only shows this state and calls these operations, so every step can be driven
// by a test.
class MainModel : public QObject
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    enum class StartUp {
        Ready,      // the database is open with its four views
        NoDatabase, // it could not be opened and the user chose to stay
        Quit,       // it could not be opened and the user chose to quit
    };

    static const QString kNobodyHome;   // "Sorry, Nobody Home"
    static const QString kQuitQuestion; // "Do you wish to Quit ?"

    MainModel(AppFolders folders, UserPort& port, Regional regional = Regional::australian(), Clock clock = {},
              QObject* parent = nullptr);
    ~MainModel() override;

    // ---- the sequences ------------------------------------------------------
    // Reads the settings file (warning once when it cannot be used), the list
    // files and the settings key, then opens the database. A data folder that
    // holds Kelvora's other files but no database asks before one is made.
    StartUp startUp();
    // Finds the last Refs, asks the start-up password through `askPassword` when
    // one is set (false: the program must end), moves the diary to today, and
    // normalises the date format setting. The password is asked whatever else
    // fails.
    bool show(const std::function<bool()>& askPassword);
    // Posts pending records, writes the list files, then the settings file, going
    // on past a failure. When something could not be saved the user is told what
    // and why and asked whether to quit anyway. True when the window may close.
    bool closeSequence();
    // Writes the settings key. False when it failed (the message was shown).
    bool destroy();

    // ---- pages ----------------------------------------------------------------
    // Posts the pending edit of the page being left.
    void leavePage(PageId page);
    // The active page changed: the client view's pending edit is posted, and on
    // the first change since the window became active, on the first day of a
    // month, the user is asked whether to tag the clients with a birthday
    // within a month. True when that was done and the Clients page is wanted.
    bool pageChanged();
    // The main window became active (again): the next page change counts as first.
    void FormActivate() { m_pageChanges = 0; }
    void setActivePage(PageId page) { m_activePage = page; }
    PageId activePage() const { return m_activePage; }
    // The model of a page with a grid; null for the Office page and without a database.
    PageModel* pageModel(PageId page);
    // Writes the period and year codes of the current record of the Expenses or
    // Income page; any other page: nothing.
    void SetPeriodAndYear();
    // After any right-click command (and "Delete") the client view's edit is posted.
    void afterClipboardCommand();

    // ---- texts the window shows -------------------------------------------------
    QString windowCaption() const;

    // ---- parts ----------------------------------------------------------------
    const AppFolders& folders() const { return m_folders; }
    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    const Regional& regional() const { return m_regional; }
    UserPort& port() { return m_port; }
    const ErrorLog& errorLog() const { return m_errorLog; }
    Reporter& reporter() { return m_reporter; }
    StartupPassword& startupPassword() { return m_password; }
    // The colours of every window, read once the settings are in.
    const ColourScheme& colourScheme() const { return m_scheme; }
    PageContext context() { return {m_port, m_settings, m_regional, [this] { return now(); }, &m_selectedField}; }
    // The field the last selection of any page chose.
    const QString& selectedField() const { return m_selectedField; }
    bool hasDatabase() const { return m_db != nullptr; }
    Database* database() { return m_db.get(); }
    DiaryModel* diaryModel() { return m_diaryModel.get(); }
    ClientsModel* clientsModel() { return m_clientsModel.get(); }
    LedgerModel* expensesModel() { return m_expensesModel.get(); }
    LedgerModel* incomeModel() { return m_incomeModel.get(); }
    OfficeModel& officeModel() { return *m_officeModel; }
    ListText& toDo() { return m_toDo; }
    ListText& important() { return m_important; }
    // The four views; null without a database.
    View* names();
    View* expend();
    View* income();
    View* diary();
    QDate today() const { return now().date(); }
    QDateTime now() const { return m_clock ? m_clock() : QDateTime::currentDateTime(); }

private:
    void openDatabase();
    void closeDatabase();
    bool mayCreateDatabase();
    StartUp nobodyHome(const QString& reason);

    AppFolders m_folders;
    UserPort& m_port;
    Regional m_regional;
    Clock m_clock;
    Settings m_settings;
    ErrorLog m_errorLog;
    Reporter m_reporter;
    StartupPassword m_password;
    ColourScheme m_scheme;
    ListText m_toDo;
    ListText m_important;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<DiaryModel> m_diaryModel;
    std::unique_ptr<ClientsModel> m_clientsModel;
    std::unique_ptr<LedgerModel> m_expensesModel;
    std::unique_ptr<LedgerModel> m_incomeModel;
    std::unique_ptr<OfficeModel> m_officeModel;
    PageId m_activePage = PageId::Diary;
    QString m_selectedField;
    int m_pageChanges = 0;
};

} // namespace kelvora
