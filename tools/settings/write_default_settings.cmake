# Writes the Settings.ini that an installer would leave: the DOS paths of the
# encoder and the decoder, one per line with CR LF, so that a first job runs at
# once. A Settings.ini that exists is the user's and stays as it is.
#   cmake -DSETTINGS=<file> -DENCODER=<host path> -DDECODER=<host path> -P write_default_settings.cmake
# Z: is the host's root, so a host path becomes Z: and the path with backslashes.
if(EXISTS "${SETTINGS}")
    return()
endif()
string(REPLACE "/" "\\" encoder "Z:${ENCODER}")
string(REPLACE "/" "\\" decoder "Z:${DECODER}")
file(WRITE "${SETTINGS}" "${encoder}\r\n${decoder}\r\n")
