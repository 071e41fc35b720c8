#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/draw_record.h"

struct sqlite3;

namespace velmora::drawserver {

// Where a stored draw came from.
enum class DrawOrigin { Seed, Schedule, Import };

struct StoredDraw {
    DrawRecord draw;
    std::int64_t period = 0;              // the integer value of draw.period
    std::optional<std::int64_t> drawAt;   // Unix seconds, when known
};

// The published draws in one SQLite file. The store holds an exclusive lock
// on the file while it is open, so two servers never publish into one store.
class DrawStore {
public:
    DrawStore(const DrawStore&) = delete;
    DrawStore& operator=(const DrawStore&) = delete;
    ~DrawStore();

    // Opens or creates the file; none with the reason in `error`.
    static std::unique_ptr<DrawStore> open(const std::string& path, std::string& error);

    // Reads fail only on I/O errors; they then return none or false and leave
    // the reason in lastError().
    std::optional<std::int64_t> count();
    // The draw with the highest period; an empty optional inside when the
    // store is empty.
    std::optional<std::optional<StoredDraw>> latest();
    // The `limit` draws with the highest periods, highest first.
    std::optional<std::vector<StoredDraw>> newest(int limit);
    std::optional<bool> contains(std::int64_t period);

    // The schedule resumes after this instant when it lies after the latest
    // draw (set by an import that brought newer draws).
    std::optional<std::optional<std::int64_t>> resumeAt();

    // Writes all draws (and the resume instant, when given) in one
    // transaction: all of them are stored or none is.
    bool insert(const std::vector<StoredDraw>& draws, DrawOrigin origin, std::optional<std::int64_t> newResumeAt);

    const std::string& lastError() const { return m_lastError; }

private:
    explicit DrawStore(sqlite3* db);
    bool exec(const char* sql);
    void rollback();
    bool fail(const std::string& what);

    sqlite3* m_db;
    std::string m_lastError;
    int m_lastCode = 0;
};

}  // namespace velmora::drawserver
