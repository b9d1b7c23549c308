#include <iostream>
#include <string>
#include <vector>

#include "bruchfonts.h"
#include "clirunner.h"
#include "qsettingsstore.h"

int main(int argc, char** argv) {
    // The user's saved floating-point format is the default of the files written.
    settings().load(QSettingsStore());
    return CliRunner::run(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
}
