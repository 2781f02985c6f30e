#pragma once

#include <string>
#include <string_view>

// What a unit keeps across restarts, in its state folder: state.txt (key=value lines),
// settings.cfg, settings uploads waiting for the next restart in pending/, the last firmware
// image, the uploaded messages, and its network settings with a discovery write waiting for
// the next restart. Not thread-safe: the unit guards it.
class UnitState
{
public:
    // What the unit tells on the discovery protocol; addresses dotted, MAC 00-11-22-33-44-55.
    struct Network {
        std::string mac;
        std::string ip;
        std::string mask;
        std::string gateway;
        unsigned webPort = 80;
        std::string model;
        std::string unitName;
    };

    static constexpr const char* kFactoryMaintenance = "8629";
    static constexpr const char* kFactoryFirmware = "1.00";

    explicit UnitState(std::string dir);

    // Resumes from state.txt, or sets up a new folder with these credentials and network
    // settings. The MAC and model always come from initial (they are the hardware's). A
    // restart cut short by the end of the program is finished here.
    bool open(const std::string& name, const std::string& password, const Network& initial,
              std::string& error);
    bool save() const;

    // settings.cfg, or the minimal file of the current credentials while there is none.
    std::string settingsFile() const;
    bool addPending(std::string_view file);
    // Applies the pending uploads in the order they came; a message on stderr for each one
    // whose password cannot be read (its credentials are then not taken over).
    void applyPending();
    // Takes over the network settings of the waiting discovery write, if any.
    void applyWritten();
    bool storeFirmware(std::string_view image);
    // Stores messages/NNN.pmf with the next free number.
    bool storeMessage(std::string_view bytes);

    std::string name;
    std::string password; // plain
    std::string maintenance;
    std::string clockYy;
    std::string clockHh;
    std::string clockMm;
    std::string firmware = kFactoryFirmware;
    unsigned resets = 0;
    bool restarting = false;
    Network network;
    bool hasWritten = false;
    Network written; // all but mac and model

private:
    void apply(std::string_view upload);
    // One network key of state.txt ("ip", "written_ip", ...); others are left alone.
    void readNetwork(const std::string& key, const std::string& value);

    std::string dir_;
};
