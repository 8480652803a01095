#pragma once

#include "core/pages/PageContext.h"
#include "core/settings/Settings.h"
#include "support/ScriptedUserPort.h"

#include <QDateTime>

namespace kelvora::test {

// What a page model needs around it in a test: a scripted user, default
// settings, Australian formats and a clock standing at `today`, 9.30 am.
struct PageContextFixture
{
    ScriptedUserPort m_port;
    Settings m_settings;
    Regional m_regional = Regional::australian();
    QDate m_today = QDate(2026, 12, 11);

    PageContext context()
    {
        return {m_port, m_settings, m_regional, [this] { return QDateTime(m_today, QTime(9, 30)); }};
    }
};

} // namespace kelvora::test
