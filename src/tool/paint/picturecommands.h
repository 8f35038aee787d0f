#pragma once

#include <QString>

// The commands that paint (the sample card, the evidence pictures) run in a program of their
// own, so that the others start without Qt Gui. tavik-tool lists them and hands them over;
// these are the words both say of them.
struct PictureCommand
{
    QString name;
    QString usage;
    QString description;
};

inline PictureCommand demoCardCommand()
{
    return {
        QStringLiteral("demo-card"),
        QStringLiteral("demo-card DIR [--minutes M] [--seconds S] [--seed N]"),
        QStringLiteral("Writes a sample camera card: recordings of a drive, settings and logs.")};
}

inline PictureCommand evidenceCommand()
{
    return {QStringLiteral("evidence"), QStringLiteral("evidence FILE OUT"),
            QStringLiteral("Writes the evidence folder of a recording and its partner: copies, "
                           "telemetry, pictures, a report and SHA256SUMS.")};
}

inline PictureCommand clipCommand()
{
    return {QStringLiteral("clip"),
            QStringLiteral("clip FILE|DIR [--from T --to T] [--layout L] [--no-overlay] OUT.mp4"),
            QStringLiteral("Writes an MP4 clip of a recording and its partner, or of a stretch "
                           "of the card's clock, with both cameras and the telemetry drawn in.")};
}
