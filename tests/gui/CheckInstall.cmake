# Installs the build into a fresh prefix and checks that the programs, the manual and the
# desktop files land where the desktop looks for them.
# -DBUILD_DIR=<build tree> -DPREFIX=<empty folder to install into>
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    bin/vantor
    bin/lumenote
    bin/Movement.vtm
    bin/Weapons.vtm
    bin/Zoom.vtm
    bin/Network.vtm
    bin/Chat.vtm
    bin/Demos.vtm
    "bin/Quake Definitions.vtm"
    "bin/Quake III Definitions.vtm"
    bin/Example.vtl
    bin/quake-definitions.txt
    bin/quake3-definitions.txt
    share/doc/vantor/README.md
    share/doc/vantor/docs/images/main-window.png
    share/applications/vantor.desktop
    share/applications/vantor-module.desktop
    share/mime/packages/vantor.xml
    share/icons/hicolor/scalable/apps/vantor.svg
    share/icons/hicolor/32x32/apps/vantor.png
    share/icons/hicolor/scalable/mimetypes/application-x-vantor-library.svg
    share/icons/hicolor/scalable/mimetypes/application-x-vantor-module.svg)
foreach(path IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(READ "${PREFIX}/share/applications/vantor.desktop" entry)
if(NOT entry MATCHES "\nExec=vantor %F\n" OR NOT entry MATCHES "MimeType=application/x-vantor-library;")
    message(FATAL_ERROR "vantor.desktop does not open Libraries with vantor:\n${entry}")
endif()
file(READ "${PREFIX}/share/mime/packages/vantor.xml" package)
foreach(part "type=\"application/x-vantor-library\"" "pattern=\"\\*.vtl\""
             "type=\"application/x-vantor-module\"" "pattern=\"\\*.vtm\"")
    if(NOT package MATCHES "${part}")
        message(FATAL_ERROR "vantor.xml lacks ${part}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
