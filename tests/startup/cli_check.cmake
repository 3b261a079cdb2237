# Checks the console runner end to end: printed text on standard output, one "error N:" line per
# error on standard error, exit status 1 when an error was reported and 0 otherwise.
set(work ${CMAKE_CURRENT_BINARY_DIR}/cli_check)
file(MAKE_DIRECTORY ${work})

# Runs the console runner on SCRIPT, written to CASE.logo, and fails naming CASE unless it exits
# with STATUS and its output and errors match OUT and ERR (regular expressions). A runner that
# does not end fails at the time-out.
function(check_logo case script status out err)
    file(WRITE ${work}/${case}.logo "${script}")
    execute_process(COMMAND ${VELMORA} logo ${work}/${case}.logo TIMEOUT 60
        OUTPUT_VARIABLE got_out ERROR_VARIABLE got_err RESULT_VARIABLE got_status)
    if(NOT got_status EQUAL status OR NOT got_out MATCHES "${out}" OR NOT got_err MATCHES "${err}")
        message(FATAL_ERROR "${case}: status ${got_status}, output [${got_out}], errors [${got_err}]")
    endif()
endfunction()

check_logo(good "print 1 + 2\nrepeat 2 [type \"ab]\nprint []\n" 0 "^3\nabab\n$" "^$")
check_logo(bad "print 1\nfoo\nprint 2\n3\n" 1 "^1\n2\n$"
    "^error 25: [^\n]*foo[^\n]*\nerror 2: [^\n]*\n$")

execute_process(COMMAND ${VELMORA} logo - INPUT_FILE ${work}/good.logo
    OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out STREQUAL "3\nabab\n")
    message(FATAL_ERROR "standard input: status ${status}, output [${out}]")
endif()

# A definition that the input ends inside is defined as it stands, without an error: a process
# waiting for the procedure calls it once it exists.
check_logo(unended "launch [loop [catch \"error [f stopme]]]\nto f\nprint \"defined\n" 0
    "^defined\n$" "^$")

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
check_logo(bye_from_command_line "every 100 [print \"tick]\nbye\nprint \"after\n" 0
    "^(tick\n)*$" "^$")
check_logo(bye_from_process_while_looping "launch [wait 100 bye]\nforever [wait 10]\n" 0 "^$" "^$")
check_logo(bye_from_process_while_waiting
    "launch [wait 100 bye]\nwaituntil [\"false]\nprint \"after\n" 0 "^$" "^$")

# A list nested deeper than the native stack could follow is still freed at exit.
check_logo(deep_list_at_exit "make \"x \"a\nrepeat 300000 [make \"x (list :x)]\nprint \"built\n" 0
    "^built\n$" "^$")

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
