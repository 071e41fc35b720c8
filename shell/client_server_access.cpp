#include "shell/client_server_access.h"

#include "server/draw_history_load.h"
#include "server/server_client.h"

namespace velmora {

ClientServerAccess::ClientServerAccess(std::unique_ptr<ServerClient> client) : m_client(std::move(client)) {}

ClientServerAccess::~ClientServerAccess() = default;

bool ClientServerAccess::connect(const std::string& url, std::int32_t softwareNumber)
{
    return m_client->connect(url, softwareNumber);
}

std::string ClientServerAccess::lastError()
{
    return m_client->lastError();
}

AppInfo ClientServerAccess::copyAppInfo()
{
    return m_client->copyAppInfo();
}

bool ClientServerAccess::queryNewestDraw(std::vector<std::string>& fields)
{
    return m_client->queryNewestDraw(fields);
}

std::string ClientServerAccess::queryLatestPeriod()
{
    return m_client->queryLatestPeriod();
}

bool ClientServerAccess::loadRecentDraws(MessageSink& messages, int count, std::vector<DrawRecord>& history)
{
    return velmora::loadRecentDraws(*m_client, messages, count, history);
}

}  // namespace velmora
