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
    return {QStringLiteral("demo-card"),
            QStringLiteral("demo-card DIR [--minutes M] [--seconds S] [--seed N]"),
            QStringLiteral("tool.help.pictures_writes_a_sample")};
}

inline PictureCommand evidenceCommand()
{
    return {QStringLiteral("evidence"), QStringLiteral("evidence FILE OUT"),
            QStringLiteral("tool.help.pictures_writes_the_evidence")};
}

inline PictureCommand clipCommand()
{
    return {QStringLiteral("clip"),
            QStringLiteral("clip FILE|DIR [--from T --to T] [--layout L] [--no-overlay] OUT.mp4"),
            QStringLiteral("tool.help.pictures_writes_an_mp4")};
}
