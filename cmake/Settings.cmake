# One INTERFACE target carries every compiler setting; all targets link it.
add_library(tuvon_settings INTERFACE)
target_compile_features(tuvon_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(tuvon_settings INTERFACE -Wall -Wextra)
# GCC 12 reports impossible overlaps in inlined std::string concatenation (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(tuvon_settings INTERFACE -Wno-restrict)
endif()
# Decided at the first configure and kept in the cache, so that a re-run of CMake that the build
# itself starts (a new source file) keeps the choice whatever the shell's CI variable then says.
set(tuvon_werror_default OFF)
if(DEFINED ENV{CI} AND NOT "$ENV{CI}" STREQUAL "" AND NOT "$ENV{CI}" STREQUAL "false")
    set(tuvon_werror_default ON)
endif()
option(TUVON_WERROR "Treat warnings as errors (on by default when CI is set)" ${tuvon_werror_default})
if(TUVON_WERROR)
    target_compile_options(tuvon_settings INTERFACE -Werror)
endif()
if(TUVON_SANITIZE)
    target_compile_options(tuvon_settings INTERFACE -fsanitize=${TUVON_SANITIZE} -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=all)
    target_link_options(tuvon_settings INTERFACE -fsanitize=${TUVON_SANITIZE})
endif()
find_package(Threads REQUIRED)
target_link_libraries(tuvon_settings INTERFACE Threads::Threads)
