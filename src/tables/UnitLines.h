#pragma once

#include <QString>
#include <vector>

class AudioOut;
class BlockGroupMember;
class ResourceChain;
class Station;
class System;

// A line of a unit as the paging and group pages list it: a station slot, a public-address
// output, a PBX or tie-line input, or a contact output. It is named by unit, kind and number,
// so a row never holds on to a model object that a model change replaces.
struct UnitLine {
    enum class Kind { Station, PaOutput, TrunkInput, ContactOutput };

    int unit;
    Kind kind;
    int number;

    bool operator==(const UnitLine& other) const
    {
        return unit == other.unit && kind == other.kind && number == other.number;
    }
};

namespace UnitLines {

// The columns that tell the user which line a row is.
enum class Caption { EquipmentNo, EquipmentName, LineNo, StationName, Type };

// Every station slot of the units in use, in unit order and then line order, as the station
// table lists them; with remoteResponse, only those of units that have remote-response
// groups.
std::vector<UnitLine> stations(const System& system, bool remoteResponse = false);
// The outputs in the public-address paging mode: only they are paged when written.
std::vector<UnitLine> paOutputs(const System& system);
// Per unit: its station slots, its PBX and tie-line inputs, and its contact outputs that
// have an operation number. Other lines leave their blocking group when written.
std::vector<UnitLine> blockable(const System& system);

// The objects a line stands for now; null when the line is not of that kind.
Station* station(const System& system, const UnitLine& line);
AudioOut* paOutput(const System& system, const UnitLine& line);
BlockGroupMember* member(const System& system, const UnitLine& line);
// A slot without a station model has nothing to page, group or answer for.
bool checkable(const System& system, const UnitLine& line);

int heading(Caption caption);
QString text(const System& system, const UnitLine& line, Caption caption,
             const ResourceChain& resources, int codePage);

} // namespace UnitLines
