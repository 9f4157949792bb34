# Where an installation keeps its application folder, and the checks that come
# before install or uninstall changes it. Used at install time and by
# Uninstall.cmake, so it holds nothing that needs a configured build.

# Relative to the prefix. The launcher and the desktop entry start the program
# from here; Settings.ini, the job scripts and Temp are written here at run time.
set(VELMORA_INSTALL_APP_DIR lib/velmora)
# The files an installation put in place, relative to the prefix, one a line;
# kept in the application folder so that uninstall needs no build tree.
set(VELMORA_INSTALL_MANIFEST install_manifest.txt)
# Folders of the application folder that are Velmora's with all they hold, so
# uninstall removes them whole: the work folders of jobs, and the sample with
# what the demonstration made of it.
set(VELMORA_OWN_FOLDERS Temp samples)

# The program writes into its own folder while it runs, so that folder must be
# the user's to write. Under sudo it would belong to root instead. HINT says
# what to do instead.
function(velmora_require_writable_app_folder app_dir hint)
    set(why "because Settings.ini, the job scripts and the Temp work folders are written there while Velmora runs")
    if(DEFINED ENV{SUDO_USER})
        message(FATAL_ERROR
            "Refused under sudo: Velmora's application folder ${app_dir} must belong to the user "
            "who runs Velmora, ${why}. Run this as that user, without sudo.")
    endif()
    # The nearest folder that exists is where install would create the rest.
    get_filename_component(existing "${app_dir}" ABSOLUTE)
    while(NOT EXISTS "${existing}")
        get_filename_component(existing "${existing}" DIRECTORY)
    endwhile()
    execute_process(COMMAND test -w "${existing}" RESULT_VARIABLE not_writable)
    if(not_writable)
        message(FATAL_ERROR
            "Refused: Velmora's application folder ${app_dir} must be writable by you, ${why}, "
            "and you cannot write ${existing}. ${hint}")
    endif()
endfunction()

# A job script in the application folder means that a job is running; its
# programs and work folders stay as they are until the script has deleted itself.
function(velmora_refuse_while_job_runs app_dir action)
    foreach(script Encoding.bat Decoding.bat)
        if(EXISTS "${app_dir}/${script}")
            message(FATAL_ERROR
                "A Velmora job is running: ${app_dir}/${script} exists. ${action} when it has "
                "ended (the script deletes itself at its end; delete it by hand only if no job "
                "runs).")
        endif()
    endforeach()
endfunction()

# File managers built on GIO offer "Open with" only for desktop entries listed
# in the folder's MIME cache, which update-desktop-database writes where it is
# installed. A cache left without any entry beside it is removed with the last
# entry. A staged install (DESTDIR) leaves the cache to the target system.
function(velmora_update_desktop_database applications)
    find_program(update_desktop_database update-desktop-database)
    if(NOT update_desktop_database OR NOT "$ENV{DESTDIR}" STREQUAL "" OR
       NOT IS_DIRECTORY "${applications}")
        return()
    endif()
    execute_process(COMMAND "${update_desktop_database}" -q "${applications}")
    file(GLOB entries "${applications}/*.desktop")
    if(NOT entries)
        file(REMOVE "${applications}/mimeinfo.cache")
    endif()
endfunction()
