#pragma once

#include "sim/ApSettings.h"

#include <string>
#include <vector>

// The command line of apsim.
struct ApOptions
{
    std::vector<std::string> interfaces;
    ApSettings settings;
    int devices = 1;
    std::string logFile;
    bool help = false;
};

// Reads the arguments (without the program name); false with a message in error for anything
// it does not understand.
bool ParseApOptions(const std::vector<std::string>& args, ApOptions& options, std::string& error);
// The text of --help.
std::string ApOptionsHelp();
