#pragma once

#include <QByteArray>
#include <QStringList>

struct Run
{
    int status = -1;
    qint64 outputBytes = 0;
    long peakKiB = 0;
};

// Runs a program with its output read and counted, and the child's peak memory. The child
// counts the peak of this process's pages at its start too, so this process stays small: the
// files are written by children of their own.
Run runProgram(const QByteArray &program, const QStringList &args);
