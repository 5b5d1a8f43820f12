// The body of a program that writes one label definition to the file named on its command line:
// `PROGRAM OUTPUT.qvd`.
#pragma once

#include <cstdio>
#include <string>

#include "label/definition/definition_file.h"

namespace qv::tools {

// Saves `definition` as argv[1]; 2 when the program is not called with one file name, 1 when the
// file cannot be written (with the reason on stderr), 0 when it is written.
inline int writeDefinitionMain(int argc, char* argv[], const char* program,
                               const LabelDefinition& definition) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.qvd\n", program);
        return 2;
    }
    std::string error;
    if (saveDefinitionFile(argv[1], definition, &error) != DefinitionFileStatus::Ok) {
        std::fprintf(stderr, "%s: %s\n", program, error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace qv::tools
