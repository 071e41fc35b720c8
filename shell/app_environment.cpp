#include "shell/app_environment.h"

namespace velmora {

std::string builtInServerUrl()
{
    return VELMORA_PRIMARY_SERVER_URL;
}

std::string loopbackServerUrl()
{
    return "http://127.0.0.1:19200/";
}

}  // namespace velmora
