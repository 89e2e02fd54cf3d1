#pragma once
// The hex SHA-256 of a file's bytes, for comparing what was recovered with
// what an independent reader wrote; empty where the file cannot be read.
#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>

inline QByteArray sha256(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}
