// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widgets/announce.h"

#include <QAccessible>
#include <QWidget>

namespace arcwright {

namespace {

std::function<void(const QAccessibleEvent&)>& announcementWatcher() {
    static std::function<void(const QAccessibleEvent&)> watcher;
    return watcher;
}

}  // namespace

void announce(QWidget* widget) {
    QAccessibleEvent alert(widget, QAccessible::Alert);
    if (announcementWatcher()) announcementWatcher()(alert);
    QAccessible::updateAccessibility(&alert);
}

void watchAnnouncements(std::function<void(const QAccessibleEvent&)> watcher) {
    announcementWatcher() = std::move(watcher);
}

}  // namespace arcwright
