#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A temporary working folder in which a test writes its own word lists, byte for byte.
class WordListFolder
{
public:
    QDir dir() const { return QDir(m_dir.path()); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private:
    QTemporaryDir m_dir;
};
