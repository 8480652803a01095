#pragma once

#include <QApplication>

namespace kelvora {

class Reporter;

// The application object. A failure that escapes every handler is caught at the
// event loop, reported (error log, then the error box) and the program goes on.
class KelvoraApplication : public QApplication
{
    Q_OBJECT
public:
    KelvoraApplication(int& argc, char** argv);
    // Failures go to `reporter` once the program has one; a plain box before that.
    void setReporter(Reporter* reporter) { m_reporter = reporter; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void report(const QString& message);

    Reporter* m_reporter = nullptr;
};

} // namespace kelvora
