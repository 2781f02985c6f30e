#pragma once

#include "PasswordCodec.h"

#include <string>
#include <string_view>

// How one simulated unit is set up: where it listens, where it keeps its state and how it
// misbehaves. Read from one "--unit" argument: comma-separated key=value words and bare
// switches.
struct UnitConfig {
    enum class Auth { Basic, Digest };

    std::string address; // dotted IPv4
    unsigned port = 80;
    std::string dir;
    // Credentials for a new state folder: the factory ones unless given. Plain password.
    std::string name = "R-4000";
    std::string password{PasswordCodec::kDefaultPlain};
    Auth auth = Auth::Basic;
    unsigned restartMs = 1000;
    unsigned delayMs = 0;
    std::string uploadReply = "RESET"; // settings upload answer: RESET or OK
    bool refuseLogin = false;
    bool stall = false;
    bool closeEarly = false;
    bool noLength = false;
    bool resetLower = false;
    bool okCrlf = false;
    unsigned busy = 0;
    std::string busyEnd = "OK";
    bool garbage = false;
    bool ignoreUploads = false;
    bool unreachable = false;

    // The unit on the discovery protocol (UDP port 15000). After parse() mac and unitName
    // are set: "02-00-" and the address's octets, "EX" and its last octet unless given.
    std::string mac;
    std::string model = "R-4100EX";
    std::string unitName;
    std::string mask = "255.255.255.0";
    std::string gateway = "0.0.0.0";
    unsigned udpRestartMs = 2000; // silence after a discovery reset
    bool udpSilent = false;
    bool udpDuplicate = false;
    bool udpBroadcastReply = false;
    bool udpZeroModel = false;
    bool udpLongName = false;
    std::string udpModel; // reported instead of model when set
    bool noWriteAck = false;
    bool noResetAck = false;

    // Fills config from description; false with a one-line reason in error.
    static bool parse(std::string_view description, UnitConfig& config, std::string& error);

    // The key list for the help text.
    static const char* keysHelp();
};
