# wxWidgets 3.2 for the desktop program: the target tarvenna_wx carries its
# include folders, definitions and libraries. scripts/install-deps installs
# it, so a build without it is an error rather than a build without the
# program.
find_package(wxWidgets 3.2 REQUIRED COMPONENTS xrc html xml core base)

if(NOT wxWidgets_wxrc_EXECUTABLE)
  message(FATAL_ERROR "wxrc, the wxWidgets resource compiler, was not found")
endif()

add_library(tarvenna_wx INTERFACE)
# SYSTEM keeps the warnings of wx's own headers out of -Werror builds.
target_include_directories(tarvenna_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
target_compile_definitions(tarvenna_wx INTERFACE ${wxWidgets_DEFINITIONS})
target_compile_options(tarvenna_wx INTERFACE ${wxWidgets_CXX_FLAGS})
target_link_libraries(tarvenna_wx INTERFACE ${wxWidgets_LIBRARIES})
