# Install time, after the files are copied: the desktop entry, a Settings.ini
# when there is none, and the list of installed files for uninstall. Runs in
# the install script's own scope, where CMAKE_INSTALL_MANIFEST_FILES lists what
# was copied.
set(app_dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${VELMORA_INSTALL_APP_DIR}")

# Exec takes the launcher in double quotes: inside them " ` $ \ get a
# backslash, then the key's value escapes every backslash again and doubles %.
string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" exec "${CMAKE_INSTALL_PREFIX}/bin/velmora")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(VELMORA_DESKTOP_EXEC "\"${exec}\"")
# Written in place rather than staged in the build tree, where installs into
# two prefixes at once would take each other's entry.
set(entry "${CMAKE_INSTALL_PREFIX}/share/applications/velmora.desktop")
message(STATUS "Installing: $ENV{DESTDIR}${entry}")
configure_file("${VELMORA_DESKTOP_TEMPLATE}" "$ENV{DESTDIR}${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
include("${CMAKE_CURRENT_LIST_DIR}/AppFolder.cmake")
velmora_update_desktop_database("${CMAKE_INSTALL_PREFIX}/share/applications")

if(EXISTS "${app_dir}/Settings.ini")
    message(STATUS "Kept: ${app_dir}/Settings.ini")
else()
    execute_process(COMMAND "${CMAKE_COMMAND}"
        "-DSETTINGS=${app_dir}/Settings.ini"
        "-DENCODER=${CMAKE_INSTALL_PREFIX}/${VELMORA_INSTALL_APP_DIR}/${VELMORA_ENCODER_NAME}"
        "-DDECODER=${CMAKE_INSTALL_PREFIX}/${VELMORA_INSTALL_APP_DIR}/${VELMORA_DECODER_NAME}"
        -P "${VELMORA_SETTINGS_SCRIPT}"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Cannot write ${app_dir}/Settings.ini")
    endif()
    message(STATUS "Written: ${app_dir}/Settings.ini")
endif()

# An earlier installation's list is merged in, so that uninstall also removes
# files that this version no longer installs.
set(manifest "${app_dir}/${VELMORA_INSTALL_MANIFEST}")
set(installed)
if(EXISTS "${manifest}")
    file(STRINGS "${manifest}" installed)
endif()
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    file(RELATIVE_PATH relative "${CMAKE_INSTALL_PREFIX}" "${file}")
    list(APPEND installed "${relative}")
endforeach()
list(REMOVE_DUPLICATES installed)
list(JOIN installed "\n" text)
file(WRITE "${manifest}" "${text}\n")

message(STATUS "Velmora is installed: start it from the desktop's menu or with ${CMAKE_INSTALL_PREFIX}/bin/velmora")
