# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the .deb from the build tree and checks what apt will see of it: the package's
# name and version, that it depends on the Qt libraries the program links (found by
# dpkg-shlibdeps), on the platform plugins and on the libcups it opens, names no placeholder
# address, and carries the program, the launcher, the AppStream entry, the icon and the
# copyright file under /usr.
# Run by ctest with -D BUILD_DIR, OUT_DIR, APP_ID, VERSION.

file(REMOVE_RECURSE "${OUT_DIR}")
file(MAKE_DIRECTORY "${OUT_DIR}")
execute_process(COMMAND cpack -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT_DIR}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}")
endif()
file(GLOB debs "${OUT_DIR}/arcwright_*.deb")
list(LENGTH debs count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one arcwright_*.deb in ${OUT_DIR}, found ${count}")
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Package Version Depends Maintainer Homepage
                OUTPUT_VARIABLE fields RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb cannot read ${debs}")
endif()
# libcups2 is opened at run time, not linked: dpkg-shlibdeps cannot see it.
foreach(needed "Package: arcwright" "Version: ${VERSION}" "libqt6widgets6" "libqt6printsupport6"
               "qt6-qpa-plugins" "libcups2")
  string(FIND "${fields}" "${needed}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "the package's fields lack '${needed}':\n${fields}")
  endif()
endforeach()

if(fields MATCHES "example\\.(org|com|net)")
  message(SEND_ERROR "the package names a placeholder address:\n${fields}")
endif()

execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents)
foreach(path "./usr/bin/arcwright" "./usr/share/applications/${APP_ID}.desktop"
             "./usr/share/metainfo/${APP_ID}.metainfo.xml"
             "./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg"
             "./usr/share/icons/hicolor/48x48/apps/${APP_ID}.png"
             "./usr/share/doc/arcwright/copyright")
  string(FIND "${contents}" "${path}" at)
  if(at EQUAL -1)
    message(SEND_ERROR "the package does not carry ${path}")
  endif()
endforeach()
