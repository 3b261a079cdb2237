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

# A definition that the input ends inside is defined as it stands, without an error: a process
# waiting for the procedure calls it once it exists.
file(WRITE ${work}/unended.logo "launch [loop [catch \"error [f stopme]]]\nto f\nprint \"defined\n")
execute_process(COMMAND ${VELMORA} logo ${work}/unended.logo
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "defined\n" OR NOT err STREQUAL "")
    message(FATAL_ERROR "definition ended by the input: status ${status}, output [${out}], errors [${err}]")
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

# "bye" ends the runner however many processes run, from the command line or from a process; the
# lines after it are not run. A runner that does not end fails at the time-out.
set(bye_cases
    "every 100 [print \"tick]\nbye\nprint \"after\n"
    "launch [wait 100 bye]\nforever [wait 10]\n"
    "launch [wait 100 bye]\nwaituntil [\"false]\nprint \"after\n")
set(case 0)
foreach(script IN LISTS bye_cases)
    math(EXPR case "${case} + 1")
    file(WRITE ${work}/bye${case}.logo "${script}")
    execute_process(COMMAND ${VELMORA} logo ${work}/bye${case}.logo TIMEOUT 60
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR out MATCHES "after" OR NOT err STREQUAL "")
        message(FATAL_ERROR "bye ${case}: status ${status}, output [${out}], errors [${err}]")
    endif()
endforeach()
# A list nested deeper than the native stack could follow is still freed at exit.
file(WRITE ${work}/deep.logo "make \"x \"a\nrepeat 300000 [make \"x (list :x)]\nprint \"built\n")
execute_process(COMMAND ${VELMORA} logo ${work}/deep.logo
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "built\n")
    message(FATAL_ERROR "deep list at exit: status ${status}, output [${out}], errors [${err}]")
endif()

# A dictionary file beside the program that cannot be used (a folder, a damaged file, one lacking
# the messages) is passed over with one warning line; the built-in dictionary speaks instead.
set(beside ${work}/beside)
file(REMOVE_RECURSE ${beside})
file(MAKE_DIRECTORY ${beside})
file(COPY ${VELMORA} DESTINATION ${beside})
get_filename_component(program ${VELMORA} NAME)
file(WRITE ${work}/error.logo "print 1\nfoo\n")
foreach(form folder noise incomplete)
    file(REMOVE_RECURSE ${beside}/english.ldx)
    if(form STREQUAL "folder")
        file(MAKE_DIRECTORY ${beside}/english.ldx)
    elseif(form STREQUAL "noise")
        file(WRITE ${beside}/english.ldx "no dictionary at all\n")
    else()
        file(COPY_FILE ${work}/scrambled.ldx ${beside}/english.ldx)
    endif()
    execute_process(COMMAND ${beside}/${program} logo ${work}/error.logo
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
    if(NOT status EQUAL 1 OR NOT out STREQUAL "1\n"
            OR NOT err MATCHES "^[^\n]*english.ldx[^\n]*\nerror 25: I don't know how to foo\n$")
        message(FATAL_ERROR "${form} english.ldx: status ${status}, output [${out}], errors [${err}]")
    endif()
endforeach()

# The dictionary tool and the runner refuse what they cannot read, with a message, a failing exit
# status, and no output file; the tool never writes over its input.
file(REMOVE ${work}/out.txt)
file(WRITE ${work}/noise.ldx "no dictionary at all\n")
foreach(command "dict;encode;${work};${work}/out.txt" "dict;decode;${work};${work}/out.txt"
        "dict;decode;${work}/noise.ldx;${work}/out.txt"
        "dict;encode;${work}/plain.txt;${work}/plain.txt")
    execute_process(COMMAND ${VELMORA} ${command} ERROR_VARIABLE err RESULT_VARIABLE status)
    file(READ ${work}/plain.txt plain)
    if(NOT status EQUAL 1 OR NOT err MATCHES "^velmora: [^\n]+\n$" OR EXISTS ${work}/out.txt
            OR NOT plain STREQUAL "[other]\ntrue=true\n")
        message(FATAL_ERROR "velmora ${command}: status ${status}, errors [${err}]")
    endif()
endforeach()
execute_process(COMMAND ${VELMORA} logo ${work} ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 2 OR NOT err MATCHES "cannot read ${work}")
    message(FATAL_ERROR "logo of a folder: status ${status}, errors [${err}]")
endif()
