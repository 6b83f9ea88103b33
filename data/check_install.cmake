# SPDX-FileCopyrightText: 2026 Zelta contributors
# SPDX-License-Identifier: GPL-3.0-or-later

cmake_minimum_required(VERSION 3.22)
# Installs the build into a fresh prefix and checks that every file lands where the
# desktop looks for it.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/zelta
    share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml
    share/man/man1/zelta.1
    share/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(side IN LISTS ICON_SIZES)
    list(APPEND expected share/icons/hicolor/${side}x${side}/apps/${APP_ID}.png)
endforeach()

set(missing "")
foreach(path IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${path})
        list(APPEND missing ${path})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "missing under ${PREFIX}: ${missing}")
endif()
execute_process(COMMAND test -x ${PREFIX}/bin/zelta RESULT_VARIABLE not_executable)
if(not_executable)
    message(FATAL_ERROR "${PREFIX}/bin/zelta is not executable")
endif()

# Each bitmap icon is as large as the folder it sits in says (PNG width and height are the
# two big-endian words after the signature and the header chunk's length and type).
foreach(side IN LISTS ICON_SIZES)
    file(READ ${PREFIX}/share/icons/hicolor/${side}x${side}/apps/${APP_ID}.png header
         OFFSET 16 LIMIT 8 HEX)
    math(EXPR want "${side}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${want}" 2 -1 want)
    string(LENGTH "${want}" n)
    while(n LESS 8)
        string(PREPEND want 0)
        math(EXPR n "${n} + 1")
    endwhile()
    if(NOT header STREQUAL "${want}${want}")
        message(FATAL_ERROR "the ${side}x${side} icon measures ${header}")
    endif()
endforeach()

# The desktop entry names the icon and the program that were installed.
file(STRINGS ${PREFIX}/share/applications/${APP_ID}.desktop entry)
if(NOT "Icon=${APP_ID}" IN_LIST entry OR NOT "Exec=zelta" IN_LIST entry)
    message(FATAL_ERROR "the desktop entry does not name ${APP_ID} and zelta")
endif()
message(STATUS "installed layout under ${PREFIX} is complete")
