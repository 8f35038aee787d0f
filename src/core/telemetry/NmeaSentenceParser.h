#pragma once

#include "core/telemetry/GpsData.h"

#include <QByteArrayView>
#include <QVarLengthArray>

// The fields of one sentence split at ","; field 0 is the sentence name with its "$".
using NmeaFields = QVarLengthArray<QByteArrayView, 24>;

// Reads NMEA 0183 sentences one at a time and keeps the current fix. Handles RMC and GGA of
// the GP and GN talkers and the GN forms of GSA and GNS; everything else is rejected.
class NmeaSentenceParser
{
public:
    // One sentence without its line end. True when it was of a handled kind and applied;
    // a rejected sentence changes nothing.
    bool parse(const char *sentence);
    bool parse(QByteArrayView sentence);

    bool parseGPRMC(const NmeaFields &fields);
    bool parseGPGGA(const NmeaFields &fields);
    bool parseGNGSA(const NmeaFields &fields);
    bool parseGNGNS(const NmeaFields &fields);

    void clear() { m_Current.clear(); }

    GpsData m_Current;
};
