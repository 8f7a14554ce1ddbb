#include "app/exportfront.h"

#include <cstdio>

// Placeholder until the export lands in this file.
int RunExport(const CommandLineOptions&) {
    std::fputs("varnel: export is not built yet\n", stderr);
    return 2;
}
