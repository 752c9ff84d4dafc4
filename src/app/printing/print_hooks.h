// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <utility>

class QPrinter;
class QWidget;

namespace arcwright {

// Where printing meets the desktop. An empty hook stands for the real thing
// (withDesktopDefaults); tests put in their own so no dialog waits for a person.
struct PrintHooks {
    // The printer to use in place of the system's default one, or nullptr for "none is set
    // up". Left empty, the print system is asked for its default queue off the window's
    // thread (see PagePrint).
    std::function<std::unique_ptr<QPrinter>()> defaultPrinter;
    // Lets the user choose a printer or a PDF file for `printer`; false when cancelled.
    std::function<bool(QPrinter& printer)> choosePrinter;
    // Tells the user what to do next.
    std::function<void(const QString& message)> tell;
    // Tells the user why the page was not printed and offers to save it as a PDF file
    // instead; true when the user takes that offer.
    std::function<bool(const QString& message)> offerPdf;
    // Asks where to save the page as a PDF file, starting from `suggested`; empty when
    // cancelled.
    std::function<QString(const QString& suggested)> choosePdfFile;
    // How long to wait for the print server, each time it is asked; zero for the usual.
    std::chrono::milliseconds serverLimit{0};
};

// How long the print server gets to answer when PrintHooks does not say.
inline constexpr std::chrono::milliseconds kDefaultServerLimit{20'000};

// `hooks` with every empty hook filled by the desktop's own: the print dialog, message
// boxes and a file dialog over `parent`. `defaultPrinter` stays empty (the print system is
// asked). A caller that replaced `tell` but not `offerPdf` is told through its `tell`,
// without the offer, so no box it did not ask for appears.
PrintHooks withDesktopDefaults(PrintHooks hooks, QWidget* parent);

}  // namespace arcwright
