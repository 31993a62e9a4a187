// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/zelfdebestand.h"

#include <filesystem>
#include <system_error>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kz {

namespace {

namespace fs = std::filesystem;

// The name that QSaveFile replaces for pad: its links followed, then the folder's.
QString vervangt(const std::string& pad) {
    QFileInfo f(QFile::decodeName(QByteArray::fromStdString(pad)));
    for (int diepte = 0; diepte < 40 && f.isSymLink(); ++diepte) f.setFile(f.symLinkTarget());
    const QString map = QFileInfo(f.absolutePath()).canonicalFilePath();
    return QDir::cleanPath((map.isEmpty() ? f.absolutePath() : map) + QLatin1Char('/') + f.fileName());
}

} // namespace

bool zelfdeBestand(const std::string& a, const std::string& b) {
    try {
        // UTF-8 on Windows, the bytes as they are elsewhere.
        const auto pad = [](const std::string& s) { return fs::path(std::u8string(s.begin(), s.end())); };
        std::error_code fout;
        if (fs::equivalent(pad(a), pad(b), fout)) return true;
    } catch (const std::exception&) {
        // A name that is no valid UTF-8 on Windows: compared by its name alone.
    }
    return vervangt(a) == vervangt(b);
}

std::optional<std::pair<std::size_t, std::size_t>> zoekZelfdeBestand(const std::vector<std::string>& paden) {
    for (std::size_t j = 1; j < paden.size(); ++j)
        for (std::size_t i = 0; i < j; ++i)
            if (zelfdeBestand(paden[i], paden[j])) return std::pair(i, j);
    return std::nullopt;
}

} // namespace kz
