#pragma once

#include <QApplication>

#include <functional>

namespace kelvora {

// The application object. A failure that escapes every handler is caught at the
// event loop, reported (error log, then the error box) and the program goes on.
class KelvoraApplication : public QApplication
{
    Q_OBJECT
public:
    using Reporter = std::function<void(const QString& message)>;

    KelvoraApplication(int& argc, char** argv);
    void setReporter(Reporter reporter) { m_reporter = std::move(reporter); }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void report(const QString& message);

    Reporter m_reporter;
};

} // namespace kelvora
