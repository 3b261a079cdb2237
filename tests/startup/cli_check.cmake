# Checks the console runner end to end: printed text on standard output, one "error N:" line per
# error on standard error, exit status 1 when an error was reported and 0 otherwise.
set(work ${CMAKE_CURRENT_BINARY_DIR}/cli_check)
file(MAKE_DIRECTORY ${work})

file(WRITE ${work}/good.logo "print 1 + 2\nrepeat 2 [type \"ab]\nprint []\n")
execute_process(COMMAND ${VELMORA} logo ${work}/good.logo
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "3\nabab\n" OR NOT err STREQUAL "")
    message(FATAL_ERROR "good script: status ${status}, output [${out}], errors [${err}]")
endif()

file(WRITE ${work}/bad.logo "print 1\nfoo\nprint 2\n3\n")
execute_process(COMMAND ${VELMORA} logo ${work}/bad.logo
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 1 OR NOT out STREQUAL "1\n2\n" OR NOT err MATCHES "^error 25: [^\n]*foo[^\n]*\nerror 2: [^\n]*\n$")
    message(FATAL_ERROR "bad script: status ${status}, output [${out}], errors [${err}]")
endif()

execute_process(COMMAND ${VELMORA} logo - INPUT_FILE ${work}/good.logo
    OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "3\nabab\n")
    message(FATAL_ERROR "standard input: status ${status}, output [${out}]")
endif()

execute_process(COMMAND ${VELMORA} logo --language klingon ${work}/good.logo
    ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 2 OR NOT err MATCHES "Language klingon not available")
    message(FATAL_ERROR "unknown language: status ${status}, errors [${err}]")
endif()

file(WRITE ${work}/plain.txt "[other]\ntrue=true\n")
execute_process(COMMAND ${VELMORA} dict encode ${work}/plain.txt ${work}/scrambled.ldx
    RESULT_VARIABLE encoded)
execute_process(COMMAND ${VELMORA} dict decode ${work}/scrambled.ldx ${work}/decoded.txt
    RESULT_VARIABLE decoded)
file(READ ${work}/decoded.txt text)
if(NOT encoded EQUAL 0 OR NOT decoded EQUAL 0 OR NOT text STREQUAL "[other]\ntrue=true\n")
    message(FATAL_ERROR "dict round trip: ${encoded} ${decoded} [${text}]")
endif()

# A list nested deeper than the native stack could follow is still freed at exit.
file(WRITE ${work}/deep.logo "make \"x \"a\nrepeat 300000 [make \"x (list :x)]\nprint \"built\n")
execute_process(COMMAND ${VELMORA} logo ${work}/deep.logo
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "built\n")
    message(FATAL_ERROR "deep list at exit: status ${status}, output [${out}], errors [${err}]")
endif()
