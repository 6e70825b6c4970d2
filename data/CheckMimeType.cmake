# Builds a MIME database from the program's package file alone, as the desktop
# does on installation, and checks that the file parsed and that *.prednap
# names application/x-prednaprezanje, a kind of JSON.
# update-mime-database reports a file it cannot parse but still succeeds, so
# its messages and its output are read.
execute_process(COMMAND ${XMLLINT} --noout ${MIME_XML} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${MIME_XML} is not well-formed XML")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/packages)
configure_file(${MIME_XML} ${WORK_DIR}/packages/org.prednaprezanje.prednaprezanje.xml COPYONLY)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK_DIR} RESULT_VARIABLE rc ERROR_VARIABLE messages)
if(NOT rc EQUAL 0 OR messages MATCHES "Failed|rror|nvalid|nknown")
  message(FATAL_ERROR "update-mime-database refused the file:\n${messages}")
endif()

file(READ ${WORK_DIR}/globs2 globs)
if(NOT globs MATCHES "application/x-prednaprezanje:\\*\\.prednap\n")
  message(FATAL_ERROR "no glob *.prednap in:\n${globs}")
endif()
file(READ ${WORK_DIR}/subclasses subclasses)
if(NOT subclasses MATCHES "application/x-prednaprezanje application/json")
  message(FATAL_ERROR "not a kind of JSON:\n${subclasses}")
endif()
file(STRINGS ${WORK_DIR}/magic magic REGEX "\"format\": \"prednaprezanje\"")
if(NOT magic)
  message(FATAL_ERROR "no magic for the format tag")
endif()
