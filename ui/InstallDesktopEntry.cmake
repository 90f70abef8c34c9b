# Run by `cmake --install`: writes the desktop entry with the program's path under the
# prefix given then, and installs it. Set by the caller: VARNEL_DESKTOP_TEMPLATE,
# VARNEL_DESKTOP_ENTRY (where the entry is written first), VARNEL_INSTALL_SUBDIR, and
# VARNEL_DESKTOP_EXEC, a plain command on PATH that stands for the path when it is set.
if(VARNEL_DESKTOP_EXEC)
    if(NOT VARNEL_DESKTOP_EXEC MATCHES "^[A-Za-z0-9._+-]+$")
        message(FATAL_ERROR "VARNEL_DESKTOP_EXEC must be a plain command name on PATH: "
                            "${VARNEL_DESKTOP_EXEC}")
    endif()
    set(VARNEL_EXEC "${VARNEL_DESKTOP_EXEC}")
    configure_file("${VARNEL_DESKTOP_TEMPLATE}" "${VARNEL_DESKTOP_ENTRY}" @ONLY)
    file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
         FILES "${VARNEL_DESKTOP_ENTRY}")
    return()
endif()

set(program "${CMAKE_INSTALL_PREFIX}/${VARNEL_INSTALL_SUBDIR}/varnel")
if(NOT IS_ABSOLUTE "${program}")
    get_filename_component(program "${program}" ABSOLUTE)
endif()
if(program MATCHES "[\n\r\t]")
    message(FATAL_ERROR "The install prefix holds a line break or a tab, which a desktop "
                        "entry cannot name: ${CMAKE_INSTALL_PREFIX}")
endif()

# Exec takes the path as one quoted argument: '"', '`', '$' and '\' escaped with a
# backslash and '%' doubled; then every backslash is doubled again, since the value as a
# whole is a string with escapes of its own.
set(quoted "${program}")
string(REPLACE "\\" "\\\\" quoted "${quoted}")
string(REPLACE "\"" "\\\"" quoted "${quoted}")
string(REPLACE "`" "\\`" quoted "${quoted}")
string(REPLACE "$" "\\$" quoted "${quoted}")
string(REPLACE "%" "%%" quoted "${quoted}")
string(REPLACE "\\" "\\\\" quoted "${quoted}")
set(VARNEL_EXEC "\"${quoted}\"")

configure_file("${VARNEL_DESKTOP_TEMPLATE}" "${VARNEL_DESKTOP_ENTRY}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${VARNEL_DESKTOP_ENTRY}")
