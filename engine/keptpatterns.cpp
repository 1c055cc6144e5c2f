// SPDX-License-Identifier: GPL-3.0-or-later
#include "keptpatterns.h"

#include <QFileInfo>

std::unique_ptr<KeptPatterns> KeptPatterns::open(const QString &patternsPath,
                                                 const QString &cachePath)
{
    // Not a folder, nor a pipe that would keep the reader waiting.
    if (cachePath.isEmpty() || !QFileInfo(cachePath).isFile())
        return nullptr;
    const std::optional<CachedPatterns::Key> key = CachedPatterns::keyOfFile(patternsPath);
    if (!key)
        return nullptr;
    std::unique_ptr<KeptPatterns> kept(new KeptPatterns);
    kept->m_file.setFileName(cachePath);
    if (!kept->m_file.open(QIODevice::ReadOnly))
        return nullptr;
    const qint64 size = kept->m_file.size();
    const uchar *mapped = size > 0 ? kept->m_file.map(0, size) : nullptr;
    if (!mapped)
        return nullptr;
    kept->m_bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), qsizetype(size));
    return kept->indexed(*key) ? std::move(kept) : nullptr;
}

std::unique_ptr<KeptPatterns> KeptPatterns::fromBytes(QByteArray bytes,
                                                      const CachedPatterns::Key &key)
{
    std::unique_ptr<KeptPatterns> kept(new KeptPatterns);
    kept->m_bytes = std::move(bytes);
    return kept->indexed(key) ? std::move(kept) : nullptr;
}

bool KeptPatterns::indexed(const CachedPatterns::Key &key)
{
    if (!CachedPatterns::isSound(m_bytes, key))
        return false;
    std::optional<CachedPatterns::Index> index = CachedPatterns::indexOf(m_bytes);
    if (!index)
        return false;
    m_index = std::move(*index);
    return true;
}
