# Shared settings of the native tree (Linux, for the portable logic) and the
# Windows tree (MinGW-w64, the program itself and its in-process tests).

if(WIN32)
  enable_language(RC)
  # Everything static, so the program needs no DLL beyond the system's.
  add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
  add_compile_definitions(WINVER=0x0601 _WIN32_WINNT=0x0601 NOMINMAX WIN32_LEAN_AND_MEAN UNICODE _UNICODE)
  # libpng and libjpeg-turbo are built from Debian's sources by the set-up.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUORVANE_ARCH x86_64)
  else()
    set(QUORVANE_ARCH i686)
    # Single-precision arithmetic as written (the PNG blend truncates), not
    # the x87's wider intermediate results.
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  list(APPEND CMAKE_FIND_ROOT_PATH "${CMAKE_SOURCE_DIR}/build/deps/windows-${QUORVANE_ARCH}")
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/tools/wine-run.sh")
  add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
else()
  option(QUORVANE_SANITIZE "Build the native tree with ASan and UBSan" ON)
  if(QUORVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
  find_package(GTest REQUIRED)
endif()

if(WIN32)
  # Static zlib, so the program needs no zlib1.dll beside it.
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)

# The program's literal texts, kept as UTF-8 in texts.def and stored in the
# program as code page 936 bytes, converted at build time.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
function(quorvane_cp936_texts target definitions header)
  add_custom_command(
    OUTPUT "${header}"
    COMMAND Python3::Interpreter "${CMAKE_SOURCE_DIR}/tools/gen_cp936_texts.py" "${definitions}" "${header}"
    DEPENDS "${definitions}" "${CMAKE_SOURCE_DIR}/tools/gen_cp936_texts.py"
    VERBATIM)
  add_custom_target(${target} DEPENDS "${header}")
endfunction()

# A GoogleTest executable; on Windows it runs under Wine through the emulator.
function(quorvane_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
