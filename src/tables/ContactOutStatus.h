#pragma once

#include <string>
#include <string_view>

// What a contact output signals, as its two surveillance texts hold it: the state of lines
// ("ALL", a whole exchange "X:", one station line "X:n") and the state of units on the
// network ("ALL", one unit "X"). An empty text signals nothing.
struct ContactOutStatus {
    enum class Line { All, Exchange, Station, Unused };
    enum class Network { All, Unit, Unused };

    struct LineTarget {
        Line kind = Line::Unused;
        int exchange = 0;
        int line = 0;
    };
    struct NetworkTarget {
        Network kind = Network::Unused;
        int unit = 0;
    };

    static LineTarget readLine(std::string_view text);
    static std::string lineText(const LineTarget& target);
    static NetworkTarget readNetwork(std::string_view text);
    static std::string networkText(const NetworkTarget& target);
};
