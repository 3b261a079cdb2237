# The console runner under an address-space limit (ulimit -v): a process that cannot be started
# and memory that cannot be had are error 0 in the process that asked, and the runner goes on.
# Waiting processes are started until their stacks have taken the address space; a list then grows
# into what is left (less than one stack, so it is soon full) until memory runs out; the next lines
# run while it still holds all the memory, and one of them frees it.
set(work ${CMAKE_CURRENT_BINARY_DIR}/cli_memory_check)
file(MAKE_DIRECTORY ${work})
file(WRITE ${work}/exhaust.logo [=[
repeat 100000 [launch [wait 100000]]
print "started
make "l []
repeat 100000000 [make "l fput repcount :l]
print "full
make "l []
print "freed
stopall
]=])
execute_process(COMMAND sh -c "ulimit -v 3000000 && exec \"$0\" logo \"$1\""
        ${VELMORA} ${work}/exhaust.logo
    TIMEOUT 100 OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 1 OR NOT out STREQUAL "started\nfull\nfreed\n"
        OR NOT err MATCHES "^error 0: [^\n]*\nerror 0: [^\n]*\n$")
    message(FATAL_ERROR "address space used up: status ${status}, output [${out}], errors [${err}]")
endif()
