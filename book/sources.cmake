# The book library's sources, one list for the main build and the fuzz build.
set(VARNEL_BOOK_SOURCES
    Book.cpp
    Contents.cpp
    Errors.cpp
    Folders.cpp
    IntegerText.cpp
    ReplacementFile.cpp
    Scrambling.cpp
    SingleReaderLock.cpp
    WorkingFolder.cpp
)
list(TRANSFORM VARNEL_BOOK_SOURCES PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
