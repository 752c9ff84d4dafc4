# SPDX-FileCopyrightText: 2026 Arcwright developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into PREFIX and checks what a desktop needs of it: the program, a valid
# launcher that starts it, a valid AppStream entry, and the icon in the hicolor theme.
# Run by ctest with -D BUILD_DIR, PREFIX, APP_ID, VERSION, DESKTOP_FILE_VALIDATE, APPSTREAMCLI.

set(failures 0)
macro(fail what)
  message(SEND_ERROR "${what}")
  math(EXPR failures "${failures} + 1")
endmacro()

function(expect_file path)
  if(NOT EXISTS "${PREFIX}/${path}")
    fail("missing from the install tree: ${path}")
  endif()
endfunction()

# Width and height of a PNG, from its IHDR chunk.
function(png_size path out)
  file(READ "${path}" header HEX OFFSET 16 LIMIT 8)
  string(LENGTH "${header}" length)
  if(NOT length EQUAL 16)
    set(${out} "not a PNG" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${header}" 0 8 w)
  string(SUBSTRING "${header}" 8 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  set(${out} "${w}x${h}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

# The program.
expect_file(bin/arcwright)
execute_process(COMMAND test -x "${PREFIX}/bin/arcwright" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("bin/arcwright is not executable")
endif()

# The launcher.
set(desktop "share/applications/${APP_ID}.desktop")
expect_file(${desktop})
if(NOT DESKTOP_FILE_VALIDATE)
  fail("desktop-file-validate not found (package desktop-file-utils)")
elseif(EXISTS "${PREFIX}/${desktop}")
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/${desktop}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    fail("desktop-file-validate: ${out}")
  endif()
  file(STRINGS "${PREFIX}/${desktop}" exec REGEX "^Exec=")
  file(STRINGS "${PREFIX}/${desktop}" icon REGEX "^Icon=")
  if(NOT exec STREQUAL "Exec=arcwright")
    fail("the launcher runs '${exec}', not the installed arcwright")
  endif()
  if(NOT icon STREQUAL "Icon=${APP_ID}")
    fail("the launcher's icon is '${icon}', not ${APP_ID}")
  endif()
endif()

# The AppStream entry.
set(metainfo "share/metainfo/${APP_ID}.metainfo.xml")
expect_file(${metainfo})
if(NOT APPSTREAMCLI)
  fail("appstreamcli not found (package appstream)")
elseif(EXISTS "${PREFIX}/${metainfo}")
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${PREFIX}/${metainfo}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate: ${out}")
  endif()
  file(READ "${PREFIX}/${metainfo}" xml)
  foreach(needed
      "<id>${APP_ID}</id>"
      "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
      "<release version=\"${VERSION}\" date=\"2026-12-08\">"
      "<metadata_license>CC0-1.0</metadata_license>"
      "<project_license>GPL-3.0-or-later</project_license>"
      "<binary>arcwright</binary>")
    string(FIND "${xml}" "${needed}" at)
    if(at EQUAL -1)
      fail("the AppStream entry lacks ${needed}")
    endif()
  endforeach()
endif()

# No made-up address: where the project has none, the field is left out.
foreach(path ${desktop} ${metainfo} share/doc/arcwright/copyright)
  if(EXISTS "${PREFIX}/${path}")
    file(READ "${PREFIX}/${path}" text)
    if(text MATCHES "example\\.(org|com|net)")
      fail("${path} names a placeholder address")
    endif()
  endif()
endforeach()

# The licence, in the form Debian's tools read.
expect_file(share/doc/arcwright/copyright)
if(EXISTS "${PREFIX}/share/doc/arcwright/copyright")
  file(STRINGS "${PREFIX}/share/doc/arcwright/copyright" format LIMIT_COUNT 1)
  file(READ "${PREFIX}/share/doc/arcwright/copyright" text)
  if(NOT format MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
     OR NOT text MATCHES "\nLicense: GPL-3.0-or-later\n")
    fail("share/doc/arcwright/copyright is not a machine-readable GPL-3.0-or-later copyright file")
  endif()
endif()

# The icon: the scalable drawing and every PNG size at its own size.
expect_file(share/icons/hicolor/scalable/apps/${APP_ID}.svg)
if(EXISTS "${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg")
  file(READ "${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg" svg)
  if(NOT svg MATCHES "<svg[^>]*viewBox=\"0 0 64 64\"")
    fail("the scalable icon is not a square SVG drawing")
  endif()
endif()
foreach(size 16 24 32 48 64 128 256)
  set(png "share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  expect_file(${png})
  if(EXISTS "${PREFIX}/${png}")
    png_size("${PREFIX}/${png}" got)
    if(NOT got STREQUAL "${size}x${size}")
      fail("${png} is ${got}")
    endif()
  endif()
endforeach()

# The installed program starts on its own, away from the build tree, and keeps running
# until it is stopped.
execute_process(COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen
                        "${PREFIX}/bin/arcwright"
                TIMEOUT 3 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc MATCHES "timeout")
  fail("the installed arcwright ended early (${rc}): ${out}")
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} problem(s) with the install tree")
endif()
message(STATUS "install tree in ${PREFIX} is complete")
