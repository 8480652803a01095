#include "gui/pages/OfficePage.h"

#include "core/office/OfficeModel.h"
#include "core/office/OfficeParticulars.h"
#include "core/pages/PageColumns.h"
#include "core/settings/ColourScheme.h"
#include "core/settings/Settings.h"
#include "gui/widgets/ClickHook.h"
#include "gui/widgets/ColourAdapter.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/HandlerGuard.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kelvora {

namespace {

QLabel* whiteLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    return label;
}

QFont fontOf(const FontSetting& f)
{
    QFont font(f.name);
    font.setPointSize(f.size > 0 ? f.size : 10);
    font.setBold(f.style & FontSetting::Bold);
    font.setItalic(f.style & FontSetting::Italic);
    font.setUnderline(f.style & FontSetting::Underline);
    font.setStrikeOut(f.style & FontSetting::StrikeOut);
    return font;
}

} // namespace

OfficePage::OfficePage(OfficeModel& model, const Settings& settings, HandlerGuard& guard, QWidget* parent)
    : PageBase(PageId::Office, guard, parent), m_model(model), m_settings(settings)
{
    setObjectName(QStringLiteral("TabOffice"));
    LocalHead = makeHeadBand(QStringLiteral("LocalHead"), model.heading(), this);
    OwnerPanel = new GradientPanel(this);
    OwnerPanel->setObjectName(QStringLiteral("OwnerPanel"));
    OwnerPanel->setDirection(GradientDirection::Vertical);
    addBand(OwnerPanel);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(6);
    for (const OfficeBox& b : officeParticulars()) {
        auto* edit = new QLineEdit(OwnerPanel);
        edit->setObjectName(b.control);
        edit->setStatusTip(b.hint);
        edit->setText(model.boxText(b));
        connect(edit, &QLineEdit::textEdited, this,
                [this, &b](const QString& text) { m_guard.run([&] { m_model.setBoxText(b, text); }); });
        edit->setMinimumWidth(b.wide ? 420 : 300);
        edit->setMaximumWidth(b.wide ? 560 : 420);
        form->addRow(whiteLabel(b.label, OwnerPanel), edit);
        m_boxes.insert(b.control, edit);
    }

    Impt = new QPlainTextEdit(OwnerPanel);
    Impt->setObjectName(QStringLiteral("Impt"));
    Impt->setStatusTip(QStringLiteral("Important notes: saved when Kelvora closes."));
    Impt->setPlainText(model.important().text());
    Impt->setFont(plainFont());
    connect(Impt, &QPlainTextEdit::textChanged, this, [this] { m_model.important().setText(Impt->toPlainText()); });
    ClickHook::onDoubleClick(Impt, [this] {
        m_guard.run([this] { m_model.ImptDblClick(); });
        Impt->setPlainText(m_model.important().text());
        Impt->moveCursor(QTextCursor::End);
    });
    auto* imptColumn = new QVBoxLayout;
    imptColumn->addWidget(whiteLabel(QStringLiteral("Important"), OwnerPanel));
    imptColumn->addWidget(Impt, 1);

    auto* ownerLayout = new QHBoxLayout(OwnerPanel);
    ownerLayout->setContentsMargins(24, 16, 24, 16);
    ownerLayout->setSpacing(32);
    ownerLayout->addLayout(form);
    ownerLayout->addLayout(imptColumn, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(LocalHead);
    layout->addWidget(OwnerPanel, 1);
    addColouredBox(Impt);
}

void OfficePage::applyColourScheme(const ColourScheme& scheme)
{
    PageBase::applyColourScheme(scheme);
    applyFonts();
    // The boxes keep the input colour of the scheme behind the owner's fonts.
    for (QLineEdit* edit : std::as_const(m_boxes)) {
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, toQColor(scheme.input));
        edit->setPalette(p);
    }
}

void OfficePage::applyFonts()
{
    for (const OfficeBox& b : officeParticulars()) {
        QLineEdit* edit = m_boxes.value(b.control);
        if (!edit)
            continue;
        if (!b.font) {
            edit->setFont(plainFont());
            continue;
        }
        const FontSetting f = m_settings.font(*b.font);
        edit->setFont(fontOf(f));
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, colourFromText(f.colour, Qt::black));
        edit->setPalette(p);
    }
}

void OfficePage::pageShown()
{
    if (QLineEdit* owner = box(QStringLiteral("OwnerName")))
        owner->setFocus();
}

void OfficePage::scaleWidths(int newWidth, int referenceWidth)
{
    for (const OfficeBox& b : officeParticulars()) {
        QLineEdit* edit = m_boxes.value(b.control);
        if (!edit || !b.scalesWithWindow)
            continue;
        const int w = pagecolumns::scaledWidth(edit->width(), newWidth, referenceWidth);
        edit->setMinimumWidth(std::min(w, edit->maximumWidth()));
    }
}

} // namespace kelvora
