#pragma once

#include "ScanCsv.h"
#include "ScanElement.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CmdReport;
class CommandSeq;
class ScanCommand;
class ScanListener;

// Finds the units on the local networks and sets their network: broadcasts a request from
// every local interface (one after the other, 3 s apart) and keeps the table of the units
// that reported, and writes new settings into one unit, or makes it restart, by its MAC.
// Everything happens on the thread that owns the Scan, driven by its Qt event loop.
class Scan
{
public:
    struct Options {
        // The interfaces to broadcast from; the machine's own by default.
        std::function<std::vector<std::string>()> localAddresses;
        std::string broadcastAddress = "255.255.255.255";
        std::uint16_t port = 15000;
        // Every duration of the protocol is multiplied by it (tests make it small).
        double timeScale = 1.0;
        // Reports are untrusted: a flood of made-up units stops filling the table here.
        std::size_t maxUnits = 4096;
        // Every interface at the same time, so a scan takes one reply time in all, instead
        // of one interface after the other.
        bool allAtOnce = false;
    };

    Scan();
    explicit Scan(Options options);
    ~Scan();
    Scan(const Scan&) = delete;
    Scan& operator=(const Scan&) = delete;

    // Empties the table and broadcasts a request from every local interface; a scan still
    // running is dropped. False when there is no local interface (nothing is sent).
    bool startScan();
    // How long a scan takes: 3 s per local interface (of the last scan), or 3 s in all when
    // the interfaces go at once.
    int scanDuration() const;
    int writeTime() const;
    int resetTime() const;
    // Sends the element's settings to the unit with its MAC, from the interface its report
    // came in on, or from every interface when that is not known. False when nothing was
    // sent.
    bool writeUnit(const ScanElement& element);
    bool restartUnit(const ScanElement& element);
    bool scanning() const { return runningSeries_ > 0; }

    // The units found, by MAC text.
    const std::map<std::string, ScanElement>& units() const { return units_; }
    std::size_t count() const { return units_.size(); }
    const ScanElement* find(const std::string& macText) const;
    // The record of a unit, for the values the user gives it before a write.
    ScanElement* find(const std::string& macText);

    // Every unit of the table as "scan.csv" lists them, in the table's order.
    std::vector<ScanCsv::Row> csvRows() const;

    void addListener(ScanListener* listener);
    void removeListener(ScanListener* listener);

    const Options& options() const { return options_; }

    // From the command sequences. A write or reset that nobody acknowledged tells no one:
    // the caller's own time limit covers it.
    void onReport(const CmdReport& report);
    void onRequestSeriesEnded();
    void onWriteAck(std::uint8_t status, const MacAddress& mac);
    void onResetAck(std::uint8_t status, const MacAddress& mac);

private:
    int scaled(int ms) const;
    // Posts the command built for each address; the i-th goes i x 3 s after the first, or
    // all at once.
    bool postStaggered(const std::vector<std::string>& addresses,
                       const std::function<std::unique_ptr<ScanCommand>(const std::string&)>& make);
    void post(std::unique_ptr<ScanCommand> command, int delayMs);
    template <class Call> void tellListeners(Call call);

    Options options_;
    std::vector<std::string> localAddresses_;
    std::map<std::string, ScanElement> units_;
    std::vector<ScanListener*> listeners_;
    std::vector<std::unique_ptr<CommandSeq>> sequences_;
    int runningSeries_ = 0;
};
