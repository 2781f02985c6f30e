#pragma once

#include <string_view>

// What an equipment model is and how many lines of each kind it uses.
struct ExchangeTraits {
    std::string_view modelName;
    std::string_view displayName;
    bool isExchange;
    bool isIPStation;
    bool isMultiInterface;
    bool hasSamplingCorrection;
    bool hasPagingPriority;
    bool hasRemoteAnswerGroups;
    bool hasPriorityCallRefusal;
    bool acceptsMessages;
    int stationCount;
    int audioInCount;
    int audioOutCount;
    int contactInCount;
    int contactOutCount;
    int bgmChannelCount;
};
