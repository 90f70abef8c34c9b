# Installs the reader (BUILD_DIR, built; its folder SUBDIR below the prefix) with prefixes
# other than the configured one, once straight and once staged under DESTDIR, and checks
# that the desktop entry (APP_ID.desktop)
# names the program where it was installed and passes DESKTOP_FILE_VALIDATE when that is
# given, and that the icons, AppStream metadata and manual page are installed.
if(DEFINED ENV{TMPDIR} AND IS_DIRECTORY "$ENV{TMPDIR}")
    set(temp "$ENV{TMPDIR}")
else()
    set(temp "/tmp")
endif()
string(RANDOM LENGTH 12 key)
set(root "${temp}/varnel-install-${key}")
file(MAKE_DIRECTORY "${root}")

set(failures "")
function(check_entry entry exec_line program)
    if(NOT EXISTS "${entry}")
        string(APPEND failures "no desktop entry at ${entry}\n")
    else()
        file(STRINGS "${entry}" exec REGEX "^Exec=")
        if(NOT exec STREQUAL exec_line)
            string(APPEND failures "${entry}: expected ${exec_line}, found ${exec}\n")
        endif()
        if(DESKTOP_FILE_VALIDATE)
            execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
                            OUTPUT_VARIABLE complaints ERROR_VARIABLE complaints)
            if(NOT complaints STREQUAL "")
                string(APPEND failures "desktop-file-validate ${entry}:\n${complaints}")
            endif()
        endif()
    endif()
    if(NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
        string(APPEND failures "no program at ${program}\n")
    endif()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

function(install_reader prefix destdir)
    if(destdir)
        set(command ${CMAKE_COMMAND} -E env "DESTDIR=${destdir}")
    else()
        set(command ${CMAKE_COMMAND} -E env --unset=DESTDIR)
    endif()
    execute_process(COMMAND ${command} ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}"
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        file(REMOVE_RECURSE "${root}")
        message(FATAL_ERROR "installing into ${destdir}${prefix} failed:\n${output}")
    endif()
endfunction()

# A prefix with a space, "$" and "%", which the entry has to quote and escape:
# "\\$" is a literal "$" inside a quoted argument, "%%" a literal "%".
set(prefix "${root}/my apps $HOME 100%")
install_reader("${prefix}" "")
check_entry("${prefix}/share/applications/${APP_ID}.desktop"
            "Exec=\"${root}/my apps \\\\$HOME 100%%/${SUBDIR}/varnel\""
            "${prefix}/${SUBDIR}/varnel")
foreach(file icons/hicolor/16x16/apps/varnel.png icons/hicolor/24x24/apps/varnel.png
             icons/hicolor/32x32/apps/varnel.png icons/hicolor/48x48/apps/varnel.png
             icons/hicolor/64x64/apps/varnel.png icons/hicolor/128x128/apps/varnel.png
             icons/hicolor/256x256/apps/varnel.png icons/hicolor/scalable/apps/varnel.svg
             metainfo/${APP_ID}.metainfo.xml man/man1/varnel.1)
    if(NOT EXISTS "${prefix}/share/${file}")
        string(APPEND failures "not installed: share/${file}\n")
    endif()
endforeach()

# The mark that keeps an installed reader from writing beside itself; never in the build's.
if(NOT EXISTS "${prefix}/${SUBDIR}/installed-layout")
    string(APPEND failures "not installed: ${SUBDIR}/installed-layout\n")
endif()
if(EXISTS "${BUILD_DIR}/reader/installed-layout")
    string(APPEND failures "the build's reader folder is marked as installed\n")
endif()

# Staged: the files go below DESTDIR, the entry names the prefix alone.
set(stage "${root}/stage")
install_reader("/opt/Varnel reader" "${stage}")
check_entry("${stage}/opt/Varnel reader/share/applications/${APP_ID}.desktop"
            "Exec=\"/opt/Varnel reader/${SUBDIR}/varnel\""
            "${stage}/opt/Varnel reader/${SUBDIR}/varnel")

file(REMOVE_RECURSE "${root}")
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
