#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The snapshot that a capture or a print works on. It lives in a folder that only this user
// can enter, as a file that only this user can read, and goes with the object at exit: a
// fixed name in the shared temporary folder could be planted as a link by another user.
class CaptureFile
{
public:
    CaptureFile();

    bool isValid() const { return m_dir.isValid(); }
    QString folder() const { return m_dir.path(); }

    // Makes `name` in the private folder an empty file with mode 0600 (a writer that truncates
    // it keeps that mode) and returns its path; empty when that fails.
    QString preparedPath(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// The file names of the two snapshots: lossless for saving, JPEG for the printer.
inline constexpr char kCaptureSnapshotName[] = "tavik_capture.png";
inline constexpr char kPrintSnapshotName[] = "tavik_capture.jpg";

// The image format a captured frame is saved in, from the extension the user gave the file:
// "png", "jpeg" or "bmp"; empty for an extension that names no image format we write.
QByteArray captureFormatForPath(const QString &path);

// Where the save panel starts: "tavik_capture.png" in the user's documents folder.
QString suggestedCapturePath();
