#pragma once
// What many tests need: whole files read and written, a run of a program or of tavik-tool, and a
// file-size limit under which writes stop part-way, as on a full card; and the Qt Test and
// folder headers every such test includes.

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline quint32 le32At(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

struct ProcessRun
{
    int status = -1; // the exit code, or -1 when the program did not finish normally
    QByteArray out, err;
};

inline ProcessRun
runProgram(const QString &program, const QStringList &args,
           const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    ProcessRun run;
    if (process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit)
        run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

inline ProcessRun
runTool(const QStringList &args,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    return runProgram(qEnvironmentVariable("TAVIK_TOOL"), args, environment);
}

// The named fields of a JSON object as "key=value" words, to compare a report at a glance.
inline QString jsonFields(const QJsonValue &object, const QStringList &keys)
{
    QStringList words;
    for (const QString &key : keys)
        words << key + u'=' + object[key].toVariant().toString();
    return words.join(u' ');
}

// While it lives, no file of this process grows beyond `bytes`.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit small = m_saved;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
};
