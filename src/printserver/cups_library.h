// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cups/cups.h>

#include "printserver/print_server.h"

namespace arcwright {

// The calls of libcups this client makes, from the library opened at run time.
//
// libcups is not linked into the program: it brings GnuTLS, Kerberos, Avahi and a dozen
// more libraries with it, close to 4 MiB of a window that may never print. It is opened
// the first time the print server is asked for something, and stays open (closing it would
// pull its code from under the per-thread state it keeps).
struct CupsLibrary {
    decltype(&::cupsServer) cupsServer = nullptr;
    decltype(&::cupsEncryption) cupsEncryption = nullptr;
    decltype(&::ippPort) ippPort = nullptr;
    decltype(&::httpConnect2) httpConnect2 = nullptr;
    decltype(&::httpGetFd) httpGetFd = nullptr;
    decltype(&::httpClose) httpClose = nullptr;
    decltype(&::httpAssembleURIf) httpAssembleURIf = nullptr;
    decltype(&::cupsLastErrorString) cupsLastErrorString = nullptr;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest = nullptr;
    decltype(&::cupsGetDestWithURI) cupsGetDestWithURI = nullptr;
    decltype(&::cupsFreeDests) cupsFreeDests = nullptr;
    decltype(&::cupsCopyDestInfo) cupsCopyDestInfo = nullptr;
    decltype(&::cupsFreeDestInfo) cupsFreeDestInfo = nullptr;
    decltype(&::cupsFindDestDefault) cupsFindDestDefault = nullptr;
    decltype(&::ippGetString) ippGetString = nullptr;
    decltype(&::cupsGetDestMediaByName) cupsGetDestMediaByName = nullptr;
    decltype(&::cupsGetDestMediaDefault) cupsGetDestMediaDefault = nullptr;
    decltype(&::cupsAddOption) cupsAddOption = nullptr;
    decltype(&::cupsFreeOptions) cupsFreeOptions = nullptr;
    decltype(&::cupsCreateDestJob) cupsCreateDestJob = nullptr;
    decltype(&::cupsCancelDestJob) cupsCancelDestJob = nullptr;
    decltype(&::cupsStartDestDocument) cupsStartDestDocument = nullptr;
    decltype(&::cupsWriteRequestData) cupsWriteRequestData = nullptr;
    decltype(&::cupsFinishDestDocument) cupsFinishDestDocument = nullptr;
};

// libcups, opened on the first call from any thread; nullptr where it is not installed or
// lacks one of the calls.
const CupsLibrary* cupsLibrary();

}  // namespace arcwright
