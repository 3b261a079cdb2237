# Checks "velmora translate" end to end: UTF-8 in and out, the output file, the exit statuses.
set(work ${CMAKE_CURRENT_BINARY_DIR}/cli_translate_check)
file(MAKE_DIRECTORY ${work})

# Translates TEXT (written to CASE.logo) into CASE.out and fails naming CASE unless the exit
# status is STATUS and the output is byte for byte OUT (compared as files, which keep every
# carriage return).
function(check_translation case text from to status out)
    file(WRITE ${work}/${case}.logo "${text}")
    file(WRITE ${work}/${case}.expected "${out}")
    file(REMOVE ${work}/${case}.out)
    execute_process(COMMAND ${VELMORA} translate ${work}/${case}.logo --from ${from} --to ${to}
        -o ${work}/${case}.out TIMEOUT 60 ERROR_VARIABLE got_err RESULT_VARIABLE got_status)
    if(NOT EXISTS ${work}/${case}.out)
        file(WRITE ${work}/${case}.out "")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${work}/${case}.out
        ${work}/${case}.expected RESULT_VARIABLE differs)
    file(READ ${work}/${case}.out got_out)
    if(NOT got_status EQUAL status OR differs)
        message(FATAL_ERROR "${case}: status ${got_status}, output [${got_out}], errors [${got_err}]")
    endif()
endfunction()

# Into its own language a text stays as it is, letter case and layout included.
set(script "to square :side\r\n  REPEAT 4 [Fd :side rt 90]  ; a \"comment\nend\nprint \"fd\tpr [ünïcödé]\n")
check_translation(same "${script}" english english 0 "${script}")

# Words of the system change, user names, quoted words, variables and comments do not; a word
# in capitals stays in capitals, "true is the language's, "end" is one only first on its line.
check_translation(czech
    "to square :forward\n  REPEAT 4 [Fd :forward rt 90]  ; print \"fd\nend\nprint \"forward show \"true [a end]\n"
    english czech 0
    "příkaz square :forward\n  OPAKUJ 4 [Do :forward vp 90]  ; print \"fd\nkonec\npiš \"forward ukaž \"ano [a end]\n")

# A character that the language's code page lacks is refused rather than turned into "?".
check_translation(greek "print [Ωμέγα]\n" english english 1 "")

execute_process(COMMAND ${VELMORA} translate ${work}/same.logo --from english --to klingon
    ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 2 OR NOT err MATCHES "no dictionary for the language klingon")
    message(FATAL_ERROR "unknown language: status ${status}, errors [${err}]")
endif()

# Without -o the text goes to standard output, and translated back it is the original.
execute_process(COMMAND ${VELMORA} translate ${work}/czech.out --from czech --to english
    OUTPUT_VARIABLE back RESULT_VARIABLE back_status)
file(READ ${work}/czech.logo original)
if(NOT back_status EQUAL 0 OR NOT back STREQUAL "${original}")
    message(FATAL_ERROR "round trip: status ${back_status}, back [${back}]")
endif()
