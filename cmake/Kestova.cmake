# Build conventions shared by every folder: warnings, Windows defines, tests,
# benchmarks and fuzz targets.

if(WIN32)
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 _WIN32_IE=0x0800
                          NOMINMAX STRICT _CRT_SECURE_NO_WARNINGS)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()
if(KESTOVA_FUZZ)
  set(KESTOVA_SANITIZE -fsanitize=address,undefined -fno-sanitize-recover=undefined)
  add_compile_options(-fsanitize=fuzzer-no-link ${KESTOVA_SANITIZE} -g -O1)
  add_link_options(${KESTOVA_SANITIZE})
endif()

# Warnings for our own targets only; dependencies keep theirs.
function(kestova_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
endfunction()

# kestova_add_gtest(NAME SOURCES ... LIBS ... [WORKING_DIRECTORY dir] [TIMEOUT s])
# Native tests are registered case by case; a Windows test executable is one
# CTest test (each case would pay for a Wine start).
function(kestova_add_gtest name)
  if(KESTOVA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "" "WORKING_DIRECTORY;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_WORKING_DIRECTORY)
    set(T_WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  kestova_warnings(${name})
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT})
  else()
    include(GoogleTest)
    gtest_discover_tests(${name} WORKING_DIRECTORY ${T_WORKING_DIRECTORY}
                         PROPERTIES TIMEOUT ${T_TIMEOUT} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# kestova_add_benchmark(NAME SOURCES ... LIBS ...): built, run by hand.
function(kestova_add_benchmark name)
  if(KESTOVA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} kestova::benchmark)
  kestova_warnings(${name})
endfunction()

# kestova_split_debug(TARGET): the loader maps a PE image whole, debug
# sections included (tens of MB), so they go to a file beside the program that
# debuggers find by its link; what the program holds in memory is then its own.
function(kestova_split_debug target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
    VERBATIM)
endfunction()

# kestova_add_fuzzer(NAME SOURCES ... LIBS ... CORPUS dir [SECONDS n])
# Only in the fuzz build; the test runs the fuzzer for a bounded time on a
# copy of the committed seed corpus.
function(kestova_add_fuzzer name)
  if(NOT KESTOVA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "CORPUS;SECONDS" "SOURCES;LIBS" ${ARGN})
  if(NOT F_SECONDS)
    set(F_SECONDS 60)
  endif()
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(work ${CMAKE_BINARY_DIR}/fuzz-corpus/${name})
  add_test(NAME ${name}
           COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=1
                   sh -c "rm -rf '${work}' && mkdir -p '${work}' && cp -r '${F_CORPUS}'/. '${work}'/ && exec \"$0\" -max_total_time=${F_SECONDS} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 '${work}'"
                   $<TARGET_FILE:${name}>)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${F_SECONDS}0)
endfunction()

# The program folder's data (config, example, lib, make) stands beside every
# executable, as the installed program finds it. Each file is copied beside its
# place and renamed over it: a copy straight over it removes it first, and a
# test reading it meanwhile (one run while the tree builds) would find none.
function(kestova_copy_program_folder)
  set(source ${CMAKE_SOURCE_DIR}/program)
  if(NOT EXISTS ${source})
    return()
  endif()
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*)
  set(outputs)
  foreach(file IN LISTS files)
    set(output ${CMAKE_BINARY_DIR}/bin/${file})
    add_custom_command(OUTPUT ${output}
                       COMMAND ${CMAKE_COMMAND} -E copy ${source}/${file} ${output}.copying
                       COMMAND ${CMAKE_COMMAND} -E rename ${output}.copying ${output}
                       DEPENDS ${source}/${file})
    list(APPEND outputs ${output})
  endforeach()
  add_custom_target(program_folder ALL DEPENDS ${outputs})
endfunction()

# The program folder's help file, compiled from the pages in resources/help. The native build checks
# that the compiled file holds every page.
function(kestova_build_help)
  if(KESTOVA_FUZZ)
    return()
  endif()
  find_program(KESTOVA_CHMCMD chmcmd)
  find_program(KESTOVA_CHMLS chmls)
  if(NOT KESTOVA_CHMCMD OR NOT KESTOVA_CHMLS)
    message(FATAL_ERROR "chmcmd and chmls make and check help.chm: scripts/setup installs them (fp-utils)")
  endif()
  set(source ${CMAKE_SOURCE_DIR}/resources/help)
  set(work ${CMAKE_BINARY_DIR}/help)
  set(output ${CMAKE_BINARY_DIR}/bin/help.chm)
  file(GLOB pages CONFIGURE_DEPENDS ${source}/*.hhp ${source}/*.hhc ${source}/*.html)
  # The compiler writes beside its project file, so it works on a copy outside the sources.
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -E rm -rf ${work}
                     COMMAND ${CMAKE_COMMAND} -E copy_directory ${source} ${work}
                     COMMAND ${CMAKE_COMMAND} -E chdir ${work} ${KESTOVA_CHMCMD} --verbosity 0 help.hhp
                     COMMAND ${CMAKE_COMMAND} -E copy ${work}/help.chm ${output}
                     DEPENDS ${pages}
                     VERBATIM)
  add_custom_target(help_file ALL DEPENDS ${output})
  if(NOT WIN32)
    add_test(NAME HelpFile.ListsTheDesignerProjectGeneratedFilesAndKeysPages
             COMMAND ${CMAKE_COMMAND} -DCHMLS=${KESTOVA_CHMLS} -DCHM=${output} -P ${source}/tests/ListsPages.cmake)
  endif()
endfunction()
