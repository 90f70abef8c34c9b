# The file library's sources, one list for the main build and the fuzz build.
set(VARNEL_FILEIO_SOURCES
    FileDescriptor.cpp
)
list(TRANSFORM VARNEL_FILEIO_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
