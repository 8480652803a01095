#include "core/store/Transaction.h"

#include "core/store/Database.h"

namespace kelvora {

Transaction::Transaction(Database& db) : m_db(db), m_level(db.beginTransaction()) {}

Transaction::~Transaction()
{
    if (!m_done)
        m_db.rollbackTransaction(m_level);
}

void Transaction::commit()
{
    if (m_done)
        return;
    m_db.commitTransaction(m_level);
    m_done = true;
}

} // namespace kelvora
