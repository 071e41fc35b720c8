#include "drawserver/draw_store.h"

#include <sqlite3.h>

#include "base/text_value.h"

namespace velmora::drawserver {
namespace {

class Statement {
public:
    Statement(sqlite3* db, const char* sql)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
            m_stmt = nullptr;
        }
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(m_stmt); }

    explicit operator bool() const { return m_stmt != nullptr; }
    sqlite3_stmt* get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

std::string columnText(sqlite3_stmt* stmt, int column)
{
    const unsigned char* text = sqlite3_column_text(stmt, column);
    return text ? std::string(reinterpret_cast<const char*>(text), std::size_t(sqlite3_column_bytes(stmt, column)))
                : std::string();
}

StoredDraw readDraw(sqlite3_stmt* stmt)
{
    StoredDraw stored;
    stored.period = sqlite3_column_int64(stmt, 0);
    stored.draw.period = numberText(stored.period);
    stored.draw.tag = columnText(stmt, 1);
    stored.draw.drawTime = columnText(stmt, 2);
    stored.draw.numbers = columnText(stmt, 3);
    stored.draw.seedBase = std::int32_t(sqlite3_column_int64(stmt, 4));
    if (sqlite3_column_type(stmt, 5) != SQLITE_NULL) {
        stored.drawAt = sqlite3_column_int64(stmt, 5);
    }
    return stored;
}

const char* originName(DrawOrigin origin)
{
    switch (origin) {
    case DrawOrigin::Seed:
        return "seed";
    case DrawOrigin::Schedule:
        return "schedule";
    case DrawOrigin::Import:
        return "import";
    }
    return "schedule";
}

constexpr const char* kSelectColumns = "SELECT period, tag, draw_time, numbers, seed_base, draw_at FROM draws ";

}  // namespace

DrawStore::DrawStore(sqlite3* db)
    : m_db(db)
{
}

DrawStore::~DrawStore()
{
    sqlite3_close(m_db);
}

std::unique_ptr<DrawStore> DrawStore::open(const std::string& path, std::string& error)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr)
        != SQLITE_OK) {
        error = "cannot open the draw store " + path + ": " + (db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<DrawStore> store(new DrawStore(db));
    // A published draw must survive a crash or a power cut: it may already
    // have been served. The exclusive lock keeps a second server out.
    const char* setup = "PRAGMA locking_mode = EXCLUSIVE;"
                        "PRAGMA journal_mode = WAL;"
                        "PRAGMA synchronous = FULL;"
                        "BEGIN EXCLUSIVE;"
                        "CREATE TABLE IF NOT EXISTS draws ("
                        " period INTEGER PRIMARY KEY,"
                        " tag TEXT NOT NULL,"
                        " draw_time TEXT NOT NULL,"
                        " numbers TEXT NOT NULL,"
                        " seed_base INTEGER NOT NULL,"
                        " draw_at INTEGER,"
                        " origin TEXT NOT NULL);"
                        "CREATE TABLE IF NOT EXISTS meta (key TEXT PRIMARY KEY, value INTEGER NOT NULL);"
                        "COMMIT;";
    if (!store->exec(setup)) {
        const bool busy = store->m_lastCode == SQLITE_BUSY || store->m_lastCode == SQLITE_LOCKED;
        error = "cannot use the draw store " + path + ": "
            + (busy ? std::string("it is in use by another velmora-server") : store->m_lastError);
        return nullptr;
    }
    return store;
}

bool DrawStore::exec(const char* sql)
{
    char* message = nullptr;
    m_lastCode = sqlite3_exec(m_db, sql, nullptr, nullptr, &message);
    if (m_lastCode != SQLITE_OK) {
        m_lastError = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        rollback();
        return false;
    }
    return true;
}

void DrawStore::rollback()
{
    if (!sqlite3_get_autocommit(m_db)) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

bool DrawStore::fail(const std::string& what)
{
    m_lastError = what + ": " + sqlite3_errmsg(m_db);
    return false;
}

std::optional<std::int64_t> DrawStore::count()
{
    Statement stmt(m_db, "SELECT count(*) FROM draws");
    if (!stmt || sqlite3_step(stmt.get()) != SQLITE_ROW) {
        fail("cannot count the draws");
        return std::nullopt;
    }
    return sqlite3_column_int64(stmt.get(), 0);
}

std::optional<std::optional<StoredDraw>> DrawStore::latest()
{
    auto draws = newest(1);
    if (!draws) {
        return std::nullopt;
    }
    if (draws->empty()) {
        return std::optional<StoredDraw>();
    }
    return std::optional<StoredDraw>(std::move(draws->front()));
}

std::optional<std::vector<StoredDraw>> DrawStore::newest(int limit)
{
    Statement stmt(m_db, (std::string(kSelectColumns) + "ORDER BY period DESC LIMIT ?").c_str());
    if (!stmt) {
        fail("cannot read the draws");
        return std::nullopt;
    }
    sqlite3_bind_int(stmt.get(), 1, limit);
    std::vector<StoredDraw> draws;
    int rc = 0;
    while ((rc = sqlite3_step(stmt.get())) == SQLITE_ROW) {
        draws.push_back(readDraw(stmt.get()));
    }
    if (rc != SQLITE_DONE) {
        fail("cannot read the draws");
        return std::nullopt;
    }
    return draws;
}

std::optional<bool> DrawStore::contains(std::int64_t period)
{
    Statement stmt(m_db, "SELECT 1 FROM draws WHERE period = ?");
    if (!stmt) {
        fail("cannot read the draws");
        return std::nullopt;
    }
    sqlite3_bind_int64(stmt.get(), 1, period);
    const int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
        fail("cannot read the draws");
        return std::nullopt;
    }
    return rc == SQLITE_ROW;
}

std::optional<std::optional<std::int64_t>> DrawStore::resumeAt()
{
    Statement stmt(m_db, "SELECT value FROM meta WHERE key = 'resume_at'");
    if (!stmt) {
        fail("cannot read the schedule");
        return std::nullopt;
    }
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_ROW) {
        return std::optional<std::int64_t>(sqlite3_column_int64(stmt.get(), 0));
    }
    if (rc != SQLITE_DONE) {
        fail("cannot read the schedule");
        return std::nullopt;
    }
    return std::optional<std::int64_t>();
}

bool DrawStore::insert(const std::vector<StoredDraw>& draws, DrawOrigin origin,
                       std::optional<std::int64_t> newResumeAt)
{
    if (!exec("BEGIN IMMEDIATE")) {
        return false;
    }
    {
        Statement stmt(m_db,
                       "INSERT INTO draws (period, tag, draw_time, numbers, seed_base, draw_at, origin)"
                       " VALUES (?, ?, ?, ?, ?, ?, ?)");
        if (!stmt) {
            fail("cannot store the draws");
            rollback();
            return false;
        }
        for (const StoredDraw& stored : draws) {
            sqlite3_reset(stmt.get());
            sqlite3_bind_int64(stmt.get(), 1, stored.period);
            sqlite3_bind_text(stmt.get(), 2, stored.draw.tag.data(), int(stored.draw.tag.size()), SQLITE_STATIC);
            sqlite3_bind_text(stmt.get(), 3, stored.draw.drawTime.data(), int(stored.draw.drawTime.size()),
                              SQLITE_STATIC);
            sqlite3_bind_text(stmt.get(), 4, stored.draw.numbers.data(), int(stored.draw.numbers.size()),
                              SQLITE_STATIC);
            sqlite3_bind_int64(stmt.get(), 5, stored.draw.seedBase);
            if (stored.drawAt) {
                sqlite3_bind_int64(stmt.get(), 6, *stored.drawAt);
            } else {
                sqlite3_bind_null(stmt.get(), 6);
            }
            sqlite3_bind_text(stmt.get(), 7, originName(origin), -1, SQLITE_STATIC);
            if (sqlite3_step(stmt.get()) != SQLITE_DONE) {
                fail("cannot store period " + stored.draw.period);
                rollback();
                return false;
            }
        }
    }
    if (newResumeAt) {
        Statement stmt(m_db, "INSERT OR REPLACE INTO meta (key, value) VALUES ('resume_at', ?)");
        if (!stmt) {
            fail("cannot store the schedule");
            rollback();
            return false;
        }
        sqlite3_bind_int64(stmt.get(), 1, *newResumeAt);
        if (sqlite3_step(stmt.get()) != SQLITE_DONE) {
            fail("cannot store the schedule");
            rollback();
            return false;
        }
    }
    if (sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        fail("cannot commit the draws");
        rollback();
        return false;
    }
    return true;
}

}  // namespace velmora::drawserver
