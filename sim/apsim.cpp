// apsim: the emulated access point on real interfaces (inside the network lab only).
#include "sim/ApFleet.h"
#include "sim/ApOptions.h"
#include "sim/ApSocketHost.h"

#include <QCoreApplication>
#include <cstdio>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    ApOptions options;
    std::string error;
    if (!ParseApOptions(args, options, error)) {
        std::cerr << "apsim: " << error << "\n" << ApOptionsHelp();
        return 2;
    }
    if (options.help) {
        std::cout << ApOptionsHelp();
        return 0;
    }
    std::ofstream logFile;
    ApLogger log;
    if (!options.logFile.empty()) {
        logFile.open(options.logFile, std::ios::app);
        if (!logFile) {
            std::cerr << "apsim: cannot write " << options.logFile << "\n";
            return 2;
        }
        log = [&logFile](const std::string& line) { logFile << line << std::endl; };
    }
    ApFleet fleet(options.settings, options.devices, log);
    ApSocketHost host(fleet);
    if (!host.Open(options.interfaces, error)) {
        std::cerr << "apsim: " << error << "\n";
        return 1;
    }
    std::cout << "apsim: ready, " << fleet.size() << " device(s)" << std::endl;
    return app.exec();
}
