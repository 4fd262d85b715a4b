# Every folder holds its own sources; files under a qt/ folder, and the folders mainwindow/,
# dialogs/ and reports/, need Qt. Everything else is the core and never includes a Qt header.
set(TUVON_CORE_DIRS core translation archive server platform)
set(TUVON_UI_DIRS mainwindow dialogs reports)

set(core_sources "")
foreach(dir ${TUVON_CORE_DIRS})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND core_sources ${found})
endforeach()
list(FILTER core_sources EXCLUDE REGEX "/qt/")

add_library(tuvon_core STATIC ${core_sources})
target_include_directories(tuvon_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(tuvon_core PUBLIC ASIO_STANDALONE ASIO_NO_DEPRECATED)
target_link_libraries(tuvon_core PUBLIC tuvon_settings)

if(TUVON_WITH_QT)
    find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
    set(ui_sources "")
    foreach(dir ${TUVON_CORE_DIRS})
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/qt/*.cpp)
        list(APPEND ui_sources ${found})
    endforeach()
    foreach(dir ${TUVON_UI_DIRS})
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND ui_sources ${found})
    endforeach()
    list(FILTER ui_sources EXCLUDE REGEX "/mainwindow/main\\.cpp$")

    add_library(tuvon_ui STATIC ${ui_sources})
    set_target_properties(tuvon_ui PROPERTIES AUTOMOC ON)
    target_link_libraries(tuvon_ui PUBLIC tuvon_core Qt6::Widgets Qt6::PrintSupport)

    add_executable(tuvon ${CMAKE_SOURCE_DIR}/mainwindow/main.cpp)
    target_link_libraries(tuvon PRIVATE tuvon_ui)
endif()
