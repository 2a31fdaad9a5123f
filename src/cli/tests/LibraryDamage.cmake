# The tool on a damaged library: `remove` and `add` must fail with the reader's message and a
# non-zero exit, and leave the file byte for byte as it was. Run by ctest with -DCLI=<tool>
# -DWORK=<folder>.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(library "${WORK}/Vantorel.tev")

function(run expected_ok)
    execute_process(COMMAND "${CLI}" ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(expected_ok AND NOT code EQUAL 0)
        message(FATAL_ERROR "${ARGN}: exit ${code}: ${err}")
    endif()
    if(NOT expected_ok AND code EQUAL 0)
        message(FATAL_ERROR "${ARGN}: reported success on a damaged library: ${out}")
    endif()
    set(out "${out}" PARENT_SCOPE)
    set(err "${err}" PARENT_SCOPE)
endfunction()

run(TRUE library add --library "${library}" --variant 0)
run(TRUE library add --library "${library}" --variant 1)
run(TRUE library list --library "${library}")
string(JSON kind GET "${out}" variants 0 kind)
string(JSON day GET "${out}" variants 0 day)
string(JSON month GET "${out}" variants 0 month)
string(JSON year GET "${out}" variants 0 year)

# A record that cannot be read after the two good ones ('X' is no tag of the stream).
file(APPEND "${library}" "XXXXXXXXXXXXXXXXXXXXXXXX")
file(SHA256 "${library}" before)

run(FALSE library remove --library "${library}" --kind ${kind} --day ${day} --month ${month}
    --year ${year})
if(NOT err MATCHES "Impossible d'ouvrir le fichier")
    message(FATAL_ERROR "remove: not the catalogue's message: ${err}")
endif()
run(FALSE library add --library "${library}" --variant 1)
if(NOT err MATCHES "Impossible d'ouvrir le fichier")
    message(FATAL_ERROR "add: not the catalogue's message: ${err}")
endif()

file(SHA256 "${library}" after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "the damaged library was changed")
endif()
if(EXISTS "${WORK}/Van001.tev")
    message(FATAL_ERROR "a backup was made of a library that was not changed")
endif()
file(REMOVE_RECURSE "${WORK}")
