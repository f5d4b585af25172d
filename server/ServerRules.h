#pragma once
// Rules of the schedule server that need no network: the command line, the
// client networks it admits, and which client messages it passes on.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A client takes each server message in one read of at most this many bytes,
// so an echo (DataMessage: "1," + the client's message) may not be longer.
constexpr std::size_t kMaxEcho = 1024;
constexpr std::size_t kMaxClientMessage = kMaxEcho - 2;

// An IPv4 network, address in host byte order ("192.168.1.0/24").
struct TNetwork {
    uint32_t Address = 0;
    int PrefixLength = 32;  // 0 to 32
    bool Contains(uint32_t address) const;
};

// Strict dotted quad: four decimal numbers 0-255, nothing else.
std::optional<uint32_t> ParseIPv4(std::string_view text);
std::string FormatIPv4(uint32_t address);
// "a.b.c.d" (one host) or "a.b.c.d/n"; host bits set below the prefix are
// refused, as they usually mean a typing error.
std::optional<TNetwork> ParseNetwork(std::string_view text);
// An empty list admits every address.
bool AddressAllowed(const std::vector<TNetwork>& allow, uint32_t address);

struct TServerOptions {
    uint32_t ListenAddress = 0x7F000001;  // 127.0.0.1, where the clients look by default
    uint16_t Port = 901;                  // 0: any free port (the start line names it)
    std::vector<TNetwork> Allow;          // empty: everyone who can reach the port
    int MaxClients = 256;
    int MaxClientsPerAddress = 64;
    // Pause after each message to one client before the next may follow, so
    // that a client has read and handled one message before the next arrives.
    int GapMs = 200;
    int QueueLimit = 1000;        // echoes waiting for one client
    int WriteTimeoutMs = 10000;   // a client that takes nothing for this long is dropped
    std::string Journal;          // empty: no journal
};

struct TParsedArgs {
    TServerOptions Options;
    bool Help = false;
    std::string Error;  // empty when the arguments are good
};
// The arguments after the program name.
TParsedArgs ParseServerArgs(const std::vector<std::string>& args);
std::string ServerUsage(std::string_view program);

// Why a client message is not passed on, or empty when it is. A message is
// the bytes of one read from the client (see ScheduleServer.h).
std::string RefusalReason(std::string_view message);

enum class TBindFailure { AccessDenied, AddressInUse, AddressNotAvailable, Other };
// The message for an address and port the server cannot listen on.
std::string BindFailureMessage(TBindFailure failure, uint32_t address, uint16_t port,
                               std::string_view program, std::string_view detail);
