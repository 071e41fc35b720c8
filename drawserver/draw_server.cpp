#include "drawserver/draw_server.h"

#include <filesystem>
#include <fstream>

#include "drawserver/draw_import.h"
#include "drawserver/draw_publisher.h"
#include "drawserver/draw_store.h"
#include "drawserver/http_server.h"
#include "drawserver/log_sink.h"
#include "drawserver/request_handler.h"
#include "drawserver/server_clock.h"
#include "drawserver/ticket_book.h"
#include "drawserver/update_file.h"

namespace velmora::drawserver {
namespace {

bool isLoopback(const std::string& address)
{
    return address.rfind("127.", 0) == 0 || address == "::1" || address == "localhost";
}

bool runImport(DrawStore& store, const std::string& path, std::int64_t now, LogSink& log, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot read the import file " + path;
        return false;
    }
    const ImportReport report = importDraws(store, in, now);
    if (!report.ok) {
        error = "cannot import " + path + ": " + report.error;
        return false;
    }
    for (const DrawCsvProblem& problem : report.rejected) {
        log.write("import " + path + " line " + std::to_string(problem.line) + ": rejected: " + problem.message);
    }
    for (const DrawCsvProblem& problem : report.duplicates) {
        log.write("import " + path + " line " + std::to_string(problem.line) + ": " + problem.message);
    }
    log.write("import " + path + ": " + std::to_string(report.imported) + " draws stored, "
              + std::to_string(report.duplicates.size()) + " duplicates skipped, "
              + std::to_string(report.rejected.size()) + " rows rejected");
    return true;
}

}  // namespace

DrawServer::DrawServer(ServerOptions options, const ServerClock& clock, LogSink& log)
    : m_options(std::move(options))
    , m_clock(clock)
    , m_log(log)
{
}

DrawServer::~DrawServer()
{
    stop();
}

bool DrawServer::start(std::string& error)
{
    std::string dbPath = m_options.dbPath;
    if (dbPath.empty()) {
        const auto path = defaultDbPath();
        if (!path) {
            error = "no home directory to keep the draw store in; name a file with --db";
            return false;
        }
        dbPath = *path;
    }
    const std::filesystem::path parent = std::filesystem::path(dbPath).parent_path();
    if (!parent.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(parent, ec);
        if (ec) {
            error = "cannot create the folder " + parent.string() + ": " + ec.message();
            return false;
        }
    }

    std::shared_ptr<const UpdateFile> update;
    if (!m_options.updateFile.empty()) {
        update = loadUpdateFile(m_options.updateFile, error);
        if (!update) {
            return false;
        }
    }

    m_store = DrawStore::open(dbPath, error);
    if (!m_store) {
        return false;
    }
    if (!m_options.importFile.empty()
        && !runImport(*m_store, m_options.importFile, m_clock.nowSeconds(), m_log, error)) {
        return false;
    }
    m_publisher = std::make_unique<DrawPublisher>(*m_store, m_clock, DrawSchedule(m_options.intervalSeconds), m_log);
    if (!m_publisher->start(error)) {
        error = "cannot publish draws into " + dbPath + ": " + error;
        return false;
    }

    AppSettings settings;
    settings.version = m_options.version;
    settings.updatePath = update ? update->urlPath : updatePathFor("velmora");
    m_tickets = std::make_unique<TicketBook>();
    m_handler = std::make_unique<RequestHandler>(*m_publisher, *m_tickets, m_clock, settings);

    HttpSettings http;
    http.address = m_options.listenAddress;
    http.port = m_options.port;
    http.threads = m_options.threads;
    http.requestTimeout = m_options.requestTimeout;
    m_http = std::make_unique<HttpServer>(http, *m_handler, *m_publisher, update, m_log);
    if (m_stopOnSignals) {
        m_http->stopOnSignals();
    }
    if (!m_http->start(error)) {
        return false;
    }

    m_scheduleThread = std::thread([this] { runSchedule(); });

    m_log.write("serving " + endpointUrl() + " from " + dbPath + "; latest period "
                + m_publisher->snapshot()->latestPeriod + ", a draw every " + std::to_string(m_options.intervalSeconds)
                + " s" + (update ? ", update file " + update->name : std::string()));
    if (!isLoopback(m_options.listenAddress)) {
        m_log.write("listening on " + m_options.listenAddress + ": other machines can reach this server");
    }
    return true;
}

unsigned short DrawServer::port() const
{
    return m_http ? m_http->port() : 0;
}

std::string DrawServer::endpointUrl() const
{
    return baseUrlFor({}, m_options.listenAddress, port()) + "/";
}

const SnapshotSource& DrawServer::draws() const
{
    return *m_publisher;
}

void DrawServer::stopOnSignals()
{
    m_stopOnSignals = true;
}

void DrawServer::runSchedule()
{
    std::unique_lock lock(m_scheduleMutex);
    while (!m_stopping) {
        m_scheduleWake.wait_for(lock, m_options.scheduleCheck);
        if (m_stopping) {
            break;
        }
        lock.unlock();
        m_publisher->publishDue();
        lock.lock();
    }
}

void DrawServer::wait()
{
    if (m_http) {
        m_http->wait();
    }
    stop();
}

void DrawServer::stop()
{
    if (m_http) {
        m_http->stop();
    }
    {
        const std::lock_guard lock(m_scheduleMutex);
        m_stopping = true;
    }
    m_scheduleWake.notify_all();
    if (m_scheduleThread.joinable()) {
        m_scheduleThread.join();
    }
}

}  // namespace velmora::drawserver
