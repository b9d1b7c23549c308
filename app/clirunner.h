#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// The command-line runner: one algorithm command on a matrix file, with the
// result and protocol files written exactly as the desktop program saves them.
class CliRunner {
public:
    enum Exit {
        Ok = 0,          // a non-empty result was written
        NoResult = 1,    // empty result, or a check refused the run
        Overflow = 2,    // exact arithmetic overflowed
        OutOfMemory = 3, // the system had no memory for the run
        Usage = 64,      // bad command line
        CannotRead = 66, // an input file cannot be read
        CannotWrite = 73 // an output file cannot be written
    };

    // args without the program name; messages go to err.
    static int run(const std::vector<std::string>& args, std::ostream& err);
    static const char* usage();
};
