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
gtest_discover_tests(native_tests DISCOVERY_MODE PRE_TEST)

if(ZT_BENCH)
  find_package(benchmark REQUIRED)
  zt_glob(ZT_BENCH_SOURCES ${CMAKE_SOURCE_DIR}/bench/native/*.cpp)
  add_executable(native_bench ${ZT_BENCH_SOURCES})
  target_link_libraries(native_bench PRIVATE zt_fake zt_builtin_consts benchmark::benchmark)
endif()
