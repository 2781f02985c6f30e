#include "Tool.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return Tool(std::cout, std::cerr).run(std::vector<std::string>(argv + 1, argv + argc));
}
