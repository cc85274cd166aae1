// velt-calc: the batch front end of VELT.

#include "cli/BatchRun.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args.front() == "--version") {
        std::cout << "velt-calc " VELT_VERSION "\n";
        return velt::kExitDone;
    }
    return velt::runVeltCalc(args, std::cout, std::cerr);
}
