#include "ApOptions.h"

#include <cstdlib>
#include <sstream>

namespace {

bool parseNumber(const std::string& text, unsigned long max, unsigned long& out)
{
    if (text.empty() || text.size() > 10)
        return false;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 10);
    if (*end != '\0' || text[0] == '-' || value > max)
        return false;
    out = value;
    return true;
}

bool parseAddressWithBits(const std::string& text, ApSettings& settings)
{
    const auto slash = text.find('/');
    std::uint32_t address = 0;
    unsigned long bits = 24;
    if (!ParseIPv4(text.substr(0, slash), address))
        return false;
    if (slash != std::string::npos && !parseNumber(text.substr(slash + 1), 32, bits))
        return false;
    settings.ip = address;
    settings.netmask = bits == 0 ? 0 : ~std::uint32_t{0} << (32 - bits);
    return true;
}

// "OP:N"
bool parseOperationValue(const std::string& text, unsigned long max, std::uint8_t& opcode,
                         unsigned long& value)
{
    const auto colon = text.find(':');
    return colon != std::string::npos && ParseOperation(text.substr(0, colon), opcode) &&
           parseNumber(text.substr(colon + 1), max, value);
}

// "3@500,4@200"
bool parseWpsScript(const std::string& text, std::vector<WpsStep>& script)
{
    script.clear();
    std::stringstream parts(text);
    std::string part;
    while (std::getline(parts, part, ',')) {
        const auto at = part.find('@');
        unsigned long status = 0;
        unsigned long delay = 0;
        if (at == std::string::npos || !parseNumber(part.substr(0, at), 0xFFFFFFFFul, status) ||
            !parseNumber(part.substr(at + 1), 3600000, delay))
            return false;
        script.push_back({static_cast<std::uint32_t>(status), static_cast<std::uint32_t>(delay)});
    }
    return !script.empty();
}

} // namespace

std::string ApOptionsHelp()
{
    return "Usage: apsim --iface IF [options]\n"
           "The emulated KZL-958WB access point: answers the setup program's UDP protocol on the\n"
           "given interfaces (port 5432 and the session port). Run it only inside the network\n"
           "lab (scripts/netns-lab).\n"
           "\n"
           "  --iface IF               interface to serve (repeatable; at least one)\n"
           "  --name TEXT              device name (default KZL-958WB)\n"
           "  --mac AA:BB:CC:DD:EE:FF  device MAC (default 00:1A:2B:00:00:01)\n"
           "  --password TEXT          administrator password, the cipher key (default vexil;\n"
           "                           empty: the built-in key)\n"
           "  --session-port N         UDP port named in the Login reply (default 5432)\n"
           "  --ip A.B.C.D/MASKBITS    LAN address the device reports (default 192.0.2.2/24)\n"
           "  --gateway A.B.C.D        default gateway the device reports (default 0.0.0.0)\n"
           "  --dhcp                   the device reports DHCP mode\n"
           "  --ssid TEXT              wireless network name (default wireless)\n"
           "  --wps-script S@MS,...    WPS status events after a WPS start: status S after MS\n"
           "                           milliseconds, each after the previous (default none)\n"
           "  --session-timeout S      end an idle session after S seconds with the\n"
           "                           connection time-out event (default 0: never)\n"
           "  --drop OP:N              drop the first N replies of OP\n"
           "  --delay OP:MS            send every reply of OP MS milliseconds late\n"
           "  --refuse OP              refuse OP (RESULT 0; Discover and GetConfig: no reply)\n"
           "  --malformed OP           send the replies of OP one byte short\n"
           "  --devices N              N devices with consecutive MACs and numbered names\n"
           "  --log FILE               one decoded line per datagram in and out\n"
           "  --help                   this text\n"
           "OP is discover, login, logout, getconfig, setconfig or event.\n";
}

bool ParseApOptions(const std::vector<std::string>& args, ApOptions& options, std::string& error)
{
    ApSettings& s = options.settings;
    for (std::size_t n = 0; n < args.size(); ++n) {
        const std::string& option = args[n];
        if (option == "--help") {
            options.help = true;
            return true;
        }
        if (option == "--dhcp") {
            s.dhcp = true;
            continue;
        }
        if (n + 1 >= args.size()) {
            error =
                option.rfind("--", 0) == 0 ? option + " needs a value" : "unknown option " + option;
            return false;
        }
        const std::string& value = args[++n];
        unsigned long number = 0;
        std::uint8_t opcode = 0;
        bool ok = true;
        if (option == "--iface") {
            ok = !value.empty() && value.size() < 16;
            options.interfaces.push_back(value);
        } else if (option == "--name") {
            ok = value.size() <= 255;
            s.name = value;
        } else if (option == "--mac") {
            ok = ParseMac(value, s.mac);
        } else if (option == "--password") {
            ok = value.size() <= 255;
            s.password = value;
        } else if (option == "--session-port") {
            ok = parseNumber(value, 65535, number) && number > 0;
            s.sessionPort = static_cast<std::uint16_t>(number);
        } else if (option == "--ip") {
            ok = parseAddressWithBits(value, s);
        } else if (option == "--gateway") {
            ok = ParseIPv4(value, s.gateway);
        } else if (option == "--ssid") {
            ok = value.size() <= 32;
            s.ssid = value;
        } else if (option == "--wps-script") {
            ok = parseWpsScript(value, s.wpsScript);
        } else if (option == "--session-timeout") {
            ok = parseNumber(value, 86400, number);
            s.sessionTimeoutS = static_cast<std::uint32_t>(number);
        } else if (option == "--drop") {
            ok = parseOperationValue(value, 1000000, opcode, number);
            s.faults.drop[opcode] = static_cast<int>(number);
        } else if (option == "--delay") {
            ok = parseOperationValue(value, 3600000, opcode, number);
            s.faults.delayMs[opcode] = static_cast<std::uint32_t>(number);
        } else if (option == "--refuse") {
            ok = ParseOperation(value, opcode);
            s.faults.refuse.insert(opcode);
        } else if (option == "--malformed") {
            ok = ParseOperation(value, opcode);
            s.faults.malformed.insert(opcode);
        } else if (option == "--devices") {
            ok = parseNumber(value, 100000, number) && number > 0;
            options.devices = static_cast<int>(number);
        } else if (option == "--log") {
            options.logFile = value;
        } else {
            error = "unknown option " + option;
            return false;
        }
        if (!ok) {
            error = "bad value for " + option + ": " + value;
            return false;
        }
    }
    if (options.interfaces.empty()) {
        error = "at least one --iface is needed";
        return false;
    }
    return true;
}
