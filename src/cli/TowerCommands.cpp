#include "cli/TowerCommands.h"

namespace velt {

int runTowerCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)args;
    (void)out;
    err << "towers: not available yet\n";
    return 2;
}

} // namespace velt
