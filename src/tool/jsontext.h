#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

// JSON written by hand where a contract fixes the form of its numbers ("42.0", not "42").
inline QString jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}
