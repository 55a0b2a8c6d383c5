# cmake -DQMLLINT=... -DROOT=<qml folder> -P qmllint.cmake
file(GLOB_RECURSE files "${ROOT}/*.qml" "${ROOT}/*.js")
list(SORT files)
list(LENGTH files count)
execute_process(COMMAND ${QMLLINT} ${files} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "qmllint found errors:\n${out}${err}")
endif()
message(STATUS "qmllint: ${count} files clean")
