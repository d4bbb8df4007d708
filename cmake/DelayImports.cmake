# Every system DLL but KERNEL32 and OLEACC is bound with delayed loading, so
# that nothing is loaded before the DLL search path is restricted. Each gets a
# delay-import library made from mingw-w64's own import library, and programs
# link with -nodefaultlibs so that a function missing here fails the link
# instead of silently becoming an ordinary import.

set(LITE_DELAY_LOADED_DLLS
    ADVAPI32.dll GDI32.dll MSIMG32.dll OLEAUT32.dll SHELL32.dll SHLWAPI.dll USER32.dll
    VERSION.dll WININET.dll ole32.dll COMCTL32.dll gdiplus.dll UxTheme.dll WINHTTP.dll
    WINMM.dll USERENV.dll CRYPT32.dll WINTRUST.dll)

set(LITE_DELAY_IMPORT_LIBS "")
foreach(dll IN LISTS LITE_DELAY_LOADED_DLLS)
  string(TOLOWER "${dll}" lower)
  string(REGEX REPLACE "\\.dll$" "" base "${lower}")
  set(import_lib "${CMAKE_FIND_ROOT_PATH}/lib/lib${base}.a")
  set(delay_lib "${CMAKE_BINARY_DIR}/delayimp/lib${base}_delay.a")
  add_custom_command(
    OUTPUT "${delay_lib}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/delayimp"
    COMMAND "${PROJECT_SOURCE_DIR}/cmake/make-delay-import-lib.sh" "${LITE_MINGW_TRIPLE}"
            "${import_lib}" "${dll}" "${delay_lib}"
    DEPENDS "${PROJECT_SOURCE_DIR}/cmake/make-delay-import-lib.sh" "${import_lib}"
    COMMENT "Delay-import library for ${dll}"
    VERBATIM)
  list(APPEND LITE_DELAY_IMPORT_LIBS "${delay_lib}")
endforeach()
add_custom_target(lite_delay_import_libs DEPENDS ${LITE_DELAY_IMPORT_LIBS})

# Every Windows executable ends its link line with one group: the delay-import
# libraries, the C and C++ runtimes statically, and KERNEL32 and OLEACC the
# ordinary way. The standard-libraries variable is the only place CMake puts
# after the targets' own (transitive) libraries.
string(JOIN " " CMAKE_CXX_STANDARD_LIBRARIES
       -Wl,--start-group ${LITE_DELAY_IMPORT_LIBS}
       -lstdc++ -lmingw32 -lgcc -lgcc_eh -lmoldname -lmingwex -lmsvcrt -lpthread -luuid
       -lkernel32 -loleacc -Wl,--end-group)
set(CMAKE_C_STANDARD_LIBRARIES "${CMAKE_CXX_STANDARD_LIBRARIES}")

# A Windows executable that links with those libraries only.
# Each also links base/win/tick_count64_win.cc as an object of its own, so
# that the thread library's GetTickCount64 calls bind to it and not to an
# import Windows XP lacks.
function(lite_windows_executable target)
  add_dependencies(${target} lite_delay_import_libs)
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/base/win/tick_count64_win.cc)
endfunction()

# The shipped program: -nodefaultlibs keeps g++ from adding user32, advapi32,
# shell32 and the like, so that a function missing from the delay-import
# libraries fails the link instead of becoming an ordinary import.
function(lite_link_windows_program target)
  lite_windows_executable(${target})
  target_link_options(${target} PRIVATE -nodefaultlibs -municode -mwindows)
endfunction()
