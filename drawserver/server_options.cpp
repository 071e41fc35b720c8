#include "drawserver/server_options.h"

#include <cstdlib>

namespace velmora::drawserver {
namespace {

constexpr std::int64_t kMaxInterval = 24 * 60 * 60;

bool readInteger(const std::string& text, std::int64_t low, std::int64_t high, std::int64_t& value)
{
    if (text.empty() || text.size() > 10) {
        return false;
    }
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return value >= low && value <= high;
}

// "ADDR:PORT", "[V6ADDR]:PORT".
bool readListen(const std::string& text, std::string& address, unsigned short& port)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return false;
    }
    std::string host = text.substr(0, colon);
    if (host.front() == '[') {
        if (host.size() < 3 || host.back() != ']') {
            return false;
        }
        host = host.substr(1, host.size() - 2);
    } else if (host.find(':') != std::string::npos) {
        return false;
    }
    std::int64_t value = 0;
    if (!readInteger(text.substr(colon + 1), 0, 65535, value)) {
        return false;
    }
    address = host;
    port = static_cast<unsigned short>(value);
    return true;
}

}  // namespace

ParsedOptions parseServerOptions(const std::vector<std::string>& args)
{
    ParsedOptions parsed;
    ServerOptions& options = parsed.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            return parsed;
        }
        std::string name = arg;
        std::optional<std::string> value;
        const std::size_t eq = arg.find('=');
        if (arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        const bool known = name == "--listen" || name == "--db" || name == "--interval" || name == "--version"
            || name == "--update-file" || name == "--import" || name == "--threads";
        if (!known) {
            parsed.error = "unknown option " + arg;
            return parsed;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                parsed.error = name + " needs a value";
                return parsed;
            }
            value = args[++i];
        }
        std::int64_t number = 0;
        if (name == "--listen") {
            if (!readListen(*value, options.listenAddress, options.port)) {
                parsed.error = "--listen wants ADDR:PORT, for example 127.0.0.1:19200, not \"" + *value + "\"";
                return parsed;
            }
        } else if (name == "--db") {
            options.dbPath = *value;
        } else if (name == "--interval") {
            if (!readInteger(*value, 1, kMaxInterval, number)) {
                parsed.error = "--interval wants whole seconds from 1 to " + std::to_string(kMaxInterval) + ", not \""
                    + *value + "\"";
                return parsed;
            }
            options.intervalSeconds = number;
        } else if (name == "--version") {
            options.version = *value;
        } else if (name == "--update-file") {
            options.updateFile = *value;
        } else if (name == "--import") {
            options.importFile = *value;
        } else if (name == "--threads") {
            if (!readInteger(*value, 1, 64, number)) {
                parsed.error = "--threads wants a number from 1 to 64, not \"" + *value + "\"";
                return parsed;
            }
            options.threads = int(number);
        }
        if (name != "--db" && name != "--update-file" && name != "--import" && value->empty()) {
            parsed.error = name + " needs a value";
            return parsed;
        }
        if ((name == "--db" || name == "--update-file" || name == "--import") && value->empty()) {
            parsed.error = name + " needs a file name";
            return parsed;
        }
    }
    return parsed;
}

std::string serverUsage()
{
    return "Usage: velmora-server [options]\n"
           "Serves PK10 draws to Velmora: the handshake and the functions init, newestdraw and\n"
           "select_draw, the latest period, a web page of the latest draws and an update download.\n"
           "\n"
           "  --listen ADDR:PORT   where to listen (default 127.0.0.1:19200)\n"
           "  --db FILE            the draw store (default $XDG_DATA_HOME/velmora/draws.sqlite,\n"
           "                       else ~/.local/share/velmora/draws.sqlite)\n"
           "  --interval SECONDS   time between draws, 1 to 86400 (default 300)\n"
           "  --version TEXT       the newest program version announced by init (default 1.15)\n"
           "  --update-file FILE   offer FILE for download at the update address\n"
           "  --import FILE        load draws from a history CSV file before serving\n"
           "  --threads N          network threads (default: one per processor core)\n"
           "  -h, --help           show this text\n";
}

std::optional<std::string> defaultDbPath()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') {
        return std::string(dataHome) + "/velmora/draws.sqlite";
    }
    const char* home = std::getenv("HOME");
    if (home && home[0] != '\0') {
        return std::string(home) + "/.local/share/velmora/draws.sqlite";
    }
    return std::nullopt;
}

}  // namespace velmora::drawserver
