set(CMAKE_C_COMPILER ${TOVENK_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOVENK_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TOVENK_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TOVENK_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run through this wrapper, which hands them to the wine64 loader.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-exec)
# Self-contained executables: no libgcc, libstdc++ or winpthread DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
