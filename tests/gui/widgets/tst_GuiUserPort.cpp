#include "gui/app/GuiUserPort.h"

#include "core/base/KelvoraError.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace kelvora;

Q_DECLARE_METATYPE(kelvora::MsgButton)
Q_DECLARE_METATYPE(kelvora::MsgType)

class tst_GuiUserPort : public QObject
{
    Q_OBJECT

private slots:
    void eachOfferedButtonAnswersItself_data();
    void eachOfferedButtonAnswersItself();
    void boxCarriesTitleIconAndText_data();
    void boxCarriesTitleIconAndText();
    void messageDlgReturnsTheClickedButton();
    void inputBoxCancelReturnsDefault();
    void clipboardPictureRoundTripsAndRefusesGarbage();
    void busyCursorNests();
    void fileFilters_data();
    void fileFilters();
};

void tst_GuiUserPort::eachOfferedButtonAnswersItself_data()
{
    QTest::addColumn<MsgButton>("buttons");
    QTest::addColumn<int>("count");
    QTest::addColumn<MsgButton>("escape");
    QTest::newRow("OK") << MsgButton::OK << 1 << MsgButton::OK;
    QTest::newRow("Yes No") << (MsgButton::Yes | MsgButton::No) << 2 << MsgButton::No;
    QTest::newRow("Yes No Cancel") << (MsgButton::Yes | MsgButton::No | MsgButton::Cancel) << 3 << MsgButton::Cancel;
    QTest::newRow("Retry Cancel") << (MsgButton::Retry | MsgButton::Cancel) << 2 << MsgButton::Cancel;
    QTest::newRow("Abort Retry Ignore") << (MsgButton::Abort | MsgButton::Retry | MsgButton::Ignore) << 3 << MsgButton::Ignore;
    QTest::newRow("Yes All NoToAll YesToAll")
        << (MsgButton::Yes | MsgButton::All | MsgButton::NoToAll | MsgButton::YesToAll) << 4 << MsgButton::YesToAll;
    QTest::newRow("none offered gets OK") << MsgButton::None << 1 << MsgButton::OK;
}

void tst_GuiUserPort::eachOfferedButtonAnswersItself()
{
    QFETCH(MsgButton, buttons);
    QFETCH(int, count);
    QFETCH(MsgButton, escape);
    GuiUserPort port;

    const auto probe = port.prepareBox(QStringLiteral("?"), MsgType::Confirmation, buttons);
    QCOMPARE(probe.box->buttons().size(), count);
    QCOMPARE(probe.answers.size(), count);
    QCOMPARE(probe.escapeAnswer, escape);
    // Closing the box without a button gives the escape answer.
    QCOMPARE(GuiUserPort::answerOf(probe), escape);

    for (int i = 0; i < count; ++i) {
        auto prepared = port.prepareBox(QStringLiteral("?"), MsgType::Confirmation, buttons);
        const auto [button, expected] = prepared.answers.at(i);
        if (buttons != MsgButton::None)
            QVERIFY(hasButton(buttons, expected));
        button->click();
        QCOMPARE(GuiUserPort::answerOf(prepared), expected);
    }
}

void tst_GuiUserPort::boxCarriesTitleIconAndText_data()
{
    QTest::addColumn<MsgType>("type");
    QTest::addColumn<int>("icon");
    QTest::newRow("warning") << MsgType::Warning << int(QMessageBox::Warning);
    QTest::newRow("error") << MsgType::Error << int(QMessageBox::Critical);
    QTest::newRow("information") << MsgType::Information << int(QMessageBox::Information);
    QTest::newRow("confirmation") << MsgType::Confirmation << int(QMessageBox::Question);
    QTest::newRow("custom") << MsgType::Custom << int(QMessageBox::NoIcon);
}

void tst_GuiUserPort::boxCarriesTitleIconAndText()
{
    QFETCH(MsgType, type);
    QFETCH(int, icon);
    GuiUserPort port;
    // Texts are shown as typed: markup-like characters are not interpreted.
    const QString text = QStringLiteral("Line <b>1</b>\r\nLine 2");
    const auto prepared = port.prepareBox(text, type, MsgButton::OK);
    QCOMPARE(prepared.box->windowTitle(), QStringLiteral("Kelvora"));
    QCOMPARE(int(prepared.box->icon()), icon);
    QCOMPARE(prepared.box->text(), text);
    QCOMPARE(prepared.box->textFormat(), Qt::PlainText);
}

void tst_GuiUserPort::messageDlgReturnsTheClickedButton()
{
    GuiUserPort port;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        box->button(QMessageBox::No)->click();
    });
    QCOMPARE(port.messageDlg(QStringLiteral("Input Todays Date ?"), MsgType::Confirmation, MsgButton::Yes | MsgButton::No),
             MsgButton::No);

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QCOMPARE(port.messageDlg(QStringLiteral("REPLACE ?"), MsgType::Confirmation,
                             MsgButton::Yes | MsgButton::No | MsgButton::Cancel),
             MsgButton::Cancel);
}

void tst_GuiUserPort::inputBoxCancelReturnsDefault()
{
    GuiUserPort port;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("typed"));
        dialog->reject();
    });
    QCOMPARE(port.inputBox(QStringLiteral("Format dd/mm/yyyy"), QStringLiteral("Enter DOB"), QStringLiteral("01/01/2000")),
             QStringLiteral("01/01/2000"));

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("typed"));
        dialog->accept();
    });
    QCOMPARE(port.inputBox(QStringLiteral("c"), QStringLiteral("p"), QStringLiteral("d")), QStringLiteral("typed"));
}

void tst_GuiUserPort::clipboardPictureRoundTripsAndRefusesGarbage()
{
    GuiUserPort port;
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(picture.save(&buffer, "PNG"));
    }
    port.setClipboardPicture(png);
    const QImage back = QImage::fromData(port.clipboardPicture());
    QCOMPARE(back.size(), picture.size());
    QCOMPARE(back.pixel(3, 3) & 0xFFFFFF, qRgb(10, 200, 30) & 0xFFFFFF);

    // Bytes that are no picture are refused and the clipboard keeps what it had.
    QVERIFY_THROWS_EXCEPTION(KelvoraError, port.setClipboardPicture(QByteArray("not a picture")));
    QCOMPARE(QImage::fromData(port.clipboardPicture()).size(), picture.size());
}

void tst_GuiUserPort::busyCursorNests()
{
    GuiUserPort port;
    {
        BusyCursor outer(port);
        {
            BusyCursor inner(port);
            QCOMPARE(port.busyDepth(), 2);
            QVERIFY(QApplication::overrideCursor());
        }
        QCOMPARE(port.busyDepth(), 1);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QCOMPARE(port.busyDepth(), 0);
    QVERIFY(!QApplication::overrideCursor());
    port.endBusy(); // unbalanced: ignored
    QCOMPARE(port.busyDepth(), 0);
}

void tst_GuiUserPort::fileFilters_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    QTest::newRow("pair") << "Text files|*.Txt" << "Text files (*.Txt)";
    QTest::newRow("two pairs, several patterns") << "Pictures|*.jpg;*.png|All|*.*" << "Pictures (*.jpg *.png);;All (*.*)";
    QTest::newRow("already native") << "Text files (*.txt)" << "Text files (*.txt)";
    QTest::newRow("empty") << "" << "";
}

void tst_GuiUserPort::fileFilters()
{
    QFETCH(QString, given);
    QFETCH(QString, expected);
    QCOMPARE(GuiUserPort::toolkitFilter(given), expected);
}

QTEST_MAIN(tst_GuiUserPort)
#include "tst_GuiUserPort.moc"
