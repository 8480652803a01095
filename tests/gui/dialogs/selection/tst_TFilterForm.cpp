#include "core/selection/DualFieldFilter.h"
#include "core/settings/ColourScheme.h"
#include "gui/dialogs/selection/TFilterForm.h"
#include "gui/widgets/GradientPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using namespace kelvora;

class tst_TFilterForm : public QObject
{
    Q_OBJECT

private slots:
    void bothStagesShowTheirTextsAndKeepTheEntries()
    {
        TFilterForm form{ColourScheme()};
        form.setFieldItems({QStringLiteral("All"), QStringLiteral("Tag"), QStringLiteral("Cat")});
        form.showTexts(DualFieldFilter::stage1(SelectionPage::Expenses));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral(" Dual Field Filtering Stage 1"));
        QCOMPARE(form.HeadPanel->caption(), QStringLiteral("Filter the   FIRST   field (Grid column)"));
        QVERIFY(!form.SecondLab->isVisible());
        QCOMPARE(form.ExpSel->currentText(), QString());
        QCOMPARE(form.ExpFilter->text(), QString());
        QVERIFY(form.Hinter->toPlainText().startsWith(
            QStringLiteral("Complex filtering will isolate records (Grid rows) on two distinct fields (Grid columns).\n\n")));
        QVERIFY(form.OKBtn->isDefault());

        // Choosing a field moves on to the filter box.
        form.ExpSel->setFocus();
        QTest::keyClick(form.ExpSel, Qt::Key_Down);
        emit form.ExpSel->activated(2);
        QCOMPARE(QApplication::focusWidget(), form.ExpFilter);
        form.ExpSel->setCurrentIndex(2);
        QTest::keyClicks(form.ExpFilter, QStringLiteral("Interest"));
        QCOMPARE(form.fieldText(), QStringLiteral("Cat"));
        QCOMPARE(form.filterText(), QStringLiteral("Interest"));

        form.showTexts(DualFieldFilter::stage2(SelectionPage::Expenses, form.fieldText(), form.filterText()));
        QCOMPARE(form.windowTitle(), QStringLiteral(" Dual Field Filtering  - STAGE 2"));
        QCOMPARE(form.HeadPanel->captionColour(), QColor(Qt::black));
        QVERIFY(form.SecondLab->isVisible());
        QVERIFY(form.Hinter->toPlainText().contains(
            QStringLiteral("You have already select the first Criteria ( Cat = Interest )")));
        QCOMPARE(form.filterText(), QStringLiteral("Interest"));
    }

    void okAcceptsAndCancelOrEscapeRejects_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << 0 << int(QDialog::Accepted);
        QTest::newRow("Cancel") << 1 << int(QDialog::Rejected);
        QTest::newRow("Escape") << 2 << int(QDialog::Rejected);
    }
    void okAcceptsAndCancelOrEscapeRejects()
    {
        QFETCH(int, how);
        QFETCH(int, result);
        TFilterForm form{ColourScheme()};
        form.setResult(-1);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (how == 0)
            QTest::mouseClick(form.OKBtn, Qt::LeftButton);
        else if (how == 1)
            QTest::mouseClick(form.CancelBtn, Qt::LeftButton);
        else
            QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(form.result(), result);
    }
};

QTEST_MAIN(tst_TFilterForm)
#include "tst_TFilterForm.moc"
