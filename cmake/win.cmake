# The Windows build: zentory.exe on the real Win32 platform, and the
# Windows tests that CTest runs under Wine.
if(NOT ZT_CONSTGEN)
  message(FATAL_ERROR "ZT_CONSTGEN must name the native constgen tool (build the native tree first)")
endif()

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0600 WINVER=0x0600)
add_link_options(-static -static-libgcc -static-libstdc++)

add_library(zt_core STATIC ${ZT_CORE_SOURCES})
target_include_directories(zt_core PUBLIC ${ZT_SRC})

zt_glob(ZT_WIN32_SOURCES ${ZT_SRC}/platform/win32/*.cpp ${ZT_SRC}/ui/win32/*.cpp)
add_library(zt_win32 STATIC ${ZT_WIN32_SOURCES})
target_link_libraries(zt_win32 PUBLIC zt_core advapi32 user32 gdi32 gdiplus comctl32 comdlg32 shell32 ole32 oleaut32 uuid version kernel32)

add_custom_command(
  OUTPUT ${ZT_CONSTANTS_BIN}
  COMMAND ${ZT_CONSTGEN} ${ZT_CONSTANTS_TXT} ${ZT_CONSTANTS_BIN}
  DEPENDS ${ZT_CONSTANTS_TXT} ${ZT_CONSTGEN}
  COMMENT "Generating the built-in message constants")
add_custom_target(constants_bin DEPENDS ${ZT_CONSTANTS_BIN})

# The windows' stored translation entries, made by the native langids that
# is built beside constgen.
if(NOT ZT_LANGIDS)
  get_filename_component(ZT_NATIVE_TOOLS ${ZT_CONSTGEN} DIRECTORY)
  set(ZT_LANGIDS ${ZT_NATIVE_TOOLS}/langids)
endif()
add_custom_command(
  OUTPUT ${ZT_LANGDATA_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ZT_LANGDATA_DIR}
  COMMAND ${ZT_LANGIDS} langdata ${ZT_LANGDATA_DIR} - ${ZT_LANG_IDS}
  DEPENDS ${ZT_LANG_IDS} ${ZT_LANGIDS}
  COMMENT "Generating the windows' stored translation entries")
add_custom_target(langdata_bin DEPENDS ${ZT_LANGDATA_FILES})

# The program's pictures: each PNG of res/images is an RCDATA resource named
# after its file stem in upper case (splash.png -> SPLASH), as the layouts
# name them.
file(GLOB ZT_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/res/images/*.png)
list(SORT ZT_PICTURES)
set(ZT_PICTURE_RESOURCES "")
foreach(picture ${ZT_PICTURES})
  get_filename_component(stem ${picture} NAME_WE)
  string(TOUPPER ${stem} resource)
  string(APPEND ZT_PICTURE_RESOURCES "${resource} RCDATA \"${picture}\"\n")
endforeach()
set(ZT_PROGRAM_ICON ${CMAKE_SOURCE_DIR}/res/icons/zentory.ico)

configure_file(res/zentory.rc.in ${CMAKE_BINARY_DIR}/generated/zentory.rc @ONLY)
add_executable(zentory WIN32 ${ZT_SRC}/main_win32.cpp ${CMAKE_BINARY_DIR}/generated/zentory.rc)
add_dependencies(zentory constants_bin langdata_bin)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/zentory.rc PROPERTIES
  OBJECT_DEPENDS "${ZT_CONSTANTS_BIN};${CMAKE_SOURCE_DIR}/res/zentory.manifest;${ZT_PICTURES};${ZT_PROGRAM_ICON};${ZT_LANGDATA_FILES}")
target_link_libraries(zentory PRIVATE zt_win32)
target_link_options(zentory PRIVATE -municode -mwindows)

# GoogleTest from the distribution's sources.
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
enable_testing()

# The test binary carries the same constants and translation entries as the
# program.
configure_file(res/tests.rc.in ${CMAKE_BINARY_DIR}/generated/tests.rc @ONLY)
set_source_files_properties(${CMAKE_BINARY_DIR}/generated/tests.rc PROPERTIES
  OBJECT_DEPENDS "${ZT_CONSTANTS_BIN};${ZT_LANGDATA_FILES}")

zt_glob(ZT_WIN_TEST_SOURCES ${CMAKE_SOURCE_DIR}/tests/win/*.cpp ${CMAKE_SOURCE_DIR}/tests/contract/*.cpp)
list(FILTER ZT_WIN_TEST_SOURCES EXCLUDE REGEX "_fake\\.cpp$")
add_executable(win_tests ${ZT_WIN_TEST_SOURCES} ${CMAKE_BINARY_DIR}/generated/tests.rc)
add_dependencies(win_tests constants_bin langdata_bin)
target_include_directories(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(win_tests PRIVATE zt_win32 gtest gmock gtest_main)
add_test(NAME win_tests COMMAND win_tests)
set_tests_properties(win_tests PROPERTIES ENVIRONMENT "ZT_WINE_PREFIX=win7-64" TIMEOUT 600)

# Registry views differ on 32-bit Windows: the contract suite runs there too.
add_test(NAME win_tests_32bit_windows COMMAND win_tests --gtest_filter=RegistryContract*)
set_tests_properties(win_tests_32bit_windows PROPERTIES ENVIRONMENT "ZT_WINE_PREFIX=win7-32" TIMEOUT 600)

# End-to-end: the test driver starts the real zentory.exe inside Wine.
zt_glob(ZT_E2E_SOURCES ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
if(ZT_E2E_SOURCES)
  add_executable(e2e_tests ${ZT_E2E_SOURCES})
  target_include_directories(e2e_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(e2e_tests PRIVATE zt_win32 gtest gmock gtest_main)
  add_dependencies(e2e_tests zentory)
  foreach(prefix win7-64 vista-64 win7-32 xp-32)
    add_test(NAME e2e_${prefix} COMMAND e2e_tests)
    set_tests_properties(e2e_${prefix} PROPERTIES
      ENVIRONMENT "ZT_WINE_PREFIX=${prefix};ZT_ZENTORY_EXE=$<TARGET_FILE:zentory>" TIMEOUT 600)
  endforeach()
endif()

# Figures under Wine, one program per file; `make bench` runs them.
zt_glob(ZT_WIN_BENCH_SOURCES ${CMAKE_SOURCE_DIR}/bench/win/*.cpp)
foreach(src ${ZT_WIN_BENCH_SOURCES})
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE zt_win32)
endforeach()

# The baseline of the start-up figure is a window program, linked as
# zentory.exe is.
if(TARGET empty_window)
  target_link_options(empty_window PRIVATE -municode -mwindows)
endif()
