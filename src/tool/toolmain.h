#pragma once

#include <QStringList>

// Runs the command line `args` (without the program's name) against the registered commands:
// `help`, then one command by its name.
int runToolLine(QStringList args);
