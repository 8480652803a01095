// kelvora_make_data FOLDER [EXPENSES [INCOME [CLIENTS [DIARY_DAYS]]]]
// Writes FOLDER/Kelvora.db with generated records (fixed seed), for trying the
// program, its grids and its reports on tables of realistic size.

#include "support/DataFolderGenerator.h"

#include <QCoreApplication>
#include <QTextStream>

#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.isEmpty() || args.size() > 5) {
        err << "usage: kelvora_make_data FOLDER [EXPENSES [INCOME [CLIENTS [DIARY_DAYS]]]]\n";
        return 2;
    }
    kelvora::bench::DataFolderSpec spec;
    int* counts[] = {&spec.expenses, &spec.income, &spec.clients, &spec.diaryDays};
    for (qsizetype i = 1; i < args.size(); ++i) {
        bool ok = false;
        const int n = args[i].toInt(&ok);
        if (!ok || n < 0 || n > 5000000) {
            err << "not a record count: " << args[i] << "\n";
            return 2;
        }
        *counts[i - 1] = n;
    }
    try {
        QTextStream(stdout) << kelvora::bench::DataFolderGenerator::generate(args[0], spec) << "\n";
    } catch (const std::exception& e) {
        err << e.what() << "\n";
        return 1;
    }
    return 0;
}
