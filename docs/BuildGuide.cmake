# Typesets the user guide: platex until its cross-references settle, then
# dvipdfmx with the IPA font map, so that the Japanese
# fonts are embedded in the PDF.
# Variables: PLATEX, DVIPDFMX, SOURCE, IMAGES, WORK, VERSION, OUTPUT.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${SOURCE} DESTINATION ${WORK})
file(COPY ${IMAGES} DESTINATION ${WORK})
file(WRITE ${WORK}/version.tex "\\renewcommand{\\TarvoVersion}{${VERSION}}\n")
get_filename_component(name ${SOURCE} NAME_WE)

# platex until the cross-references settle (the table of contents, the
# figure numbers and the long tables need two or three passes).
foreach(pass 1 2 3 4)
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
  file(READ ${WORK}/${name}.log texlog)
  if(pass GREATER 1 AND NOT texlog MATCHES "Rerun to get|Label\\(s\\) may have changed")
    break()
  endif()
endforeach()

# A guide with a reference to nothing, a label defined twice, a missing
# picture or references that never settled is not a guide to ship.
string(REGEX MATCHALL "LaTeX Warning: (Reference|Citation) `[^']*' on page [0-9]+ undefined[^\n]*" broken "${texlog}")
string(REGEX MATCHALL "LaTeX Warning: (There were undefined references|There were multiply-defined labels|Label `[^']*' multiply defined|Label\\(s\\) may have changed)[^\n]*" unsettled "${texlog}")
string(REGEX MATCHALL "(LaTeX Warning: File `[^']*' not found|File `[^']*' not found)[^\n]*" missing "${texlog}")
set(problems ${broken} ${unsettled} ${missing})
if(problems)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "The user guide ${SOURCE} has broken references or figures:\n${text}")
endif()

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
