#pragma once

namespace kelvora {

class Database;

// One write to the file. It commits only when told to; leaving the scope
// without commit() rolls everything back. A transaction opened inside another
// one is a savepoint of it: it commits or rolls back its own part, and the
// outer one still decides for the whole.
class Transaction
{
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // Throws KelvoraError when the file refuses; the work is then rolled back.
    void commit();

private:
    Database& m_db;
    int m_level;
    bool m_done = false;
};

} // namespace kelvora
