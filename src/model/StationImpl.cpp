#include "StationImpl.h"

StationImpl::StationImpl(ExchangeImpl& owner, int id) : id(id), owner_(owner) {}

void StationImpl::resetAttributes()
{
    pagingReception = true;
    control = false;
    doorTimer = false;
    receiptMode = 1;
    manualCallSignal = true;
    doorRemote = nullptr;
    callingContact = nullptr;
    called.clear();
    groupMembers.clear();
    micLevel = 2;
    speakerLevel = 3;
    signalLevel = 3;
    priorityStation = false;
    priorityLimit = false;
    monitoringTime = 3;
    monitoring = {};
    transfers = {};
    oneTouch = {};
    bgmMode = 0;
}
