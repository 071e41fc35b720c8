#pragma once

#include <string>

#include "server/json_object.h"

namespace velmora {

// A reply document of the application server.
class ServerReply : public JsonObject {
public:
    // "errcode": "0" (or the number 0) on success.
    std::string errorCode() const;
    std::string message() const;
};

}  // namespace velmora
