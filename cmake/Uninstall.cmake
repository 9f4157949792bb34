# Removes what install put into a prefix, except Settings.ini: the coder paths
# in it are the user's. Needs no build tree.
#   cmake -DPREFIX=<prefix> -P cmake/Uninstall.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/install/AppFolder.cmake)

if(NOT PREFIX)
    message(FATAL_ERROR "usage: cmake -DPREFIX=<prefix> -P Uninstall.cmake")
endif()
get_filename_component(prefix "${PREFIX}" ABSOLUTE)
set(app_dir "${prefix}/${VELMORA_INSTALL_APP_DIR}")
set(manifest "${app_dir}/${VELMORA_INSTALL_MANIFEST}")
if(NOT EXISTS "${manifest}")
    message(STATUS "Velmora is not installed in ${prefix}: nothing to remove.")
    return()
endif()
velmora_require_writable_app_folder("${app_dir}" "Uninstall as the user who installed Velmora.")
velmora_refuse_while_job_runs("${app_dir}" "Uninstall")

file(STRINGS "${manifest}" installed)
set(app_subfolders)
foreach(relative IN LISTS installed)
    file(REMOVE "${prefix}/${relative}")
    get_filename_component(folder "${prefix}/${relative}" DIRECTORY)
    cmake_path(IS_PREFIX app_dir "${folder}" in_app_dir)
    if(in_app_dir)
        list(APPEND app_subfolders "${folder}")
    endif()
endforeach()
file(REMOVE "${manifest}")
# The work folders of ended jobs.
file(REMOVE_RECURSE "${app_dir}/Temp")

# Folders of the application folder that are now empty go too; the shared
# folders of the prefix (bin, share/applications, the icon theme) stay.
list(REMOVE_DUPLICATES app_subfolders)
list(SORT app_subfolders ORDER DESCENDING)
foreach(folder IN LISTS app_subfolders)
    file(GLOB entries "${folder}/*")
    if(NOT entries)
        file(REMOVE_RECURSE "${folder}")
    endif()
endforeach()

message(STATUS "Velmora is removed from ${prefix}.")
file(GLOB left RELATIVE "${app_dir}" "${app_dir}/*")
if("Settings.ini" IN_LIST left)
    message(STATUS "Left in place: ${app_dir}/Settings.ini, your coder settings. "
                   "A later install uses it again; delete it by hand if you do not want it.")
    list(REMOVE_ITEM left Settings.ini)
endif()
if(left)
    list(JOIN left ", " names)
    message(STATUS "Also left in ${app_dir}, as install did not put them there: ${names}")
endif()
