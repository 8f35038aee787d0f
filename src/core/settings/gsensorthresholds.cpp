#include "core/settings/gsensorthresholds.h"

QList<GSensorThresholdLine> drivingThresholdLines(const SettingsRecord &settings)
{
    QList<GSensorThresholdLine> lines;
    if (!settings.g_sensor_enable)
        return lines;
    struct Axis
    {
        char name;
        qint32 hundredths;
        double rest;
    };
    const Axis axes[] = {{'X', settings.gsen_x_threshold, 0},
                         {'Y', settings.gsen_y_threshold, 0},
                         {'Z', settings.gsen_z_threshold, 1}};
    for (const Axis &axis : axes) {
        if (axis.hundredths <= 0)
            continue;
        const double g = axis.hundredths / 100.0;
        lines.append({axis.name, axis.rest + g});
        lines.append({axis.name, axis.rest - g});
    }
    return lines;
}
