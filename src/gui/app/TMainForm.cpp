#include "gui/app/TMainForm.h"

#include "core/app/AppInfo.h"
#include "core/app/MainModel.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"
#include "core/store/View.h"
#include "gui/app/PageColumns.h"
#include "gui/app/TPasswordDlg.h"
#include "gui/widgets/AnalogClock.h"
#include "gui/widgets/BlinkLabel.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/DataGrid.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/MonthCalendar.h"
#include "gui/widgets/RecordNavigator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kelvora {

namespace {

const char* const kGridHint = "Enter moves to the next column; Shift+Enter back. Ctrl+Delete deletes the record.";
const char* const kNotesHint =
    "Record Notes: Double click to append Date and Time. Right click to Cut/Copy/Paste hilighted text.";

QColor settingColour(const Settings& s, const char* key, const QColor& fallback)
{
    return colourFromText(s.value(QString::fromLatin1(key)), fallback);
}

void setName(QObject* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
}

} // namespace

TMainForm::TMainForm(MainModel& model, UserPort& port, QWidget* parent)
    : QMainWindow(parent), m_model(model),
      m_guard(port, [&model](const QString& message) { return model.errorLog().append(message); })
{
    setName(this, "TMainForm");
    setWindowTitle(QString::fromLatin1(kApplicationTitle));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    setFont(font);

    PageControl = new QTabWidget(this);
    setName(PageControl, "PageControl");
    PageControl->setDocumentMode(true);
    setCentralWidget(PageControl);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(true);

    PopupMenu1 = new QMenu(this);
    setName(PopupMenu1, "PopupMenu1");
    const char* const popupItems[] = {"Copy", "Cut", "Paste", "Delete"};
    for (int i = 0; i < 4; ++i) {
        QAction* action = PopupMenu1->addAction(QString::fromLatin1(popupItems[i]));
        connect(action, &QAction::triggered, this, [this, i] { clipboardCommand(i); });
    }

    resize(1344, 704 + 60);
}

TMainForm::~TMainForm()
{
    if (!m_destroyed) {
        m_destroyed = true;
        m_model.destroy();
    }
}

bool TMainForm::FormCreate()
{
    const MainModel::StartUp outcome = m_model.startUp();
    if (outcome == MainModel::StartUp::Quit)
        return false;

    buildMenu();
    if (m_model.hasDatabase()) {
        buildDiaryPage();
        buildClientsPage();
        buildExpensesPage();
        buildIncomePage();
    } else {
        buildNoDataPages();
    }
    buildOfficePage();
    applyColourScheme();
    applyOfficeFonts();

    connect(PageControl, &QTabWidget::currentChanged, this, &TMainForm::PageControlChange);
    connect(&m_model, &MainModel::calendarDateChanged, this, &TMainForm::calendarDateShown);

    if (QScreen* screen = QApplication::primaryScreen()) {
        // A small screen gets a window that fits it rather than one running off its edges.
        const QRect available = screen->availableGeometry();
        resize(std::min(width(), available.width()), std::min(height(), available.height() - 40));
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    return true;
}

// ---- building -----------------------------------------------------------------

QFont TMainForm::plainFont() const
{
    // The bands make their captions bold; the memos inside them must not inherit that.
    QFont plain = font();
    plain.setBold(false);
    return plain;
}

void TMainForm::buildMenu()
{
    QMenuBar* bar = menuBar();
    setName(bar, "MainMenu1");
    QMenu* file = bar->addMenu(QStringLiteral("File"));
    QAction* exit = file->addAction(QStringLiteral("Exit"));
    setName(exit, "Exit1");
    exit->setStatusTip(QStringLiteral("Save everything and close Kelvora"));
    connect(exit, &QAction::triggered, this, &TMainForm::Exit1Click);

    QMenu* password = bar->addMenu(QStringLiteral("Password"));
    QAction* change = password->addAction(QStringLiteral("Change"));
    setName(change, "Change1");
    change->setStatusTip(QStringLiteral("Simple access password"));
    connect(change, &QAction::triggered, this, &TMainForm::Change1Click);
}

GradientPanel* TMainForm::makeBand(const char* name, const QString& caption, QWidget* parent)
{
    auto* band = new GradientPanel(parent);
    setName(band, name);
    band->setCaption(caption);
    band->setMinimumHeight(34);
    band->setMaximumHeight(40);
    QFont f = band->font();
    f.setBold(true);
    f.setPixelSize(15);
    band->setFont(f);
    m_bands.append(band);
    return band;
}

DataGrid* TMainForm::makeGrid(View& view, const char* name)
{
    auto* grid = new DataGrid(view, m_guard);
    setName(grid, name);
    grid->setStatusTip(QString::fromLatin1(kGridHint));
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid, &QWidget::customContextMenuRequested, this, [this, grid](const QPoint& pos) {
        m_popupTarget = grid;
        PopupMenu1->popup(grid->viewport()->mapToGlobal(pos));
    });
    connect(grid, &DataGrid::columnEntered, this, [this, grid](const QString& field) { columnEntered(grid, field); });
    return grid;
}

void TMainForm::buildDiaryPage()
{
    TabDiary = new QWidget;
    setName(TabDiary, "TabDiary");
    PageControl->addTab(TabDiary, QStringLiteral("Diary"));

    auto* teal = new GradientPanel(TabDiary);
    setName(teal, "TealPanel");
    teal->setDirection(GradientDirection::Vertical);
    m_bands.append(teal);
    teal->setFixedWidth(300);
    ToDo = new QPlainTextEdit(teal);
    setName(ToDo, "ToDo");
    ToDo->setStatusTip(QStringLiteral("To Do list: saved when Kelvora closes."));
    ToDo->setPlainText(m_model.toDoText());
    ToDo->setFont(plainFont());
    connect(ToDo, &QPlainTextEdit::textChanged, this, [this] { m_model.setToDoText(ToDo->toPlainText()); });
    Calendar = new MonthCalendar(teal);
    setName(Calendar, "Calendar");
    Calendar->setStatusTip(QStringLiteral("Click to Select"));
    Clock = new AnalogClock(teal);
    setName(Clock, "Clock");
    Clock->setFixedSize(96, 96);
    NowBtn = new GradientButton(QStringLiteral("Today"), teal);
    setName(NowBtn, "NowBtn");
    NowBtn->setStatusTip(QStringLiteral("Return to Today"));
    NowBtn->setMinimumHeight(30);
    m_buttons.append(NowBtn);
    connect(NowBtn, &QPushButton::clicked, this, [this] { m_guard.run([this] { NowBtnClick(); }); });

    auto* tealLayout = new QVBoxLayout(teal);
    tealLayout->setContentsMargins(8, 8, 8, 8);
    tealLayout->addWidget(ToDo, 1);
    tealLayout->addWidget(Calendar);
    auto* clockRow = new QHBoxLayout;
    clockRow->addWidget(Clock);
    clockRow->addStretch();
    clockRow->addWidget(NowBtn, 0, Qt::AlignBottom);
    tealLayout->addLayout(clockRow);

    auto* centre = new QWidget(TabDiary);
    GradientPanel* calHead = makeBand("CalHead", m_model.calendarHeading(), centre);
    calHead->setCaptionAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* navigator = new RecordNavigator(*m_model.diary(), m_guard, calHead);
    setName(navigator, "DiaryNavigator");
    using B = RecordNavigator::Button;
    navigator->setVisibleButtons(RecordNavigator::Buttons(B::First) | B::Last | B::Delete | B::Edit | B::Post |
                                 B::Cancel | B::Refresh);
    auto* calHeadLayout = new QHBoxLayout(calHead);
    calHeadLayout->setContentsMargins(6, 2, 6, 2);
    calHeadLayout->addStretch();
    calHeadLayout->addWidget(navigator);

    GradientPanel* diaryHeadPanel = makeBand("DiaryHeadPanel", QString(), centre);
    DiaryHead = new BlinkLabel(diaryHeadPanel);
    setName(DiaryHead, "DiaryHead");
    DiaryHead->setAlignment(Qt::AlignCenter);
    DiaryHead->setBlinkColour(Qt::black);
    QFont headFont(QStringLiteral("Georgia"));
    headFont.setBold(true);
    headFont.setPixelSize(18);
    DiaryHead->setFont(headFont);
    DiaryHead->setStyleSheet(QStringLiteral("color: white;"));
    auto* diaryHeadLayout = new QHBoxLayout(diaryHeadPanel);
    diaryHeadLayout->setContentsMargins(6, 2, 6, 2);
    diaryHeadLayout->addWidget(DiaryHead);

    Daytime = new DataMemo(*m_model.diary(), QStringLiteral("Day"), m_guard, centre);
    setName(Daytime, "Daytime");
    Daytime->setLineWrapMode(QPlainTextEdit::NoWrap);
    Daytime->setStatusTip(
        QStringLiteral("Double click to append Date and Time, Right click to Cut/Copy/Paste hilighted text."));
    QFont dayFont = Daytime->font();
    dayFont.setPixelSize(15);
    Daytime->setFont(dayFont);

    auto* centreLayout = new QVBoxLayout(centre);
    centreLayout->setContentsMargins(0, 0, 0, 0);
    centreLayout->setSpacing(0);
    centreLayout->addWidget(calHead);
    centreLayout->addWidget(diaryHeadPanel);
    centreLayout->addWidget(Daytime, 1);

    DiaryGrid = makeGrid(*m_model.diary(), "DiaryGrid");
    DiaryGrid->setColumns(pagecolumns::diary());
    DiaryGrid->setBoldEnteredTitle(false);
    DiaryGrid->setStatusTip(QStringLiteral("Tag with   y   as required for filtering and printing.   Change field to "
                                           "update Diary Notes heading and Calendar Date."));
    DiaryGrid->setFixedWidth(178);
    DiaryGrid->horizontalHeader()->setStretchLastSection(true);

    auto* layout = new QHBoxLayout(TabDiary);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(teal);
    layout->addWidget(centre, 1);
    layout->addWidget(DiaryGrid);

    connect(Calendar, &MonthCalendar::dateChanged, this, [this](const QDate& date) {
        if (date != m_model.calendarDate())
            m_guard.run([this, date] { m_model.calendarChange(date); });
    });
    connect(DiaryGrid, &QAbstractItemView::clicked, this, [this] {
        const QDate date = m_model.diary()->asDate(u"Date");
        if (date.isValid())
            Calendar->setCurrentDate(date);
    });
    m_colouredBoxes << Calendar << Daytime << ToDo;
}

void TMainForm::buildClientsPage()
{
    TabClients = new QWidget;
    setName(TabClients, "TabClients");
    PageControl->addTab(TabClients, QStringLiteral("Clients"));

    GradientPanel* head = makeBand("ClientHead", m_model.todayHeading(), TabClients);
    GradientPanel* sub = makeBand("ClientSubHead", QString(), TabClients);
    auto* navigator = new RecordNavigator(*m_model.names(), m_guard, sub);
    setName(navigator, "NameNavigator");
    auto* subLayout = new QHBoxLayout(sub);
    subLayout->setContentsMargins(6, 2, 6, 2);
    subLayout->addStretch();
    subLayout->addWidget(navigator);

    NamesGrid = makeGrid(*m_model.names(), "NamesGrid");
    NamesGrid->setColumns(pagecolumns::names(m_model.settings()));

    auto* panel2 = new QWidget(TabClients);
    setName(panel2, "Panel2");
    ClientNotes = new DataMemo(*m_model.names(), QStringLiteral("Notes"), m_guard, panel2);
    setName(ClientNotes, "ClientNotes");
    ClientNotes->setStatusTip(QString::fromLatin1(kNotesHint));
    Pix = new QLabel(panel2);
    setName(Pix, "Pix");
    Pix->setFixedSize(170, 150);
    Pix->setAlignment(Qt::AlignCenter);
    Pix->setFrameShape(QFrame::StyledPanel);
    Pix->setStatusTip(QStringLiteral("The client's picture. Click to show it."));
    Pix->installEventFilter(this);
    Pix->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Pix, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        m_popupTarget = Pix;
        PopupMenu1->popup(Pix->mapToGlobal(pos));
    });
    auto* panelLayout = new QHBoxLayout(panel2);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(ClientNotes, 1);
    panelLayout->addWidget(Pix);
    panel2->setFixedHeight(150);

    auto* layout = new QVBoxLayout(TabClients);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(head);
    layout->addWidget(sub);
    layout->addWidget(NamesGrid, 1);
    layout->addWidget(panel2);

    View* names = m_model.names();
    connect(names, &View::currentChanged, this, [this] {
        if (m_model.settings().pictureAutoDisplay())
            showPicture();
        else
            Pix->clear();
    });
    connect(names, &View::reset, this, [this] {
        if (m_model.settings().pictureAutoDisplay())
            showPicture();
    });
    m_colouredBoxes << ClientNotes;
}

void TMainForm::showPicture()
{
    if (!Pix || !m_model.names())
        return;
    const QByteArray bytes = m_model.names()->asBlob(u"Pix");
    QImage image;
    if (bytes.isEmpty() || !image.loadFromData(bytes)) {
        Pix->clear();
        return;
    }
    Pix->setPixmap(QPixmap::fromImage(image.scaled(Pix->size() - QSize(4, 4), Qt::KeepAspectRatio,
                                                   Qt::SmoothTransformation)));
}

TMainForm::LedgerPage TMainForm::buildLedgerPage(const LedgerNames& n, View& view, const QList<GridColumn>& columns)
{
    LedgerPage page;
    page.tab = new QWidget;
    setName(page.tab, n.tab);
    PageControl->addTab(page.tab, QString::fromLatin1(n.caption));
    GradientPanel* head = makeBand(n.head, m_model.todayHeading(), page.tab);
    GradientPanel* sub = makeBand(n.subHead, QString(), page.tab);
    auto* navigator = new RecordNavigator(view, m_guard, sub);
    setName(navigator, n.navigator);
    auto* subLayout = new QHBoxLayout(sub);
    subLayout->setContentsMargins(6, 2, 6, 2);
    subLayout->addStretch();
    subLayout->addWidget(navigator);
    page.grid = makeGrid(view, n.grid);
    page.grid->setColumns(columns);
    page.notes = new DataMemo(view, QStringLiteral("Notes"), m_guard, page.tab);
    setName(page.notes, n.notes);
    page.notes->setStatusTip(QString::fromLatin1(kNotesHint));
    page.notes->setFixedHeight(90);
    auto* layout = new QVBoxLayout(page.tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(head);
    layout->addWidget(sub);
    layout->addWidget(page.grid, 1);
    layout->addWidget(page.notes);
    m_colouredBoxes << page.notes;
    return page;
}

void TMainForm::buildExpensesPage()
{
    const LedgerPage page =
        buildLedgerPage({"TabExpenses", "Expenses", "ExpHeadPanel", "ExpSubHead", "DBNavigator4", "ExpendGrid", "NoteExp"},
                        *m_model.expend(), pagecolumns::expenses(m_model.settings()));
    TabExpenses = page.tab;
    ExpendGrid = page.grid;
    NoteExp = page.notes;
}

void TMainForm::buildIncomePage()
{
    const LedgerPage page =
        buildLedgerPage({"TabIncome", "Income", "IncHeadPanel", "IncSubHead", "DBNavigator1", "IncomeGrid", "NoteInc"},
                        *m_model.income(), pagecolumns::income(m_model.settings()));
    TabIncome = page.tab;
    IncomeGrid = page.grid;
    NoteInc = page.notes;
}

void TMainForm::buildNoDataPages()
{
    // Without a database the pages that show records stay empty but present, so
    // the owner's particulars can still be read and saved.
    const char* const names[] = {"TabDiary", "TabClients", "TabExpenses", "TabIncome"};
    const char* const captions[] = {"Diary", "Clients", "Expenses", "Income"};
    QWidget** pages[] = {&TabDiary, &TabClients, &TabExpenses, &TabIncome};
    for (int i = 0; i < 4; ++i) {
        *pages[i] = new QWidget;
        setName(*pages[i], names[i]);
        auto* label = new QLabel(QStringLiteral("The database could not be opened, so there are no records to show.\n"
                                                "The error log in the data folder says why."),
                                 *pages[i]);
        label->setAlignment(Qt::AlignCenter);
        auto* layout = new QVBoxLayout(*pages[i]);
        layout->addWidget(label);
        PageControl->addTab(*pages[i], QString::fromLatin1(captions[i]));
    }
}

void TMainForm::buildOfficePage()
{
    TabOffice = new QWidget;
    setName(TabOffice, "TabOffice");
    PageControl->addTab(TabOffice, QStringLiteral("Office"));
    GradientPanel* head = makeBand("LocalHead", m_model.officeHeading(), TabOffice);

    auto* owner = new GradientPanel(TabOffice);
    setName(owner, "OwnerPanel");
    owner->setDirection(GradientDirection::Vertical);
    m_bands.append(owner);

    struct Box
    {
        const char* control;
        const char* label;
        const char* hint;
    };
    const Box boxes[] = {
        {"OwnerName", "Owner", "Owners Name for use on Business Cards"},
        {"Co", "Company", "Company or trading name"},
        {"CoDet", "Details", "Extra company details: trading name, company number"},
        {"ABN", "ABN", "Your tax number (ABN)"},
        {"Addr1", "Postal address", "Primary (postal) address"},
        {"Addr2", "Street address", "Secondary (street) address"},
        {"Addr3", "Suburb", "Suburb"},
        {"Addr4", "City", "City or town"},
        {"Addr5", "State", "State"},
        {"Addr6", "Post code", "Nation / post code"},
        {"WPhone", "Work phone", "Office phone"},
        {"HPhone", "Home phone", "After-hours phone"},
        {"MPhone", "Mobile", "Mobile phone"},
        {"Fax", "Fax", "Fax number"},
        {"Email", "E-mail", "E-mail address"},
        {"Web", "Web", "Web address"},
        {"Services", "Services", "Services Provided ( for use on Business Cards )."},
    };
    QHash<QString, QString> keyOf;
    for (const Settings::OfficeBox& box : Settings::officeBoxes())
        keyOf.insert(box.control, box.key);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(6);
    for (const Box& b : boxes) {
        const QString control = QString::fromLatin1(b.control);
        auto* edit = new QLineEdit(owner);
        edit->setObjectName(control);
        edit->setStatusTip(QString::fromLatin1(b.hint));
        const QString key = keyOf.value(control);
        if (!key.isEmpty()) {
            edit->setText(m_model.settings().value(key));
            connect(edit, &QLineEdit::textEdited, this,
                    [this, key](const QString& text) { m_guard.run([&] { m_model.settings().setValue(key, text); }); });
        }
        const bool wide = control == QLatin1String("OwnerName") || control == QLatin1String("Co") ||
                          control == QLatin1String("CoDet") || control == QLatin1String("Services");
        edit->setMinimumWidth(wide ? 420 : 300);
        edit->setMaximumWidth(wide ? 560 : 420);
        auto* label = new QLabel(QString::fromLatin1(b.label), owner);
        label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
        form->addRow(label, edit);
        officeBoxes.insert(control, edit);
        if (control != QLatin1String("OwnerName") && control != QLatin1String("Services"))
            m_colouredBoxes << edit;
    }

    Impt = new QPlainTextEdit(owner);
    setName(Impt, "Impt");
    Impt->setStatusTip(QStringLiteral("Important notes: saved when Kelvora closes."));
    Impt->setPlainText(m_model.importantText());
    Impt->setFont(plainFont());
    connect(Impt, &QPlainTextEdit::textChanged, this, [this] { m_model.setImportantText(Impt->toPlainText()); });
    auto* imptLabel = new QLabel(QStringLiteral("Important"), owner);
    imptLabel->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    auto* imptColumn = new QVBoxLayout;
    imptColumn->addWidget(imptLabel);
    imptColumn->addWidget(Impt, 1);

    auto* ownerLayout = new QHBoxLayout(owner);
    ownerLayout->setContentsMargins(24, 16, 24, 16);
    ownerLayout->setSpacing(32);
    ownerLayout->addLayout(form);
    ownerLayout->addLayout(imptColumn, 1);

    auto* layout = new QVBoxLayout(TabOffice);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(head);
    layout->addWidget(owner, 1);
    m_colouredBoxes << Impt;
}

void TMainForm::applyColourScheme()
{
    const Settings& s = m_model.settings();
    const QColor grad1 = settingColour(s, "Grad1Str", QColor(0, 0, 255));
    const QColor grad2 = settingColour(s, "Grad2Str", QColor(0, 255, 0));
    const QColor grad3 = settingColour(s, "Grad3Str", QColor(0xFF, 0xFF, 0xBB));
    const QColor grad4 = settingColour(s, "Grad4Str", QColor(0x91, 0x91, 0xFF));
    const QColor highlight = settingColour(s, "StartColStr", QColor(0, 255, 0));
    for (GradientPanel* band : m_bands)
        band->setColours(grad1, grad2);
    for (GradientButton* button : m_buttons)
        button->setColours(grad1, grad2);
    if (Clock)
        Clock->setHourHandColour(grad2);
    ViewTableModel::Colours colours;
    colours.column = grad3;
    colours.oddRecord = grad4;
    colours.highlight = highlight;
    for (DataGrid* grid : {DiaryGrid, NamesGrid, ExpendGrid, IncomeGrid})
        if (grid)
            grid->setColours(colours);
    if (Calendar)
        Calendar->setBackgroundColour(grad3);
    for (QWidget* box : m_colouredBoxes) {
        QPalette p = box->palette();
        p.setColor(QPalette::Base, grad3);
        p.setColor(QPalette::Text, Qt::black);
        box->setPalette(p);
    }
}

void TMainForm::applyOfficeFonts()
{
    const Settings& s = m_model.settings();
    auto apply = [](QLineEdit* edit, const FontSetting& f) {
        if (!edit)
            return;
        QFont font(f.name);
        font.setPointSize(f.size > 0 ? f.size : 10);
        font.setBold(f.style & FontSetting::Bold);
        font.setItalic(f.style & FontSetting::Italic);
        font.setUnderline(f.style & FontSetting::Underline);
        font.setStrikeOut(f.style & FontSetting::StrikeOut);
        edit->setFont(font);
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, colourFromText(f.colour, Qt::black));
        edit->setPalette(p);
    };
    const FontSetting others = s.font(FontRole::Others);
    for (auto it = officeBoxes.cbegin(); it != officeBoxes.cend(); ++it)
        apply(it.value(), others);
    apply(officeBoxes.value(QStringLiteral("Co")), s.font(FontRole::Company));
    apply(officeBoxes.value(QStringLiteral("OwnerName")), s.font(FontRole::OwnerName));
    apply(officeBoxes.value(QStringLiteral("Services")), s.font(FontRole::Services));
    // The boxes keep the input colour of the scheme behind the owner's fonts.
    const QColor grad3 = settingColour(s, "Grad3Str", QColor(0xFF, 0xFF, 0xBB));
    for (QLineEdit* edit : std::as_const(officeBoxes)) {
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, grad3);
        edit->setPalette(p);
    }
}

// ---- show, close, resize ---------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMainForm::FormShow()
{
    const bool allowed = m_model.show([this] {
        TPasswordDlg dialog(m_model, this);
        return dialog.ask();
    });
    if (!allowed) {
        // A refused password ends the program without the close steps.
        m_refused = true;
        m_closing = true;
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return;
    }
    m_referenceWidth = width();
    PageControl->setCurrentWidget(TabDiary);
    setWindowTitle(m_model.windowCaption());
    if (DiaryGrid)
        DiaryGrid->setCurrentField(QStringLiteral("Date"));
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (m_refused) {
        event->accept();
        return;
    }
    // Pending text in an edit box reaches the model before anything is saved.
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    commitOpenEditors();
    const bool saved = m_guard.run([this] { m_model.closeSequence(); });
    if (!saved) {
        // Something could not be saved: the window stays open and nothing is lost.
        event->ignore();
        return;
    }
    event->accept();
    if (!m_destroyed) {
        m_destroyed = true;
        m_model.destroy();
    }
}

void TMainForm::commitOpenEditors()
{
    // A cell still being typed into belongs to its record before anything is posted.
    for (DataGrid* grid : {DiaryGrid, NamesGrid, ExpendGrid, IncomeGrid})
        if (grid)
            grid->commitOpenEditor();
}

void TMainForm::Exit1Click()
{
    // Exit saves exactly as closing the window does.
    close();
}

void TMainForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const int newWidth = width();
    if (m_referenceWidth <= 0 || newWidth == m_referenceWidth)
        return;
    for (DataGrid* grid : {NamesGrid, ExpendGrid, IncomeGrid}) {
        if (!grid)
            continue;
        QHeaderView* header = grid->horizontalHeader();
        for (int c = 0; c < header->count(); ++c)
            header->resizeSection(c, MainModel::scaledWidth(header->sectionSize(c), newWidth, m_referenceWidth));
    }
    for (const char* name : {"ABN", "Addr1", "Addr2", "Addr3", "Addr4", "Addr5", "Addr6"}) {
        if (QLineEdit* edit = officeBoxes.value(QString::fromLatin1(name))) {
            const int w = MainModel::scaledWidth(edit->width(), newWidth, m_referenceWidth);
            edit->setMinimumWidth(std::min(w, edit->maximumWidth()));
        }
    }
    m_referenceWidth = newWidth;
}

// ---- handlers -------------------------------------------------------------------

void TMainForm::NowBtnClick()
{
    m_model.calendarChange(m_model.today());
}

void TMainForm::calendarDateShown(const QDate& date)
{
    if (Calendar && Calendar->currentDate() != date)
        Calendar->setCurrentDate(date);
    if (DiaryHead) {
        DiaryHead->setText(m_model.diaryHeading(date));
        DiaryHead->setBlinking(date != m_model.today());
    }
    if (Daytime) {
        Daytime->reload();
        QTextCursor cursor = Daytime->textCursor();
        cursor.movePosition(QTextCursor::End);
        Daytime->setTextCursor(cursor);
    }
}

void TMainForm::Change1Click()
{
    m_guard.run([this] { m_model.changePassword(); });
}

void TMainForm::PageControlChange(int index)
{
    commitOpenEditors();
    m_guard.run([this, index] {
        const auto left = static_cast<MainModel::Page>(m_lastPage);
        m_lastPage = index;
        m_model.setActivePage(static_cast<MainModel::Page>(index));
        if (m_model.hasDatabase())
            m_model.leavePage(left);
        m_model.pageChanged();
    });
    QWidget* page = PageControl->widget(index);
    if (page == TabDiary && Daytime)
        Daytime->setFocus();
    else if (page == TabOffice)
        if (QLineEdit* owner = officeBoxes.value(QStringLiteral("OwnerName")))
            owner->setFocus();
}

void TMainForm::columnEntered(DataGrid* grid, const QString& field)
{
    m_guard.run([this, grid, field] { m_model.gridColumnEntered(grid->view(), field); });
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Pix && event->type() == QEvent::MouseButtonRelease) {
        showPicture();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::clipboardCommand(int which)
{
    switch (which) {
    case 0: PopUpCopyClick(); break;
    case 1: PopUpCutClick(); break;
    case 2: PopUpPasteClick(); break;
    default: Delete1Click(); break;
    }
}

void TMainForm::runClipboardCommand(void (MainModel::*onGrid)(View&, const QString&), void (MainModel::*onPicture)())
{
    m_guard.run([&] {
        if (auto* grid = qobject_cast<DataGrid*>(m_popupTarget))
            (m_model.*onGrid)(grid->view(), grid->currentField());
        else if (m_popupTarget == Pix)
            (m_model.*onPicture)();
        m_model.afterClipboardCommand();
    });
    if (m_popupTarget == Pix)
        showPicture();
}

void TMainForm::PopUpCopyClick()
{
    runClipboardCommand(&MainModel::gridCopy, &MainModel::pictureCopy);
}

void TMainForm::PopUpCutClick()
{
    runClipboardCommand(&MainModel::gridCut, &MainModel::pictureCut);
}

void TMainForm::PopUpPasteClick()
{
    runClipboardCommand(&MainModel::gridPaste, &MainModel::picturePaste);
}

void TMainForm::Delete1Click()
{
    m_guard.run([this] { m_model.afterClipboardCommand(); });
}

} // namespace kelvora
