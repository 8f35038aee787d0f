// tavik-tool evidence FILE OUT: the evidence folder of a recording and its partner.
#include "core/common/strings.h"
#include "render/EvidencePictures.h"
#include "tool/command.h"
#include "tool/paint/picturecommands.h"

#include <QDir>

#include <csignal>

namespace {

int runEvidence(const QCommandLineParser &line)
{
    const QStringList args = line.positionalArguments();
    // A file-size limit must fail the write and let the half folder be removed, not kill us.
    std::signal(SIGXFSZ, SIG_IGN);
    if (const tvk::Result<void> done = exportEvidence(args[0], args[1], EvidencePictures()); !done)
        return toolFailure(tvk::text("tool.evidence_not_written").arg(done.failure().text()));
    for (const QString &name : QDir(args[1]).entryList(QDir::Files, QDir::Name))
        toolOut() << QDir(args[1]).filePath(name) << '\n';
    return 0;
}

const ToolCommandRegistration registration{{
    evidenceCommand().name,
    evidenceCommand().usage,
    evidenceCommand().description,
    {},
    {{QStringLiteral("FILE"), QStringLiteral("tool.help.evidence_the_recording_avi")},
     {QStringLiteral("OUT"), QStringLiteral("tool.help.evidence_the_folder_to")}},
    runEvidence,
}};

} // namespace
