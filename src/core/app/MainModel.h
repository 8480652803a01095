#pragma once

#include "core/app/ErrorLog.h"
#include "core/format/Regional.h"
#include "core/settings/AppFolders.h"
#include "core/settings/Settings.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace kelvora {

class Database;
class UserPort;
class View;

// Everything the main window owns, without the window: the connection and the
// four views, the held settings, the last-Ref counters, the list texts, and the
// start-up, show, close and destroy sequences. The window only shows this state
// and calls these operations, so every step can be driven by a test.
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
    enum class Page { Diary, Clients, Expenses, Income, Office };

    static const QString kNobodyHome;      // "Sorry, Nobody Home"
    static const QString kQuitQuestion;    // "Do you wish to Quit ?"
    static const QString kWrongPassword;   // "You MUST enter the correct PASSWORD."
    static const QString kLoginFailed;     // "Login Failed"
    static const QString kNoAltF4;         // "You are NOT permitted to close the form this way."

    MainModel(AppFolders folders, UserPort& port, Regional regional = Regional::australian(), Clock clock = {},
              QObject* parent = nullptr);
    ~MainModel() override;

    // ---- the sequences ------------------------------------------------------
    // Reads the settings file, the list files and the settings key, then opens
    // the database. An unexpected failure goes to the error log and the error box
    // and ends the sequence at that step.
    StartUp startUp();
    // Finds the last Refs, asks the start-up password through `askPassword` when
    // one is set (false: the program must end), moves the diary to today, and
    // normalises the date format setting.
    bool show(const std::function<bool()>& askPassword);
    // Writes the settings file, posts pending edits, writes the list files.
    // Throws KelvoraError when something cannot be saved: the caller keeps the
    // window open and nothing is lost.
    void closeSequence();
    // Writes the settings key. False when it failed (the message was shown).
    bool destroy();

    // ---- start-up password ----------------------------------------------------
    // The dialog's OK: true to go on; otherwise the warning was shown and the
    // program must end.
    bool acceptStartupPassword(const QString& typed);
    // The dialog's Cancel and Alt+F4: the message is shown; the program must end.
    void refuseStartupPassword();
    void startupPasswordAltF4();
    // "Password" > "Change".
    void changePassword();

    // ---- pages and the diary ----------------------------------------------------
    // Posts the pending edit of the view behind the page being left.
    void leavePage(Page page);
    // The active page changed: the client view's pending edit is posted.
    void pageChanged();
    // The page the user is on; ledger operations act on its view.
    void setActivePage(Page page) { m_activePage = page; }
    Page activePage() const { return m_activePage; }
    // Writes the period and year codes of the current record of the Expenses or
    // Income page from its date, and posts it. Any other page: nothing. A record
    // without a date gets "Enter Date"; a record being inserted is left alone.
    void SetPeriodAndYear();
    // Moves the diary to `date`, appending and posting an empty record for it
    // when the view has none.
    void calendarChange(const QDate& date);

    // ---- the shared right-click menu on a grid -----------------------------------
    // Copy the current cell's text; Cut also empties the field and posts; Paste
    // sets the field from the clipboard and posts.
    void gridCopy(View& view, const QString& field);
    void gridCut(View& view, const QString& field);
    void gridPaste(View& view, const QString& field);
    // The same commands on the client picture: Copy puts it on the clipboard, Cut
    // also empties it, Paste stores the clipboard's picture; both post.
    void pictureCopy();
    void pictureCut();
    void picturePaste();
    // A grid column was entered: its field defaults, and the diary's calendar
    // follows the date of the row.
    void gridColumnEntered(View& view, const QString& field);
    // After any clipboard command (and "Delete") the client view's edit is posted.
    void afterClipboardCommand();

    // ---- texts the window shows -------------------------------------------------
    QString windowCaption() const;
    QString calendarHeading() const; // CalHead
    QString todayHeading() const;    // ClientHead, ExpHeadPanel, IncHeadPanel
    QString officeHeading() const;   // LocalHead
    QString diaryHeading(const QDate& calendarDate) const;
    // Proportional resize: w * newWidth / referenceWidth, halves away from zero.
    static int scaledWidth(int width, int newWidth, int referenceWidth);

    // ---- state --------------------------------------------------------------
    const AppFolders& folders() const { return m_folders; }
    Settings& settings() { return m_settings; }
    const Settings& settings() const { return m_settings; }
    const Regional& regional() const { return m_regional; }
    UserPort& port() { return m_port; }
    const ErrorLog& errorLog() const { return m_errorLog; }
    bool hasDatabase() const { return m_db != nullptr; }
    Database* database() { return m_db.get(); }
    View* names() { return m_names.get(); }
    View* expend() { return m_expend.get(); }
    View* income() { return m_income.get(); }
    View* diary() { return m_diary.get(); }
    qint64 lastClientRef() const { return m_lastClientRef; }
    qint64 lastExpenseRef() const { return m_lastExpenseRef; }
    qint64 lastIncomeRef() const { return m_lastIncomeRef; }
    QString toDoText() const { return m_toDo; }
    void setToDoText(const QString& text) { m_toDo = text; }
    QString importantText() const { return m_important; }
    void setImportantText(const QString& text) { m_important = text; }
    QDate today() const { return now().date(); }
    QDateTime now() const { return m_clock ? m_clock() : QDateTime::currentDateTime(); }
    QDate calendarDate() const { return m_calendarDate; }

    // Logs an unexpected failure and shows it in the error box; the program goes on.
    void reportError(const QString& message);
    // Runs `step`, reporting a KelvoraError instead of letting it escape. False when it failed.
    bool guarded(const std::function<void()>& step);

signals:
    // The diary moved to another date (the calendar and heading follow).
    void calendarDateChanged(const QDate& date);
    void listsChanged();

private:
    void openDatabase();
    void postIfPending(View* view);

    AppFolders m_folders;
    UserPort& m_port;
    Regional m_regional;
    Clock m_clock;
    Settings m_settings;
    ErrorLog m_errorLog;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<View> m_diary;
    std::unique_ptr<View> m_names;
    std::unique_ptr<View> m_expend;
    std::unique_ptr<View> m_income;
    qint64 m_lastClientRef = 0;
    qint64 m_lastExpenseRef = 0;
    qint64 m_lastIncomeRef = 0;
    bool m_toDoLoaded = true;
    bool m_importantLoaded = true;
    QString m_toDo;
    QString m_important;
    QDate m_calendarDate;
    Page m_activePage = Page::Diary;
};

} // namespace kelvora
