# Typesets the user guide: platex twice (for the table of contents and the
# figure numbers), then dvipdfmx with the IPA font map, so that the Japanese
# fonts are embedded in the PDF.
# Variables: PLATEX, DVIPDFMX, SOURCE, IMAGES, WORK, VERSION, OUTPUT.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${SOURCE} DESTINATION ${WORK})
file(COPY ${IMAGES} DESTINATION ${WORK})
file(WRITE ${WORK}/version.tex "\\renewcommand{\\TarvoVersion}{${VERSION}}\n")
get_filename_component(name ${SOURCE} NAME_WE)

foreach(pass 1 2)
  execute_process(
    COMMAND ${PLATEX} -kanji=utf8 -interaction=nonstopmode -halt-on-error ${name}.tex
    WORKING_DIRECTORY ${WORK}
    INPUT_FILE /dev/null
    OUTPUT_VARIABLE log
    ERROR_VARIABLE log
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "platex failed on ${SOURCE}:\n${log}")
  endif()
endforeach()

execute_process(
  COMMAND ${DVIPDFMX} -f ptex-ipa.map -o ${OUTPUT} ${name}.dvi
  WORKING_DIRECTORY ${WORK}
  INPUT_FILE /dev/null
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "dvipdfmx failed on ${name}.dvi:\n${log}")
endif()
