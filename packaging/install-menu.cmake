# Run at install time, from packaging/CMakeLists.txt, for the prefix of this install: writes
# the launcher, which finds the programs and the samples relative to itself, and the menu
# entries, which name the launcher and the programs by their final paths.
foreach(dir BINDIR DATADIR LIBEXECDIR)
    if(NOT IS_ABSOLUTE "${GYPSOMIX_${dir}}")
        set(GYPSOMIX_${dir} "${CMAKE_INSTALL_PREFIX}/${GYPSOMIX_${dir}}")
    endif()
endforeach()

set(launcher_dir "${GYPSOMIX_LIBEXECDIR}/gypsomix")
file(RELATIVE_PATH GYPSOMIX_LAUNCHER_TO_BIN "${launcher_dir}" "${GYPSOMIX_BINDIR}")
file(RELATIVE_PATH GYPSOMIX_LAUNCHER_TO_DATA "${launcher_dir}" "${GYPSOMIX_DATADIR}/gypsomix")
configure_file("${GYPSOMIX_SOURCE_DIR}/start.in" "${GYPSOMIX_OUTPUT_DIR}/start" @ONLY)
file(INSTALL DESTINATION "${launcher_dir}" TYPE PROGRAM FILES "${GYPSOMIX_OUTPUT_DIR}/start")

# Exec= takes the launcher as its first argument. % is always doubled; a path with a blank or
# a reserved character goes between double quotes, with ", `, $ and \ escaped by a
# backslash, and every backslash doubled once more for the desktop file's string escapes.
set(GYPSOMIX_START "${launcher_dir}/start")
string(REPLACE "%" "%%" GYPSOMIX_START "${GYPSOMIX_START}")
if(GYPSOMIX_START MATCHES "[] \t\n\"'\\<>~|&;$*?#()`[]")
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" GYPSOMIX_START "${GYPSOMIX_START}")
    string(REPLACE "\\" "\\\\" GYPSOMIX_START "${GYPSOMIX_START}")
    set(GYPSOMIX_START "\"${GYPSOMIX_START}\"")
endif()
set(GYPSOMIX_BIN_DIR "${GYPSOMIX_BINDIR}")

foreach(entry IN LISTS GYPSOMIX_ENTRIES)
    configure_file("${GYPSOMIX_SOURCE_DIR}/${entry}.desktop.in"
                   "${GYPSOMIX_OUTPUT_DIR}/${entry}.desktop" @ONLY)
    file(INSTALL DESTINATION "${GYPSOMIX_DATADIR}/applications" TYPE FILE
         PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
         FILES "${GYPSOMIX_OUTPUT_DIR}/${entry}.desktop")
endforeach()
