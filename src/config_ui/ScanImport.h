#pragma once

#include "Ipv4Address.h"

#include <map>
#include <string>
#include <vector>

class System;
struct ScanElement;

// Copying the network identity of units found by a scan onto the registered equipment, so
// that an installer takes a site's names and addresses without typing them: the rows of
// both lists as the import shows them, the copies made row by row, and their application
// to the system, in the order they were made.
class ScanImport
{
public:
    // One unit in either list. Rows of the registered equipment carry its number.
    struct Row {
        std::string type; // "EX", "IP" or "MI"
        int number = 0;
        std::string name;  // as the unit holds it, in the system's code page
        std::string model; // the model's display name
        Ipv4Address address;
        Ipv4Address mask;
        Ipv4Address gateway;
        int webPort = 0;
    };

    // The registered equipment of system, and the models it can take.
    explicit ScanImport(const System& system);

    const std::vector<Row>& targets() const { return targets_; }
    const std::vector<Row>& found() const { return found_; }
    // The target rows copied onto, in the order of the copies (a row may come again).
    const std::vector<int>& copies() const { return copies_; }

    // The units of a scan, those of a model the system takes.
    void setFound(const std::map<std::string, ScanElement>& units);
    // Copies found unit `from` onto target row `to`: its type, name, model and addresses;
    // the equipment number stays. False for a row out of range.
    bool copy(int from, int to);
    // Gives the equipment of every copy, in order, the copied model when it differs (the
    // unit keeps its settings), then the copied name, addresses and web port, on the WAN
    // side too. Values the unit refuses are left as they were.
    void apply(System& system) const;

    // "IP" for an IP station's model (R-47...), else the model's last two letters.
    static std::string typeOf(const std::string& model);

private:
    std::vector<Row> targets_;
    std::vector<Row> found_;
    std::vector<int> copies_;
    // The system's models by display name, and the other way.
    std::map<std::string, std::string> modelByDisplay_;
    std::map<std::string, std::string> displayByModel_;
};
