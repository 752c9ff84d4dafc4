// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace arcwright {

// Where a page saved as PDF is first offered: always a folder that can be written, so the
// print and file dialogs never start on a name they will refuse.
//
// The documents folder where it exists; where it is missing but the desktop's folder
// settings name it (XDG_DOCUMENTS_DIR in user-dirs.dirs), it is made first, as the desktop
// would; otherwise the home folder. A new account, a minimal install or a container often
// has no documents folder at all.
QString pdfFolder();

// `documentName`.pdf in pdfFolder().
QString suggestedPdfFile(const QString& documentName);

}  // namespace arcwright
