# Helpers shared by the project's CMake files.

# tessivane_game_library(<target> <800|640>): the framework, game, stages and shots compiled with one
# screen geometry. The program entry (main) is not part of it.
function(tessivane_game_library target geometry)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/framework/*.cpp
    ${PROJECT_SOURCE_DIR}/game/*.cpp
    ${PROJECT_SOURCE_DIR}/stages/*.cpp
    ${PROJECT_SOURCE_DIR}/shots/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/game/program/")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_compile_definitions(${target} PUBLIC TESSIVANE_GEOMETRY=${geometry})
  # The game keeps its messages and font names in Shift-JIS, as the framework's text expects. (clang
  # knows no other execution character set than UTF-8; only the fuzz build uses it.)
  target_compile_options(${target} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fexec-charset=CP932>)
  target_link_libraries(${target} PUBLIC tessivane_platform)
endfunction()

# tessivane_test_suite(<name> [LIBS ...]): one GoogleTest program from tests/<name>/*.cpp, run by CTest.
function(tessivane_test_suite name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(test_${name} ${sources})
  target_link_libraries(test_${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(test_${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  set_target_properties(test_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(test_${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy;OMP_NUM_THREADS=1;TESSIVANE_BUILD_DIR=${CMAKE_BINARY_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# tessivane_program(<name> <800|640>): the desktop program of one geometry.
function(tessivane_program name geometry)
  add_executable(${name} ${PROJECT_SOURCE_DIR}/game/program/sdl_main.cpp)
  target_link_libraries(${name} PRIVATE tessivane_game${geometry} tessivane_platform_sdl)
  add_dependencies(${name} game_assets)
  install(TARGETS ${name} RUNTIME DESTINATION lib/tessivane)
endfunction()
