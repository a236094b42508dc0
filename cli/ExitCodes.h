// The exit codes of tobrin-sum, one for each kind of failure, so that a script can tell them apart.
#pragma once

enum ExitCode {
    ExitOk = 0,
    ExitIoError = 1,        // a read failed during the pass, or the output or a split file could not be written
    ExitUsage = 2,          // unknown option, missing or bad option value, no input file or more than one
    ExitFileNotFound = 3,   // the input file does not exist or cannot be opened for reading
    ExitBadRange = 4,       // an empty or unreadable address, or start equal to end
    ExitBadRecords = 5,     // malformed Intel HEX or S-record input
};
