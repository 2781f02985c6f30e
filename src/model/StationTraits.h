#pragma once

#include <string_view>

// What a station model is, as constants of its class.
struct StationTraits {
    enum class MessagePaging { None, DialOperationOnly, AllStartModes };

    std::string_view modelName;
    std::string_view displayName;
    bool isIPStation;
    bool isDoorStation;
    bool isMasterStation; // the R-4100MS family: no door-station timer
    MessagePaging messagePaging;
};
