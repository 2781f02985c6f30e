#pragma once

#include "Exchange.h"
#include "R4000System.h"
#include "Station.h"

#include <gtest/gtest.h>
#include <initializer_list>

// An English system to fill with equipment, with short ways to its units and stations.
class SystemFixture : public testing::Test
{
protected:
    // The given models into slots 1.. in order.
    void fill(std::initializer_list<const char*> models)
    {
        int n = 1;
        for (const char* model : models)
            ASSERT_NE(sys.insertEquipment(n++, model), nullptr) << model;
    }

    Exchange& unit(int n) { return *sys.equipment(n); }
    Station& at(int n, int line) { return *unit(n).station(line); }

    // Gives a slot a station model and a number.
    Station& make(int n, int line, const char* model, const char* number = "")
    {
        EXPECT_TRUE(unit(n).changeStationModel(line, model)) << model;
        Station& s = at(n, line);
        EXPECT_TRUE(s.setNumber(number)) << number;
        return s;
    }

    R4000System sys{Locale::fromCode("en")};
};
