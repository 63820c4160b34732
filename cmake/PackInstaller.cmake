# Packs the Windows installer OUTFILE with makensis and
# packaging/windows/lexavia.nsi: the program, the segmenter, the shipped
# main dictionary and the empty user dictionary of data/dicionarios/, the
# licence and the icon, and the corpus program CORPUS_PROGRAM with the word
# lists of CORPUS_LISTS. Every program must import only the system's own
# DLLs, as in the zip.
#
#   cmake -DOUTFILE=... -DVERSION=... -DSOURCE_DIR=... -DPROGRAM=... -DFRASOR=...
#         -DICON=... -DMAKENSIS=... -DCOMPRESSOR=... -DOBJDUMP=... -DCORPUS_PROGRAM=...
#         -DCORPUS_LISTS=...
#         -P PackInstaller.cmake

cmake_minimum_required(VERSION 3.25)

set(main_dictionary "${SOURCE_DIR}/data/dicionarios/dicionario_principal.txt")
set(user_dictionary "${SOURCE_DIR}/data/dicionarios/dicionario_usuario.txt")
if(NOT EXISTS "${main_dictionary}")
  message(FATAL_ERROR "No main dictionary at ${main_dictionary}: "
                      "run tools/dictionary/build-dictionary.sh")
endif()
file(SIZE "${user_dictionary}" user_dictionary_size)
if(NOT user_dictionary_size EQUAL 0)
  message(FATAL_ERROR "${user_dictionary} holds words: the installer ships an empty one")
endif()

if(NOT EXISTS "${CORPUS_LISTS}/estrangeiras.txt")
  message(FATAL_ERROR "No word lists in ${CORPUS_LISTS}")
endif()

foreach(executable "${PROGRAM}" "${FRASOR}" "${CORPUS_PROGRAM}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DEXECUTABLE=${executable} -DOBJDUMP=${OBJDUMP}
            -P "${CMAKE_CURRENT_LIST_DIR}/CheckSystemImports.cmake"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

get_filename_component(output_dir "${OUTFILE}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
file(REMOVE "${OUTFILE}")
execute_process(
  COMMAND "${MAKENSIS}" -V2 -INPUTCHARSET UTF8 "-DVERSION=${VERSION}" "-DOUTFILE=${OUTFILE}"
          "-DPROGRAM=${PROGRAM}" "-DFRASOR=${FRASOR}" "-DMAIN_DICTIONARY=${main_dictionary}"
          "-DUSER_DICTIONARY=${user_dictionary}" "-DLICENSE_FILE=${SOURCE_DIR}/LICENSE"
          "-DICON=${ICON}" "-DCOMPRESSOR=${COMPRESSOR}"
          "-DCORPUS_PROGRAM=${CORPUS_PROGRAM}" "-DCORPUS_LISTS=${CORPUS_LISTS}"
          "${SOURCE_DIR}/packaging/windows/lexavia.nsi"
  COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Wrote ${OUTFILE}")
