#include "server/server_reply.h"

namespace velmora {

std::string ServerReply::errorCode() const
{
    return getText("errcode");
}

std::string ServerReply::message() const
{
    return getText("msg");
}

}  // namespace velmora
