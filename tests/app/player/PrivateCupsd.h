#pragma once
// A print server of the test's own: cupsd with its configuration, spool and queues in a
// temporary folder, listening on a free localhost port. Queue "photo" takes image/jpeg,
// queue "document" only application/pdf; both pass what they get unchanged into a file.
#include "core/testsupport.h"

#include <QStandardPaths>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class PrivateCupsd
{
public:
    ~PrivateCupsd() { stop(); }

    static QString program()
    {
        return QStandardPaths::findExecutable(
            QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    }

    // Starts the server and points this process's libcups at it. Empty on success, else why not.
    QString start()
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        // Jobs run as user lp, who must reach the filter.
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther);
        const QDir dir(m_dir.path());
        for (const char *sub :
             {"root/ppd", "spool", "cache", "state", "log", "tmp", "out", "bin/filter"})
            dir.mkpath(QLatin1String(sub));
        QFile::setPermissions(path("tmp"), QFile::Permissions(0x7777));
        QFile::link(QStringLiteral("/usr/lib/cups/daemon"), path("bin/daemon"));
        writeFile(path("bin/filter/passthrough"),
                  "#!/bin/sh\nif [ -n \"$6\" ]; then exec cat \"$6\"; else exec cat; fi\n");
        QFile::setPermissions(path("bin/filter/passthrough"), QFile::Permissions(0x7555));

        m_port = freePort();
        writeFile(path("root/cupsd.conf"),
                  QStringLiteral("Listen 127.0.0.1:%1\nLogLevel info\nWebInterface No\n"
                                 "Browsing No\nDefaultAuthType None\n"
                                 "<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                                 "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n"
                                 "</Policy>\n")
                      .arg(m_port)
                      .toUtf8());
        QByteArray files = geteuid() == 0 ? "User lp\nGroup lp\n" : "";
        for (const auto &[key, sub] : {std::pair{"ServerRoot", "root"},
                                       {"RequestRoot", "spool"},
                                       {"CacheDir", "cache"},
                                       {"StateDir", "state"},
                                       {"TempDir", "tmp"},
                                       {"ServerBin", "bin"}})
            files += QByteArray(key) + ' ' + path(sub).toUtf8() + '\n';
        for (const char *log : {"AccessLog", "ErrorLog", "PageLog"})
            files += QByteArray(log) + ' ' + path("log").toUtf8() + '/' + log + '\n';
        files += "FileDevice Yes\nSandboxing Relaxed\n";
        writeFile(path("root/cups-files.conf"), files);

        QByteArray printers;
        int id = 1;
        for (const auto &[queue, type] :
             {std::pair{"photo", "image/jpeg"}, {"document", "application/pdf"}}) {
            writeFile(path("root/ppd/") + QLatin1String(queue) + QStringLiteral(".ppd"), ppd(type));
            printers += QStringLiteral("<Printer %1>\nPrinterId %2\nInfo %1\nDeviceURI file://%3\n"
                                       "State Idle\nAccepting Yes\nShared No\n</Printer>\n")
                            .arg(QLatin1String(queue))
                            .arg(id++)
                            .arg(output(QLatin1String(queue)))
                            .toUtf8();
        }
        writeFile(path("root/printers.conf"), printers);

        m_server.start(program(),
                       {QStringLiteral("-f"), QStringLiteral("-c"), path("root/cupsd.conf"),
                        QStringLiteral("-s"), path("root/cups-files.conf")});
        if (!m_server.waitForStarted())
            return QStringLiteral("cupsd does not start");
        qputenv("CUPS_SERVER", QStringLiteral("127.0.0.1:%1").arg(m_port).toUtf8());
        const bool listening = QTest::qWaitFor([this] { return canConnect(m_port); }, 10000);
        return listening ? QString() : QStringLiteral("cupsd does not listen: ") + errorLog();
    }

    void stop()
    {
        if (m_server.state() == QProcess::NotRunning)
            return;
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    // What the queue's device received.
    QString output(const QString &queue) const
    {
        return path("out/") + queue + QStringLiteral(".out");
    }
    QString errorLog() const { return QString::fromUtf8(readFile(path("log/ErrorLog"))); }

private:
    QString path(const char *sub) const { return m_dir.filePath(QLatin1String(sub)); }

    static QByteArray ppd(const char *type)
    {
        return QByteArray("*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
                          "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n"
                          "*PCFileName: \"TEST.PPD\"\n*Manufacturer: \"Test\"\n"
                          "*Product: \"(Test)\"\n*ModelName: \"Test\"\n*ShortNickName: \"Test\"\n"
                          "*NickName: \"Test\"\n*PSVersion: \"(3010.000) 0\"\n"
                          "*LanguageLevel: \"3\"\n*ColorDevice: True\n*DefaultColorSpace: RGB\n"
                          "*FileSystem: False\n*Throughput: \"1\"\n"
                          "*LandscapeOrientation: Plus90\n*TTRasterizer: Type42\n"
                          "*cupsFilter2: \"") +
               type + ' ' + type +
               " 0 passthrough\"\n*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
               "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*CloseUI: *PageSize\n"
               "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"18 36 577 806\"\n"
               "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n";
    }

    static sockaddr_in loopback(int port)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return address;
    }

    static int freePort()
    {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(0);
        socklen_t length = sizeof address;
        bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
        getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
        close(fd);
        return ntohs(address.sin_port);
    }

    static bool canConnect(int port)
    {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(port);
        const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        close(fd);
        return ok;
    }

    QTemporaryDir m_dir;
    QProcess m_server;
    int m_port = 0;
};
