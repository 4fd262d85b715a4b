# One INTERFACE target carries every compiler setting; all targets link it.
add_library(tuvon_settings INTERFACE)
target_compile_features(tuvon_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(tuvon_settings INTERFACE -Wall -Wextra)
# GCC 12 reports impossible overlaps in inlined std::string concatenation (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(tuvon_settings INTERFACE -Wno-restrict)
endif()
if(DEFINED ENV{CI} AND NOT "$ENV{CI}" STREQUAL "" AND NOT "$ENV{CI}" STREQUAL "false")
    target_compile_options(tuvon_settings INTERFACE -Werror)
endif()
if(TUVON_SANITIZE)
    target_compile_options(tuvon_settings INTERFACE -fsanitize=${TUVON_SANITIZE} -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=all)
    target_link_options(tuvon_settings INTERFACE -fsanitize=${TUVON_SANITIZE})
endif()
find_package(Threads REQUIRED)
target_link_libraries(tuvon_settings INTERFACE Threads::Threads)
