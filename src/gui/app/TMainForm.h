#pragma once

#include "gui/app/HandlerGuard.h"
#include "gui/widgets/GridColumn.h"

#include <QHash>
#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QWidget;

namespace kelvora {

class AnalogClock;
class BlinkLabel;
class DataGrid;
class DataMemo;
class GradientButton;
class GradientPanel;
class MainModel;
class MonthCalendar;
class RecordNavigator;
class UserPort;
class View;

// The main window: five pages over the model's four views and the owner's
// particulars. It holds no state of its own beyond what the widgets show; every
// step of start-up, show and close is the model's.
class TMainForm : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(MainModel& model, UserPort& port, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The start-up sequence. False when the program must end at once.
    bool FormCreate();
    // Set by FormShow when the start-up password was refused.
    bool refused() const { return m_refused; }

    MainModel& model() { return m_model; }
    HandlerGuard& guard() { return m_guard; }

    // Pages and the main controls, named as the rest of the program knows them.
    QTabWidget* PageControl = nullptr;
    QWidget* TabDiary = nullptr;
    QWidget* TabClients = nullptr;
    QWidget* TabExpenses = nullptr;
    QWidget* TabIncome = nullptr;
    QWidget* TabOffice = nullptr;
    QMenu* PopupMenu1 = nullptr;

    DataGrid* DiaryGrid = nullptr;
    DataGrid* NamesGrid = nullptr;
    DataGrid* ExpendGrid = nullptr;
    DataGrid* IncomeGrid = nullptr;
    DataMemo* Daytime = nullptr;
    DataMemo* ClientNotes = nullptr;
    DataMemo* NoteExp = nullptr;
    DataMemo* NoteInc = nullptr;
    QPlainTextEdit* ToDo = nullptr;
    QPlainTextEdit* Impt = nullptr;
    MonthCalendar* Calendar = nullptr;
    AnalogClock* Clock = nullptr;
    GradientButton* NowBtn = nullptr;
    BlinkLabel* DiaryHead = nullptr;
    QLabel* Pix = nullptr;
    QHash<QString, QLineEdit*> officeBoxes;

    // Handlers.
    void NowBtnClick();
    void Exit1Click();
    void Change1Click();
    void PageControlChange(int index);
    void PopUpCopyClick();
    void PopUpCutClick();
    void PopUpPasteClick();
    void Delete1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    QFont plainFont() const;
    void buildDiaryPage();
    void buildClientsPage();
    void buildExpensesPage();
    void buildIncomePage();
    void buildOfficePage();
    void buildNoDataPages();
    struct LedgerNames
    {
        const char* tab;
        const char* caption;
        const char* head;
        const char* subHead;
        const char* navigator;
        const char* grid;
        const char* notes;
    };
    struct LedgerPage
    {
        QWidget* tab = nullptr;
        DataGrid* grid = nullptr;
        DataMemo* notes = nullptr;
    };
    // The Expenses and Income pages share one arrangement.
    LedgerPage buildLedgerPage(const LedgerNames& names, View& view, const QList<GridColumn>& columns);
    DataGrid* makeGrid(View& view, const char* name);
    GradientPanel* makeBand(const char* name, const QString& caption, QWidget* parent);
    void applyColourScheme();
    void applyOfficeFonts();
    void showPicture();
    void FormShow();
    void calendarDateShown(const QDate& date);
    void columnEntered(DataGrid* grid, const QString& field);
    void clipboardCommand(int which);
    void runClipboardCommand(void (MainModel::*onGrid)(View&, const QString&), void (MainModel::*onPicture)());
    void commitOpenEditors();

    MainModel& m_model;
    HandlerGuard m_guard;
    QWidget* m_popupTarget = nullptr;
    QList<GradientPanel*> m_bands;
    QList<GradientButton*> m_buttons;
    QList<QWidget*> m_colouredBoxes;
    int m_referenceWidth = 0;
    int m_lastPage = 0;
    bool m_shown = false;
    bool m_refused = false;
    bool m_closing = false;
    bool m_destroyed = false;
};

} // namespace kelvora
