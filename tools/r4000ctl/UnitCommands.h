#pragma once

#include "AllUnitRun.h"
#include "MessageAssignments.h"
#include "MessageCatalog.h"
#include "RunReporter.h"
#include "UnitClient.h"
#include "UnitJobs.h"

#include <functional>
#include <iosfwd>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class CredentialsPrompt;
class Exchange;
class R4000System;
class System;
class SystemStore;

// The r4000ctl commands that talk to the units of a system. Each prints one line per unit
// as the unit ends (number, name, address, ok or failed with the reason) and a recap, or
// one JSON document; then on stderr the failure report as the program shows it. Each
// returns 1 when any unit failed.
class UnitCommands
{
public:
    struct Output {
        bool json = false;
        // A counter of the units done while waiting (stderr is a terminal).
        bool counter = false;
        // Held while anything goes to the terminal, shared with the login prompt.
        std::mutex* terminal = nullptr;
    };

    // prompt: asks for credentials a unit wants; null to fail instead.
    UnitCommands(const SystemStore& store, CredentialsPrompt* prompt, UnitClient::Options options,
                 Output output, std::ostream& out, std::ostream& err);

    // What an upload does besides sending.
    struct UploadChecks {
        // First fetch each unit's settings and show what will change; send only to the
        // units whose settings differ.
        bool diff = false;
        // Stop after the diff: nothing is sent, nothing saved.
        bool dryRun = false;
        // After the units restart, fetch their settings back and fail those that did not
        // take what was sent.
        bool verify = false;
        long restartWaitMs = 30000;
    };

    // units: "1,3,5-7", only those units (all when not given).
    int upload(const std::string& name, const std::optional<std::string>& units,
               const UploadChecks& checks);
    int download(const std::string& name, long restartWaitMs,
                 const std::optional<std::string>& units);
    // download --check: each unit's settings held against the system's, nothing changed;
    // 1 when any differ or failed.
    int check(const std::string& name, const std::optional<std::string>& units);
    int clock(const std::string& name, const std::optional<std::string>& units);
    int login(const std::string& name, const std::optional<std::string>& units);
    // A new system name and/or password, or a new maintenance password, on every unit.
    int passwd(const std::string& name, const std::optional<std::string>& newName,
               const std::optional<std::string>& newPassword,
               const std::optional<std::string>& newMaintenance);
    // The firmware image to the units named ("all", or numbers and ranges), one after the
    // other unless allAtOnce.
    int firmware(const std::string& name, const std::string& units, const std::string& file,
                 bool allAtOnce);
    // msg send: every message msglist.csv assigns, each to its unit; with siren (a value the
    // system takes), first the new siren on every unit. standardFolder: the standard messages.
    int sendMessages(const std::string& name, const std::optional<std::string>& siren,
                     const std::string& standardFolder);
    // msg list: the IP master stations and the message each is given.
    int listMessages(const std::string& name, const std::string& standardFolder);

private:
    struct MessagePlan {
        MessageCatalog catalog;
        MessageAssignments assignments;
        // msglist.csv named a unit that holds no messages: it is written again.
        bool stale = false;
    };
    // The system's stations with the messages msglist.csv gives them.
    MessagePlan messagePlan(const System& system, const std::string& standardFolder) const;

    RunReporter reporter() const;
    // Each unit's settings fetched and held against what the system would send it; the
    // differences into found (a slot for each unit beforehand, so workers need no lock).
    AllUnitRun::Report compare(System& system, const std::vector<int>& units, RunReporter& progress,
                               const std::string& step, RunReporter::Comparisons& found);
    // The recap (or JSON document) and the failure report; the exit status.
    int finish(RunReporter& reporter, const std::string& command, const std::string& system,
               const std::string& failures);
    // The failure report on stderr; the exit status.
    int reportFailures(const std::string& failures);
    // The units --unit names, in the order given; every unit without it. what: the option or
    // operand, for the refusal.
    static std::vector<int> chosenUnits(const System& system,
                                        const std::optional<std::string>& numbers,
                                        const std::string& what = "--unit");
    // Runs a job on the chosen units of the system and reports it; units that took the
    // system's credentials, or logged in with others, are remembered.
    int runRemembering(const std::string& command, R4000System& system,
                       const std::vector<int>& units,
                       const std::function<AllUnitRun::Job(const UnitJobs::Context&)>& job);

    const SystemStore& store_;
    CredentialsPrompt* prompt_;
    UnitClient::Options options_;
    Output output_;
    std::ostream& out_;
    std::ostream& err_;
};
