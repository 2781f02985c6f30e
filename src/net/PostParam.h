#pragma once

#include <string>

// One field of a form sent to a unit. The data need not be text; all of it is sent.
struct PostParam {
    std::string name;
    std::string data;
};
