# Common settings for every Quillet target: warnings and, when asked, sanitizers.
add_library(quillet_options INTERFACE)
target_compile_options(quillet_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wno-missing-field-initializers)
target_include_directories(quillet_options INTERFACE ${PROJECT_SOURCE_DIR})

if(QUILLET_SANITIZE)
  target_compile_options(quillet_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quillet_options INTERFACE -fsanitize=address,undefined)
endif()
if(QUILLET_FUZZ)
  # Every library gets coverage instrumentation; only fuzz targets link the libFuzzer main.
  # An undefined-behaviour report ends the run, so a fuzzer fails on it.
  target_compile_options(quillet_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                                                   -fno-sanitize-recover=undefined)
  target_link_options(quillet_options INTERFACE -fsanitize=address,undefined)
endif()

# quillet_library(NAME SOURCES... [LIBS ...]) makes one static library of a subsystem.
function(quillet_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC quillet_options ${ARG_LIBS})
endfunction()

# quillet_test(NAME SOURCES... [LIBS ...]) makes one GoogleTest executable registered with ctest.
function(quillet_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE quillet_options GTest::gtest GTest::gtest_main ${ARG_LIBS})
  # Test code is compiled unoptimised: it builds in half the time, and the
  # libraries it drives keep the build's optimisation.
  target_compile_options(${name} PRIVATE -O0)
  target_compile_definitions(${name} PRIVATE
    QUILLET_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    QUILLET_BINARY_DIR="${PROJECT_BINARY_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
