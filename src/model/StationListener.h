#pragma once

class Station;

// Told when a station object is replaced by one of another model on the same settings.
class StationListener
{
public:
    virtual ~StationListener() = default;
    virtual void onStationReplaced(Station& old, Station& replacement) = 0;
};
