#include "server/ServerRules.h"

#include <charconv>

namespace {

// A whole decimal number within [min, max]; no sign, blanks or other text.
std::optional<long long> ParseNumber(std::string_view text, long long min, long long max) {
    if (text.empty() || text.size() > 12) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text[0] == '-' || text[0] == '+')
        return std::nullopt;
    if (value < min || value > max) return std::nullopt;
    return value;
}

uint32_t MaskOf(int prefixLength) {
    return prefixLength == 0 ? 0 : ~uint32_t{0} << (32 - prefixLength);
}

}  // namespace

bool TNetwork::Contains(uint32_t address) const {
    const uint32_t mask = MaskOf(PrefixLength);
    return (address & mask) == (Address & mask);
}

std::optional<uint32_t> ParseIPv4(std::string_view text) {
    uint32_t address = 0;
    for (int part = 0; part < 4; ++part) {
        const std::size_t dot = text.find('.');
        const std::string_view field = part < 3 ? text.substr(0, dot) : text;
        if (part < 3 && dot == std::string_view::npos) return std::nullopt;
        // "010" is octal to some tools and decimal to others: refuse it.
        if (field.size() > 1 && field[0] == '0') return std::nullopt;
        const auto value = ParseNumber(field, 0, 255);
        if (!value) return std::nullopt;
        address = (address << 8) | static_cast<uint32_t>(*value);
        if (part < 3) text.remove_prefix(dot + 1);
    }
    return address;
}

std::string FormatIPv4(uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 255) + "." +
           std::to_string((address >> 8) & 255) + "." + std::to_string(address & 255);
}

std::optional<TNetwork> ParseNetwork(std::string_view text) {
    const std::size_t slash = text.find('/');
    const auto address = ParseIPv4(text.substr(0, slash));
    if (!address) return std::nullopt;
    TNetwork network{*address, 32};
    if (slash != std::string_view::npos) {
        const auto prefix = ParseNumber(text.substr(slash + 1), 0, 32);
        if (!prefix) return std::nullopt;
        network.PrefixLength = static_cast<int>(*prefix);
    }
    if ((network.Address & ~MaskOf(network.PrefixLength)) != 0) return std::nullopt;
    return network;
}

bool AddressAllowed(const std::vector<TNetwork>& allow, uint32_t address) {
    if (allow.empty()) return true;
    for (const TNetwork& network : allow)
        if (network.Contains(address)) return true;
    return false;
}

TParsedArgs ParseServerArgs(const std::vector<std::string>& args) {
    TParsedArgs result;
    TServerOptions& o = result.Options;
    auto fail = [&](std::string message) {
        result.Error = std::move(message);
        return result;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const std::size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" || name == "-h") {
            result.Help = true;
            continue;
        }
        static const char* const valued[] = {"--listen",      "--allow",       "--max-clients",
                                             "--max-per-address", "--gap-ms",  "--queue-limit",
                                             "--write-timeout-ms", "--journal"};
        bool known = false;
        for (const char* v : valued) known = known || name == v;
        if (!known) return fail("unknown option '" + args[i] + "' (see --help)");
        if (!value) {
            if (i + 1 >= args.size()) return fail(name + " needs a value (see --help)");
            value = args[++i];
        }
        if (name == "--listen") {
            const std::size_t colon = value->rfind(':');
            if (colon == std::string::npos)
                return fail("--listen '" + *value + "' is not ADDRESS:PORT, e.g. 192.168.1.10:901");
            const auto address = ParseIPv4(std::string_view(*value).substr(0, colon));
            if (!address)
                return fail("--listen '" + *value +
                            "': the address is not an IPv4 address such as 192.168.1.10 (0.0.0.0 for all)");
            const auto port = ParseNumber(std::string_view(*value).substr(colon + 1), 0, 65535);
            if (!port) return fail("--listen '" + *value + "': the port is not a number from 0 to 65535");
            o.ListenAddress = *address;
            o.Port = static_cast<uint16_t>(*port);
        } else if (name == "--allow") {
            const auto network = ParseNetwork(*value);
            if (!network)
                return fail("--allow '" + *value +
                            "' is not a network such as 192.168.1.0/24 or an address such as 192.168.1.7");
            o.Allow.push_back(*network);
        } else if (name == "--journal") {
            if (value->empty()) return fail("--journal needs a file name");
            o.Journal = *value;
        } else {
            struct Limit { const char* name; long long min, max; int* target; };
            const Limit limits[] = {{"--max-clients", 1, 10000, &o.MaxClients},
                                    {"--max-per-address", 1, 10000, &o.MaxClientsPerAddress},
                                    {"--gap-ms", 0, 60000, &o.GapMs},
                                    {"--queue-limit", 1, 1000000, &o.QueueLimit},
                                    {"--write-timeout-ms", 100, 3600000, &o.WriteTimeoutMs}};
            for (const Limit& limit : limits) {
                if (name != limit.name) continue;
                const auto n = ParseNumber(*value, limit.min, limit.max);
                if (!n)
                    return fail(name + " '" + *value + "' is not a whole number from " +
                                std::to_string(limit.min) + " to " + std::to_string(limit.max));
                *limit.target = static_cast<int>(*n);
            }
        }
    }
    return result;
}

std::string ServerUsage(std::string_view program) {
    const TServerOptions d;
    const std::string p(program);
    return "Usage: " + p + " [options]\n"
           "The schedule server: every message a client sends goes, with \"1,\" in front, to every\n"
           "connected client, the sender included, in the order received.\n"
           "\n"
           "  --listen ADDRESS:PORT   address and port to listen on (default " + FormatIPv4(d.ListenAddress) +
           ":" + std::to_string(d.Port) + ";\n"
           "                          0.0.0.0 for every network of this machine; port 0 for any free port)\n"
           "  --allow NETWORK         admit clients only from this network, e.g. 192.168.1.0/24 or\n"
           "                          192.168.1.7; repeatable (default: everyone who reaches the port)\n"
           "  --max-clients N         clients connected at once (default " + std::to_string(d.MaxClients) + ")\n"
           "  --max-per-address N     clients connected at once from one address (default " +
           std::to_string(d.MaxClientsPerAddress) + ")\n"
           "  --gap-ms MS             pause between two messages to one client, so that each arrives\n"
           "                          as a read of its own (default " + std::to_string(d.GapMs) + ")\n"
           "  --queue-limit N         messages waiting for one client before it is disconnected\n"
           "                          (default " + std::to_string(d.QueueLimit) + ")\n"
           "  --write-timeout-ms MS   a client that takes nothing for this long is disconnected\n"
           "                          (default " + std::to_string(d.WriteTimeoutMs) + ")\n"
           "  --journal FILE          append every message sent to the clients to FILE, one a line\n"
           "  --help                  show this text\n"
           "\n"
           "Each read from a client is one message: the clients send one message per write, with no\n"
           "terminator. A message longer than " + std::to_string(kMaxClientMessage) +
           " bytes, or one holding a line break or a NUL byte,\n"
           "is refused and logged. The log goes to standard error; SIGINT or SIGTERM stops the server.\n";
}

std::string RefusalReason(std::string_view message) {
    if (message.size() > kMaxClientMessage)
        return "longer than " + std::to_string(kMaxClientMessage) + " bytes (" +
               std::to_string(message.size()) + ")";
    // Every client stores an echoed entry as one line of its schedule file:
    // a line break would split it, a NUL would end the file there.
    if (message.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        return "holds a line break or a NUL byte";
    return {};
}

std::string BindFailureMessage(TBindFailure failure, uint32_t address, uint16_t port,
                               std::string_view program, std::string_view detail) {
    const std::string where = FormatIPv4(address) + ":" + std::to_string(port);
    const std::string head = "cannot listen on " + where + ": ";
    const std::string other = " or choose another port with --listen " + FormatIPv4(address) +
                              ":PORT (and give every client the same port in its settings)";
    switch (failure) {
    case TBindFailure::AccessDenied:
        if (port != 0 && port < 1024)
            return head + "permission denied. A port below 1024 needs privilege: run the server as root, "
                          "grant it with `sudo setcap cap_net_bind_service=+ep " + std::string(program) +
                   "`, allow low ports with `sudo sysctl net.ipv4.ip_unprivileged_port_start=" +
                   std::to_string(port) + "`," + other + ".";
        return head + "permission denied;" + other + ".";
    case TBindFailure::AddressInUse:
        return head + "the port is in use (another server, perhaps another kuralo-server, listens there). "
                      "Stop that server," + other + ".";
    case TBindFailure::AddressNotAvailable:
        return head + FormatIPv4(address) + " is not an address of this machine. Use one of its own addresses, "
                      "0.0.0.0 for all of them, or 127.0.0.1 for this machine only.";
    case TBindFailure::Other:
        break;
    }
    return head + std::string(detail);
}
