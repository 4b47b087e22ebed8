#pragma once

#include <string>
#include <vector>

// The list of pointers, ending in a null one, that exec and posix_spawn
// take; it points into `args`, which must outlive it.
inline std::vector<char*> Argv(std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    return argv;
}
