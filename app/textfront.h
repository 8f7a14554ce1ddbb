#pragma once

struct CommandLineOptions;

// varnel --text: the seven diagrams as text on stdout, for the key and style asked for (the
// stored style otherwise). Returns the exit status.
int RunTextFront(const CommandLineOptions& options);
