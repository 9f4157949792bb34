# Install time, before any file is copied: refuse a prefix whose application
# folder the user could not write, and an application folder with a running job.
include(${CMAKE_CURRENT_LIST_DIR}/AppFolder.cmake)

# A relative prefix counts from the current folder, as it does for the copied
# files; the desktop entry and Settings.ini need it absolute.
get_filename_component(CMAKE_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(app_dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${VELMORA_INSTALL_APP_DIR}")
velmora_require_writable_app_folder("${app_dir}"
    "Install into a prefix of your own: the default ~/.local (make install), or another with PREFIX=.")
velmora_refuse_while_job_runs("${app_dir}" "Install again")
