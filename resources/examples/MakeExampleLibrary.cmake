# Builds the example Library with vantor-cli (cmake -P, called by a custom command):
#   CLI      the vantor-cli program
#   MODULES  the folder holding the standard Module files
#   LIBRARY  the Library file to make
#   PRISTINE where the copy made last time is kept
#   ENGINE   the example game engine folder, in which the Games' scripts are written
#   AUTOEXEC a player's autoexec.cfg, copied into the first game folder for importing
#
# The Library is made afresh in a scratch file. It replaces LIBRARY only when LIBRARY is
# missing or is still the copy made last time: a Library the user has edited and saved is
# kept. Scripts and autoexec.cfg already in the engine folder are never replaced.
cmake_minimum_required(VERSION 3.25)

set(pristine "${PRISTINE}")
set(scratch "${LIBRARY}.new")
file(REMOVE "${scratch}")

file(MAKE_DIRECTORY "${ENGINE}/id1" "${ENGINE}/baseq3")
if(NOT EXISTS "${ENGINE}/id1/autoexec.cfg")
    file(COPY_FILE "${AUTOEXEC}" "${ENGINE}/id1/autoexec.cfg")
endif()

function(cli)
    execute_process(COMMAND "${CLI}" ${ARGN} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        file(REMOVE "${scratch}")
        message(FATAL_ERROR "vantor-cli ${ARGN} failed (${status})")
    endif()
endfunction()

cli(new "${scratch}" --engine "${ENGINE}")
cli(import-module "${scratch}"
    "${MODULES}/Quake Definitions.vtm" "${MODULES}/Quake III Definitions.vtm"
    "${MODULES}/Movement.vtm" "${MODULES}/Weapons.vtm" "${MODULES}/Zoom.vtm"
    "${MODULES}/Network.vtm" "${MODULES}/Chat.vtm" "${MODULES}/Demos.vtm")
cli(add-game "${scratch}" "Quake" "${ENGINE}/id1/vantor.cfg")
cli(use "${scratch}" "Quake" "Quake Definitions" Movement Weapons Zoom "Demo Recording")
cli(add-game "${scratch}" "Quake III" "${ENGINE}/baseq3/vantor.cfg")
cli(use "${scratch}" "Quake III" "Quake III Definitions" Movement Weapons Zoom "Network Settings" Chat)

set(replace TRUE)
if(EXISTS "${LIBRARY}" AND EXISTS "${pristine}")
    file(SHA256 "${LIBRARY}" current)
    file(SHA256 "${pristine}" made)
    if(NOT current STREQUAL made)
        set(replace FALSE)
    endif()
elseif(EXISTS "${LIBRARY}")
    set(replace FALSE)
endif()

file(COPY_FILE "${scratch}" "${pristine}")
if(replace)
    file(RENAME "${scratch}" "${LIBRARY}")
else()
    file(REMOVE "${scratch}")
    message(STATUS "Kept ${LIBRARY}: it was changed since it was made (remove it to get a "
                   "fresh copy)")
endif()
