#include <QtTest>

#include "core/app/ErrorLog.h"

using namespace kelvora;

class tst_ErrorLog : public QObject
{
    Q_OBJECT

private slots:
    void appendsOneEntryPerMessage();
    void unwritableLogReportsFailure();
};

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void tst_ErrorLog::appendsOneEntryPerMessage()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Kelvora.Log");
    QDateTime now(QDate(2024, 3, 5), QTime(14, 7, 9));
    Regional dotted = Regional::australian();
    dotted.dateSeparator = QLatin1Char('.');
    const ErrorLog log(path, dotted, [&now] { return now; });

    QVERIFY(log.append("Disk full"));
    now = now.addSecs(3661);
    QVERIFY(log.append("Post failed\r\nsecond line"));
    QCOMPARE(readAll(path), QByteArray("05.03.2024 14:07:09:Disk full\n"
                                       "05.03.2024 15:08:10:Post failed\r\nsecond line\n"));
}

void tst_ErrorLog::unwritableLogReportsFailure()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("Kelvora.Log");
    QVERIFY(QDir().mkpath(path));
    QVERIFY(!ErrorLog(path).append("lost"));
}

QTEST_GUILESS_MAIN(tst_ErrorLog)
#include "tst_ErrorLog.moc"
