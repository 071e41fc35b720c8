#pragma once

#include <memory>

#include "shell/server_access.h"

namespace velmora {

class ServerClient;

// The shell's server calls carried out by the server client.
class ClientServerAccess : public ServerAccess {
public:
    explicit ClientServerAccess(std::unique_ptr<ServerClient> client);
    ~ClientServerAccess() override;

    bool connect(const std::string& url, std::int32_t softwareNumber) override;
    std::string lastError() override;
    AppInfo copyAppInfo() override;
    bool queryNewestDraw(std::vector<std::string>& fields) override;
    std::string queryLatestPeriod() override;
    bool loadRecentDraws(MessageSink& messages, int count, std::vector<DrawRecord>& history) override;

private:
    std::unique_ptr<ServerClient> m_client;
};

}  // namespace velmora
