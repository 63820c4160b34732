# Packs the Windows release: lays out the application folder NAME beside
# ZIP (cmake/LayOutApp.cmake, as for any application folder) and writes ZIP,
# which unpacks to that one folder: the program, lexavia-corpus.exe with its
# word lists in corpus/, dicionarios/ with the main dictionary and an empty
# user dictionary, and segmentador/frasor.exe. Every program must import
# only the system's own DLLs.
#
#   cmake -DZIP=... -DNAME=... -DSOURCE_DIR=... -DPROGRAM=... -DFRASOR=... -DOBJDUMP=...
#         -DCORPUS_PROGRAM=... -DCORPUS_LISTS=... -P PackRelease.cmake

cmake_minimum_required(VERSION 3.25)

get_filename_component(release_dir "${ZIP}" DIRECTORY)
set(APP_DIR "${release_dir}/${NAME}")
include("${CMAKE_CURRENT_LIST_DIR}/LayOutApp.cmake")

get_filename_component(program_name "${PROGRAM}" NAME)
get_filename_component(corpus_program_name "${CORPUS_PROGRAM}" NAME)
set(members
  "${NAME}/${program_name}"
  "${NAME}/${corpus_program_name}"
  "${NAME}/dicionarios/dicionario_principal.txt"
  "${NAME}/dicionarios/dicionario_usuario.txt"
  "${NAME}/segmentador/frasor.exe")
file(GLOB corpus_lists RELATIVE "${release_dir}" "${APP_DIR}/corpus/*.txt")
list(APPEND members ${corpus_lists})
foreach(member IN LISTS members)
  if(NOT EXISTS "${release_dir}/${member}")
    message(FATAL_ERROR "The release lacks ${member}")
  endif()
endforeach()
# LayOutApp keeps a user dictionary it finds: one that holds words was used,
# and its words are its user's, not the release's.
file(SIZE "${APP_DIR}/dicionarios/dicionario_usuario.txt" user_dictionary_size)
if(NOT user_dictionary_size EQUAL 0)
  message(FATAL_ERROR "${APP_DIR}/dicionarios/dicionario_usuario.txt holds words: "
                      "this folder was used; pack from a fresh build folder")
endif()

foreach(executable "${APP_DIR}/${program_name}" "${APP_DIR}/${corpus_program_name}"
                   "${APP_DIR}/segmentador/frasor.exe")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DEXECUTABLE=${executable} -DOBJDUMP=${OBJDUMP}
            -P "${CMAKE_CURRENT_LIST_DIR}/CheckSystemImports.cmake"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

file(REMOVE "${ZIP}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${ZIP}" --format=zip ${members}
                WORKING_DIRECTORY "${release_dir}" COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Wrote ${ZIP}")
