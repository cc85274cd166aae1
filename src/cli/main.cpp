// velt-calc: the batch front end of VELT.

#include "cli/BatchRun.h"

#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args.front() == "--version") {
        std::cout << "velt-calc " VELT_VERSION "\n";
        return velt::kExitDone;
    }
    return velt::runVeltCalcOn(args, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
}
