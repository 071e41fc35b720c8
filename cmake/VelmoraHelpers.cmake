# Shared build settings for every Velmora target.

add_library(velmora_warnings INTERFACE)
target_compile_options(velmora_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(VELMORA_WERROR)
  target_compile_options(velmora_warnings INTERFACE -Werror)
endif()

if(VELMORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# velmora_add_library(NAME ALIAS SOURCES ...): a static library of one layer.
function(velmora_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  add_library(velmora::${name} ALIAS ${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE velmora_warnings)
endfunction()

# velmora_add_test(NAME SOURCES ... LIBS ... [LABELS ...]): one GoogleTest program.
function(velmora_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} velmora_test_config GTest::gtest GTest::gtest_main velmora_warnings)
  set(props "")
  if(ARG_LABELS)
    set(props PROPERTIES LABELS "${ARG_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 ${props})
endfunction()

# libFuzzer builds: every target carries the fuzzer's coverage hooks and the
# sanitizers, so the code under test is instrumented, not only the harness.
set(VELMORA_FUZZ_ACTIVE OFF)
if(VELMORA_FUZZ)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    set(VELMORA_FUZZ_ACTIVE ON)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -g)
    add_link_options(-fsanitize=address,undefined)
  else()
    message(WARNING "VELMORA_FUZZ needs clang (CXX=clang++); the fuzz targets are skipped")
  endif()
endif()

# velmora_add_fuzzer(NAME SOURCES ... LIBS ... [SECONDS n]): one libFuzzer
# program and a CTest test labelled "fuzz" that runs it for n seconds (20 by
# default) over its seed corpus in tests/fuzz/corpus/NAME. New inputs go to
# the build tree, findings to <build>/tests/fuzz/artifacts/.
function(velmora_add_fuzzer name)
  if(NOT VELMORA_FUZZ_ACTIVE)
    return()
  endif()
  cmake_parse_arguments(ARG "" "SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SECONDS)
    set(ARG_SECONDS 20)
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} velmora_warnings)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
  set(corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus/${name})
  set(artifacts ${CMAKE_CURRENT_BINARY_DIR}/artifacts/)
  file(MAKE_DIRECTORY ${corpus} ${artifacts} ${seeds})
  add_test(NAME ${name}
    COMMAND ${name} -max_total_time=${ARG_SECONDS} -rss_limit_mb=2048 -print_final_stats=1
            -artifact_prefix=${artifacts} ${corpus} ${seeds})
  set_tests_properties(${name} PROPERTIES LABELS fuzz TIMEOUT 600)
  if(TARGET velmora_fuzzers)
    add_dependencies(velmora_fuzzers ${name})
  endif()
endfunction()
