#include "server/ServerRules.h"

#include <gtest/gtest.h>

#include "net/Messages.h"
#include "tests/TestUtil.h"

namespace {

TEST(ServerRules, ParseIPv4IsStrict) {
    EXPECT_EQ(ParseIPv4("127.0.0.1"), 0x7F000001u);
    EXPECT_EQ(ParseIPv4("0.0.0.0"), 0u);
    EXPECT_EQ(ParseIPv4("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(FormatIPv4(0xC0A8010Au), "192.168.1.10");
    for (const char* bad : {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.-4", "1..2.3", "01.2.3.4", " 1.2.3.4",
                            "1.2.3.4 ", "localhost", "1.2.3.4/8"})
        EXPECT_FALSE(ParseIPv4(bad)) << bad;
}

TEST(ServerRules, NetworksAdmitTheirAddressesOnly) {
    struct Case { const char* network; const char* address; bool inside; };
    const Case cases[] = {
        {"192.168.1.0/24", "192.168.1.0", true},   {"192.168.1.0/24", "192.168.1.255", true},
        {"192.168.1.0/24", "192.168.2.1", false},  {"10.0.0.0/8", "10.255.0.1", true},
        {"10.0.0.0/8", "11.0.0.1", false},         {"192.168.1.7", "192.168.1.7", true},
        {"192.168.1.7", "192.168.1.8", false},     {"0.0.0.0/0", "203.0.113.9", true},
        {"172.16.0.0/12", "172.31.255.255", true}, {"172.16.0.0/12", "172.32.0.0", false},
    };
    for (const Case& c : cases) {
        const auto network = ParseNetwork(c.network);
        ASSERT_TRUE(network) << c.network;
        EXPECT_EQ(network->Contains(*ParseIPv4(c.address)), c.inside) << c.network << " " << c.address;
    }
    for (const char* bad : {"192.168.1.1/24", "10.0.0.0/33", "10.0.0.0/", "10.0.0.0/x", "10.0.0/8"})
        EXPECT_FALSE(ParseNetwork(bad)) << bad;

    EXPECT_TRUE(AddressAllowed({}, 0x08080808u));
    const std::vector<TNetwork> office{*ParseNetwork("192.168.1.0/24"), *ParseNetwork("10.1.2.3")};
    EXPECT_TRUE(AddressAllowed(office, *ParseIPv4("10.1.2.3")));
    EXPECT_TRUE(AddressAllowed(office, *ParseIPv4("192.168.1.50")));
    EXPECT_FALSE(AddressAllowed(office, *ParseIPv4("127.0.0.1")));
}

TEST(ServerRules, DefaultsMatchTheClientsDefaults) {
    const TParsedArgs parsed = ParseServerArgs({});
    ASSERT_EQ(parsed.Error, "");
    EXPECT_FALSE(parsed.Help);
    EXPECT_EQ(parsed.Options.ListenAddress, 0x7F000001u);
    EXPECT_EQ(parsed.Options.Port, 901);
    EXPECT_TRUE(parsed.Options.Allow.empty());
    EXPECT_EQ(parsed.Options.WriteTimeoutMs, 10000);
    EXPECT_TRUE(parsed.Options.Journal.empty());
}

TEST(ServerRules, ParsesEveryOption) {
    const TParsedArgs parsed = ParseServerArgs({"--listen", "192.168.1.10:9010", "--allow", "192.168.1.0/24",
                                                "--allow=10.0.0.7", "--max-clients", "40", "--max-per-address=3",
                                                "--gap-ms", "0", "--queue-limit", "50", "--write-timeout-ms",
                                                "2500", "--journal", "/var/log/kuralo.journal"});
    ASSERT_EQ(parsed.Error, "");
    const TServerOptions& o = parsed.Options;
    EXPECT_EQ(FormatIPv4(o.ListenAddress), "192.168.1.10");
    EXPECT_EQ(o.Port, 9010);
    ASSERT_EQ(o.Allow.size(), 2u);
    EXPECT_EQ(FormatIPv4(o.Allow[1].Address), "10.0.0.7");
    EXPECT_EQ(o.Allow[1].PrefixLength, 32);
    EXPECT_EQ(o.MaxClients, 40);
    EXPECT_EQ(o.MaxClientsPerAddress, 3);
    EXPECT_EQ(o.GapMs, 0);
    EXPECT_EQ(o.QueueLimit, 50);
    EXPECT_EQ(o.WriteTimeoutMs, 2500);
    EXPECT_EQ(o.Journal, "/var/log/kuralo.journal");
    EXPECT_TRUE(ParseServerArgs({"--gap-ms", "5", "--help"}).Help);
}

TEST(ServerRules, BadArgumentsNameTheProblem) {
    struct Case { std::vector<std::string> args; const char* says; };
    const Case cases[] = {
        {{"--port", "901"}, "unknown option '--port'"},
        {{"--listen"}, "--listen needs a value"},
        {{"--listen", "901"}, "is not ADDRESS:PORT"},
        {{"--listen", "server:901"}, "not an IPv4 address"},
        {{"--listen", "0.0.0.0:65536"}, "port is not a number"},
        {{"--allow", "192.168.1.0/33"}, "--allow '192.168.1.0/33' is not a network"},
        {{"--max-clients", "0"}, "--max-clients '0' is not a whole number from 1"},
        {{"--gap-ms", "-5"}, "--gap-ms '-5'"},
        {{"--write-timeout-ms", "10s"}, "--write-timeout-ms '10s'"},
        {{"--journal="}, "--journal needs a file name"},
    };
    for (const Case& c : cases) {
        const std::string error = ParseServerArgs(c.args).Error;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.args[0] << ": " << error;
    }
}

TEST(ServerRules, UsageListsTheOptions) {
    const std::string usage = ServerUsage("kuralo-server");
    for (const char* option : {"--listen", "--allow", "--max-clients", "--max-per-address", "--gap-ms",
                               "--queue-limit", "--write-timeout-ms", "--journal", "--help", "127.0.0.1:901"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
}

TEST(ServerRules, MessagesThatCannotBePassedOnAreRefused) {
    EXPECT_EQ(RefusalReason(S(u8"1,,2001,2001,04,05,,,[山田年休]")), "");
    EXPECT_EQ(RefusalReason(std::string(kMaxClientMessage, 'x')), "");
    EXPECT_EQ(DataMessage(std::string(kMaxClientMessage, 'x')).size(), kMaxEcho);
    EXPECT_EQ(RefusalReason(std::string(kMaxClientMessage + 1, 'x')), "longer than 1022 bytes (1023)");
    for (const std::string& bad : {std::string("1,,a\nb"), std::string("1,,a\r"), std::string("1,,a\0b", 6)})
        EXPECT_EQ(RefusalReason(bad), "holds a line break or a NUL byte");
}

TEST(ServerRules, BindFailuresSayWhatToDo) {
    const uint32_t local = 0x7F000001;
    const std::string low = BindFailureMessage(TBindFailure::AccessDenied, local, 901, "/opt/k/kuralo-server", "");
    for (const char* advice : {"cannot listen on 127.0.0.1:901", "setcap cap_net_bind_service=+ep /opt/k/kuralo-server",
                               "net.ipv4.ip_unprivileged_port_start=901", "--listen 127.0.0.1:PORT"})
        EXPECT_NE(low.find(advice), std::string::npos) << advice;
    EXPECT_EQ(BindFailureMessage(TBindFailure::AccessDenied, local, 5000, "k", "").find("setcap"), std::string::npos);
    EXPECT_NE(BindFailureMessage(TBindFailure::AddressInUse, local, 901, "k", "").find("the port is in use"),
              std::string::npos);
    EXPECT_NE(BindFailureMessage(TBindFailure::AddressNotAvailable, 0xC0000201u, 901, "k", "")
                  .find("192.0.2.1 is not an address of this machine"),
              std::string::npos);
    EXPECT_EQ(BindFailureMessage(TBindFailure::Other, local, 901, "k", "boom"), "cannot listen on 127.0.0.1:901: boom");
}

}  // namespace
