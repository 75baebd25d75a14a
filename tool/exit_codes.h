// The tool's exit codes. Scripts rely on them: never renumber.
#pragma once

namespace tool {

enum ExitCode : int {
    kSuccess = 0,
    kFound = 1,        // check: warnings; diff: the files differ; make: nothing customized, nothing written
    kInvalid = 2,      // an invalid customization file or description
    kUsage = 3,        // a wrong command line
    kIoError = 4,      // a file that cannot be read or written
};

}  // namespace tool
