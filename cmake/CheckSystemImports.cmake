# Fails unless the Windows program EXECUTABLE imports only DLLs that every
# Windows installation has in its system folder, so that it needs no DLL
# beside it.
#
#   cmake -DEXECUTABLE=... -DOBJDUMP=x86_64-w64-mingw32-objdump -P CheckSystemImports.cmake

cmake_minimum_required(VERSION 3.25)

set(system_dlls
  advapi32.dll bcrypt.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll
  ntdll.dll ole32.dll shell32.dll user32.dll)

execute_process(COMMAND ${OBJDUMP} -p "${EXECUTABLE}" OUTPUT_VARIABLE headers
                COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "${EXECUTABLE}: no imports found")
endif()
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${EXECUTABLE} imports ${dll}, which Windows does not hold")
  endif()
  list(APPEND found "${dll}")
endforeach()
message(STATUS "${EXECUTABLE} imports only system DLLs: ${found}")
