// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/printing/pdf_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace arcwright {
namespace {

bool writableFolder(const QString& path) {
    const QFileInfo folder(path);
    return folder.isDir() && folder.isWritable();
}

// Whether the desktop's folder settings name a documents folder: QStandardPaths answers
// ~/Documents either way, and only a folder the user's settings ask for is made.
bool documentsFolderNamedBySettings() {
    QFile settings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QStringLiteral("/user-dirs.dirs"));
    if (!settings.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    while (!settings.atEnd()) {
        if (settings.readLine().trimmed().startsWith("XDG_DOCUMENTS_DIR=")) return true;
    }
    return false;
}

}  // namespace

QString pdfFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty()) {
        if (writableFolder(documents)) return documents;
        if (!QFileInfo::exists(documents) && documentsFolderNamedBySettings() &&
            QDir().mkpath(documents) && writableFolder(documents)) {
            return documents;
        }
    }
    return QDir::homePath();
}

QString suggestedPdfFile(const QString& documentName) {
    return QDir(pdfFolder()).filePath(documentName + QStringLiteral(".pdf"));
}

}  // namespace arcwright
