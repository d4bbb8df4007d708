# Compiler settings shared by every target, and helpers to declare them.

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

option(LITE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(LITE_FUZZ "Build the libFuzzer targets (clang)" OFF)
option(LITE_BUILD_TESTS "Build the tests" ON)
# Test builds only: the switches and setters that let tests crash the
# installer and shorten or skip the crash upload. A release leaves it off, so
# none of it is in the shipped program.
option(LITE_TEST_HOOKS "Compile the test-only hooks into the programs" OFF)
if(LITE_TEST_HOOKS)
  add_compile_definitions(LITE_TEST_HOOKS)
endif()

set(LITE_WARNINGS -Wall -Wextra -Werror -Wno-missing-field-initializers)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC 12 reports impossible overlaps and over-reads inside inlined library
  # code at -O3 (std::string assignment, std::vector comparison): known false
  # positives of -Wrestrict and -Wstringop-overread.
  list(APPEND LITE_WARNINGS -Wno-restrict -Wno-stringop-overread)
endif()

if(LITE_SANITIZE)
  # The vptr check needs RTTI, which production code is built without.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize=vptr -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize=vptr)
endif()

if(LITE_FUZZ)
  # Coverage for libFuzzer in every library the fuzzers link, not only in the
  # fuzzers themselves.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize=vptr
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined -fno-sanitize=vptr)
endif()

if(WIN32)
  # The programs start on Windows XP SP3: the headers declare only what it
  # has, so a direct call of a newer function does not compile; newer ones are
  # looked up at run time (base/win/system_function_win.h).
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501
                          WINVER=0x0501 NTDDI_VERSION=0x05010300)
  # No MinGW runtime DLLs beside the programs: everything links statically.
  add_link_options(-static -static-libgcc -static-libstdc++)
  # A web installer is downloaded by every user: drop unused code and, in
  # release builds, the symbol table.
  add_compile_options(-ffunction-sections -fdata-sections)
  add_link_options(-Wl,--gc-sections $<$<CONFIG:Release>:-s>)
endif()

# Production code: no exceptions, no RTTI, warnings are errors.
# Windows release builds of it are optimised for size: the program is a
# download, and nothing in it is bound by computing speed (-Os comes after the
# configuration's -O3 and wins).
function(lite_production_target target)
  target_compile_options(${target} PRIVATE ${LITE_WARNINGS} -fno-exceptions -fno-rtti)
  if(WIN32)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Os>)
  endif()
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# Platform-free library: built by every preset.
function(lite_library name)
  add_library(${name} STATIC ${ARGN})
  lite_production_target(${name})
endfunction()

# Tests: warnings are errors; GoogleTest itself may use exceptions.
function(lite_test_target target)
  target_compile_options(${target} PRIVATE ${LITE_WARNINGS})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
endfunction()

# Header-only libraries from Debian's /usr/include, exposed through links in the
# build tree: the mingw-w64 compilers must not see the rest of /usr/include.
set(LITE_THIRD_PARTY_INCLUDE "${CMAKE_BINARY_DIR}/third_party/include")
file(MAKE_DIRECTORY "${LITE_THIRD_PARTY_INCLUDE}")
foreach(header_dir nlohmann)
  if(NOT EXISTS "${LITE_THIRD_PARTY_INCLUDE}/${header_dir}")
    file(CREATE_LINK "/usr/include/${header_dir}" "${LITE_THIRD_PARTY_INCLUDE}/${header_dir}"
         SYMBOLIC)
  endif()
endforeach()
include_directories(SYSTEM "${LITE_THIRD_PARTY_INCLUDE}")
