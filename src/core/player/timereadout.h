#pragma once

#include <QtGlobal>

// What is left of `length` at `time` as the readout shows it: whole seconds rounded up (and
// negative), so that the elapsed time, shown rounded down, and the remaining time add up to
// the length rather than a second less. 0 when the length is unknown or nothing is left.
qint64 shownRemainingTime(qint64 time, qint64 length);
