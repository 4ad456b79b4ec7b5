# The native build: the core on the in-memory fake, with tests, benchmarks
# and fuzzers.
option(ZT_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" ON)
option(ZT_BENCH "Build the micro-benchmarks" OFF)
option(ZT_FUZZ "Build the fuzz targets (clang)" OFF)

if(ZT_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
elseif(ZT_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(zt_core STATIC ${ZT_CORE_SOURCES})
target_include_directories(zt_core PUBLIC ${ZT_SRC})

zt_glob(ZT_FAKE_SOURCES ${ZT_SRC}/platform/fake/*.cpp)
add_library(zt_fake STATIC ${ZT_FAKE_SOURCES})
target_link_libraries(zt_fake PUBLIC zt_core)

add_executable(constgen tools/constgen.cpp)
target_link_libraries(constgen PRIVATE zt_core)

add_custom_command(
  OUTPUT ${ZT_CONSTANTS_BIN} ${ZT_CONSTANTS_CPP}
  COMMAND constgen ${ZT_CONSTANTS_TXT} ${ZT_CONSTANTS_BIN} ${ZT_CONSTANTS_CPP}
  DEPENDS constgen ${ZT_CONSTANTS_TXT}
  COMMENT "Generating the built-in message constants")
add_library(zt_builtin_consts STATIC ${ZT_CONSTANTS_CPP})
add_custom_target(constants_bin DEPENDS ${ZT_CONSTANTS_BIN})

add_executable(langids tools/langids.cpp)
target_link_libraries(langids PRIVATE zt_fake)

set(ZT_LANGDATA_CPP ${CMAKE_BINARY_DIR}/generated/langdata_data.cpp)
add_custom_command(
  OUTPUT ${ZT_LANGDATA_FILES} ${ZT_LANGDATA_CPP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZT_LANGDATA_DIR}
  COMMAND langids langdata ${ZT_LANGDATA_DIR} ${ZT_LANGDATA_CPP} ${ZT_LANG_IDS}
  DEPENDS langids ${ZT_LANG_IDS}
  COMMENT "Generating the windows' stored translation entries")
add_library(zt_builtin_langdata STATIC ${ZT_LANGDATA_CPP})
target_include_directories(zt_builtin_langdata PRIVATE ${ZT_SRC})

if(ZT_FUZZ)
  zt_glob(ZT_FUZZ_SOURCES ${CMAKE_SOURCE_DIR}/fuzz/*.cpp)
  foreach(src ${ZT_FUZZ_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE zt_fake zt_builtin_consts)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  endforeach()
  return()
endif()

find_package(GTest REQUIRED)
include(GoogleTest)
enable_testing()

zt_glob(ZT_NATIVE_TEST_SOURCES ${CMAKE_SOURCE_DIR}/tests/native/*.cpp ${CMAKE_SOURCE_DIR}/tests/contract/*.cpp)
list(FILTER ZT_NATIVE_TEST_SOURCES EXCLUDE REGEX "_win32\\.cpp$")
add_executable(native_tests ${ZT_NATIVE_TEST_SOURCES})
target_include_directories(native_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(native_tests PRIVATE zt_fake zt_builtin_consts GTest::gtest GTest::gmock GTest::gtest_main)
target_link_libraries(native_tests PRIVATE zt_builtin_langdata)
gtest_discover_tests(native_tests DISCOVERY_MODE PRE_TEST)

# The committed translation IDs and the English template follow the layouts.
add_test(NAME lang_ids_up_to_date COMMAND langids check ${CMAKE_SOURCE_DIR}/res/lang ${ZT_CONSTANTS_TXT})
# ... and say so when they do not (a folder without them is out of date).
add_test(NAME lang_ids_check_names_stale_files COMMAND langids check ${CMAKE_BINARY_DIR} ${ZT_CONSTANTS_TXT})
set_tests_properties(lang_ids_check_names_stale_files PROPERTIES
  PASS_REGULAR_EXPRESSION "MainForm.ids does not match the layout of MainForm; run `make langids`")

if(ZT_BENCH)
  find_package(benchmark REQUIRED)
  zt_glob(ZT_BENCH_SOURCES ${CMAKE_SOURCE_DIR}/bench/native/*.cpp)
  add_executable(native_bench ${ZT_BENCH_SOURCES})
  target_link_libraries(native_bench PRIVATE zt_fake zt_builtin_consts benchmark::benchmark)
endif()
