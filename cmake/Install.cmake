# Installs Velmora for the user who runs it: the application folder under
# <prefix>/lib/velmora, the launcher <prefix>/bin/velmora, a desktop entry and
# the theme icons. `make install` and `make uninstall` (PREFIX=) wrap it.
include(${CMAKE_CURRENT_LIST_DIR}/install/AppFolder.cmake)

# The application folder must be writable by its user, so the default prefix
# is the user's own.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix" FORCE)
endif()

# What goes into the application folder.
set(VELMORA_INSTALLED_PROGRAMS velmora velmora-demo dosbatch dosbatch-window l3enc l3dec message)
set(VELMORA_INSTALLED_FOLDERS ${VELMORA_APP_DIR}/help ${VELMORA_APP_DIR}/samples)

set(install_steps ${CMAKE_CURRENT_LIST_DIR}/install)

# Before anything is copied: the values the later steps need, and the checks.
install(CODE "
    set(VELMORA_DESKTOP_TEMPLATE \"${PROJECT_SOURCE_DIR}/app/velmora.desktop.in\")
    set(VELMORA_SETTINGS_SCRIPT \"${VELMORA_DEFAULT_SETTINGS_SCRIPT}\")
    set(VELMORA_ENCODER_NAME \"$<TARGET_FILE_NAME:l3enc>\")
    set(VELMORA_DECODER_NAME \"$<TARGET_FILE_NAME:l3dec>\")
    include(\"${install_steps}/BeforeInstall.cmake\")")

install(TARGETS ${VELMORA_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${VELMORA_INSTALL_APP_DIR})
install(DIRECTORY ${VELMORA_INSTALLED_FOLDERS} DESTINATION ${VELMORA_INSTALL_APP_DIR})

configure_file(${PROJECT_SOURCE_DIR}/app/velmora-launcher.sh.in ${CMAKE_BINARY_DIR}/launcher/velmora @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/velmora DESTINATION bin)
install(DIRECTORY ${VELMORA_ICON_DIR}/ DESTINATION share/icons/hicolor)

# The desktop entry names the launcher by its installed path, Settings.ini the
# installed coders: both are made once the prefix is known.
install(SCRIPT ${install_steps}/AfterInstall.cmake)
