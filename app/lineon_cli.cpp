#include <iostream>
#include <string>
#include <vector>

#include "clirunner.h"

int main(int argc, char** argv) {
    return CliRunner::run(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
}
