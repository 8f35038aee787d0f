// tavik-tool evidence FILE OUT: the evidence folder of a recording and its partner.
#include "EvidencePictures.h"
#include "command.h"

#include <QDir>

#include <csignal>

namespace {

const char kUsage[] = "evidence FILE OUT";

int runEvidence(const QStringList &args)
{
    if (args.size() != 2 || args[0].startsWith(u'-') || args[1].startsWith(u'-'))
        return toolUsageError(QStringLiteral("usage: %1").arg(QLatin1String(kUsage)));
    // A file-size limit must fail the write and let the half folder be removed, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
    const QString error = exportEvidence(args[0], args[1], EvidencePictures());
    if (!error.isEmpty())
        return toolFailure(QStringLiteral("evidence not written: %1").arg(error));
    for (const QString &name : QDir(args[1]).entryList(QDir::Files, QDir::Name))
        toolOut() << QDir(args[1]).filePath(name) << '\n';
    return 0;
}

const ToolCommandRegistration registration{{"evidence", kUsage, runEvidence, true}};

} // namespace
