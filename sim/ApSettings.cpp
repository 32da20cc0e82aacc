#include "ApSettings.h"

#include <cstdlib>

namespace {

struct OperationEntry
{
    const char* name;
    std::uint8_t opcode;
};

constexpr OperationEntry kOperations[] = {
    {"discover", CMD_DISCOVER},    {"login", CMD_LOGIN},          {"logout", CMD_LOGOUT},
    {"getconfig", CMD_GET_CONFIG}, {"setconfig", CMD_SET_CONFIG}, {"event", CMD_EVENT},
};

} // namespace

bool ParseOperation(const std::string& name, std::uint8_t& opcode)
{
    for (const OperationEntry& entry : kOperations) {
        if (name == entry.name) {
            opcode = entry.opcode;
            return true;
        }
    }
    char* end = nullptr;
    const unsigned long number = std::strtoul(name.c_str(), &end, 10);
    if (name.empty() || *end != '\0' || number > 255)
        return false;
    opcode = static_cast<std::uint8_t>(number);
    return true;
}

const char* OperationName(std::uint8_t opcode)
{
    for (const OperationEntry& entry : kOperations) {
        if (entry.opcode == opcode)
            return entry.name;
    }
    return "unknown";
}
