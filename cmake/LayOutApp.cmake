# Lays out the application folder APP_DIR: the segmenter as
# segmentador/frasor.exe (and the program, when PROGRAM is given), the corpus
# program CORPUS_PROGRAM beside it with the classes' word lists of
# CORPUS_LISTS in corpus/, the main dictionary, and an empty user dictionary
# where none exists yet. An existing user dictionary is the user's data: it
# is never replaced.
#
#   cmake -DAPP_DIR=... -DSOURCE_DIR=... -DFRASOR=... [-DPROGRAM=...]
#         -DCORPUS_PROGRAM=... -DCORPUS_LISTS=... -P LayOutApp.cmake

file(MAKE_DIRECTORY "${APP_DIR}/dicionarios" "${APP_DIR}/segmentador")
file(COPY_FILE "${FRASOR}" "${APP_DIR}/segmentador/frasor.exe" ONLY_IF_DIFFERENT)
if(PROGRAM)
  get_filename_component(program_name "${PROGRAM}" NAME)
  file(COPY_FILE "${PROGRAM}" "${APP_DIR}/${program_name}" ONLY_IF_DIFFERENT)
endif()
get_filename_component(corpus_program_name "${CORPUS_PROGRAM}" NAME)
file(COPY_FILE "${CORPUS_PROGRAM}" "${APP_DIR}/${corpus_program_name}" ONLY_IF_DIFFERENT)
file(GLOB corpus_lists "${CORPUS_LISTS}/*.txt")
if(NOT corpus_lists)
  message(FATAL_ERROR "No word lists in ${CORPUS_LISTS}")
endif()
file(MAKE_DIRECTORY "${APP_DIR}/corpus")
foreach(list IN LISTS corpus_lists)
  get_filename_component(list_name "${list}" NAME)
  file(COPY_FILE "${list}" "${APP_DIR}/corpus/${list_name}" ONLY_IF_DIFFERENT)
endforeach()

set(main_dictionary "${SOURCE_DIR}/data/dicionarios/dicionario_principal.txt")
if(EXISTS "${main_dictionary}")
  file(COPY_FILE "${main_dictionary}" "${APP_DIR}/dicionarios/dicionario_principal.txt"
       ONLY_IF_DIFFERENT)
else()
  message(WARNING "No main dictionary at ${main_dictionary}: run tools/dictionary/build-dictionary.sh")
endif()

set(user_dictionary "${APP_DIR}/dicionarios/dicionario_usuario.txt")
if(NOT EXISTS "${user_dictionary}")
  file(COPY_FILE "${SOURCE_DIR}/data/dicionarios/dicionario_usuario.txt" "${user_dictionary}")
endif()
