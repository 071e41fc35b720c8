#include "server/http_transport.h"

namespace velmora {

HttpTransport::~HttpTransport() = default;

}  // namespace velmora
