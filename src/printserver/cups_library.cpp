// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printserver/cups_library.h"

#include <dlfcn.h>

#include <optional>

namespace arcwright {
namespace {

template <class Call>
bool find(void* library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(dlsym(library, name));
    return call != nullptr;
}

std::optional<CupsLibrary> open() {
    void* library = dlopen(kCupsLibraryFile, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return std::nullopt;
    CupsLibrary c;
    const bool complete =
        find(library, "cupsServer", c.cupsServer) &&
        find(library, "cupsEncryption", c.cupsEncryption) && find(library, "ippPort", c.ippPort) &&
        find(library, "httpConnect2", c.httpConnect2) && find(library, "httpGetFd", c.httpGetFd) &&
        find(library, "httpClose", c.httpClose) &&
        find(library, "httpAssembleURIf", c.httpAssembleURIf) &&
        find(library, "cupsLastErrorString", c.cupsLastErrorString) &&
        find(library, "cupsGetNamedDest", c.cupsGetNamedDest) &&
        find(library, "cupsGetDestWithURI", c.cupsGetDestWithURI) &&
        find(library, "cupsFreeDests", c.cupsFreeDests) &&
        find(library, "cupsCopyDestInfo", c.cupsCopyDestInfo) &&
        find(library, "cupsFreeDestInfo", c.cupsFreeDestInfo) &&
        find(library, "cupsFindDestDefault", c.cupsFindDestDefault) &&
        find(library, "ippGetString", c.ippGetString) &&
        find(library, "cupsGetDestMediaByName", c.cupsGetDestMediaByName) &&
        find(library, "cupsGetDestMediaDefault", c.cupsGetDestMediaDefault) &&
        find(library, "cupsAddOption", c.cupsAddOption) &&
        find(library, "cupsFreeOptions", c.cupsFreeOptions) &&
        find(library, "cupsCreateDestJob", c.cupsCreateDestJob) &&
        find(library, "cupsCancelDestJob", c.cupsCancelDestJob) &&
        find(library, "cupsStartDestDocument", c.cupsStartDestDocument) &&
        find(library, "cupsWriteRequestData", c.cupsWriteRequestData) &&
        find(library, "cupsFinishDestDocument", c.cupsFinishDestDocument);
    // A libcups without one of these is too old to use; nothing of it has run yet.
    if (!complete) {
        dlclose(library);
        return std::nullopt;
    }
    return c;
}

}  // namespace

const CupsLibrary* cupsLibrary() {
    // Opened once for the whole process, on the first request from any thread.
    static const std::optional<CupsLibrary> library = open();
    return library ? &*library : nullptr;
}

}  // namespace arcwright
